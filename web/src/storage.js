// Local storage may be missing, refused or full; the page then works without
// remembering and says so once.
import { notice } from './dom.js';
import { TEXTS } from './texts.js';

export const STORE_PRESETS = 'varnholt.presets';
export const STORE_STAGE = 'varnholt.stageSettings';
export const STORE_TRANSFORMER = 'varnholt.transformer';
let warned = false;

export function store(key, value) {
  try {
    if (value === null) window.localStorage.removeItem(key);
    else window.localStorage.setItem(key, value);
    return true;
  } catch (e) {
    if (!warned) {
      warned = true;
      notice(TEXTS.noStorage);
    }
    return false;
  }
}

export function recall(key) {
  try {
    return window.localStorage.getItem(key);
  } catch (e) {
    return null;
  }
}

// Bytes kept in storage as one character per byte.
export function bytesToString(bytes) {
  let text = '';
  for (let i = 0; i < bytes.length; i += 8192) text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
  return text;
}

export function stringToBytes(text) {
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i) & 0xff;
  return bytes;
}
