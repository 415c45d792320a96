// Preset files: opened or dropped, remembered for the next visit, or the
// built-in samples.
import { $, page, notice } from './dom.js';
import { showMessage } from './messages.js';
import { STORE_PRESETS, store, recall, bytesToString, stringToBytes } from './storage.js';
import { sync } from './window.js';
import { TEXTS } from './texts.js';

function openPresetFile(file) {
  const limit = page.core.presetFileLimit();
  if (file.size > limit.bytes) {
    showMessage(limit.text);
    return;
  }
  file.arrayBuffer().then((buffer) => {
    const bytes = new Uint8Array(buffer);
    const failure = page.core.openPresetFile(bytes);
    if (failure) {
      showMessage(failure);
      return;
    }
    // A reload brings back this file or none: never one opened before it.
    if (!store(STORE_PRESETS, bytesToString(bytes))) {
      store(STORE_PRESETS, null);
      notice(TEXTS.fileNotRemembered);
    }
    sync();
  }, () => showMessage(TEXTS.fileNotRead));
}

// The file remembered from the last visit, when there is one the core takes.
export function restorePresets() {
  const stored = recall(STORE_PRESETS);
  return stored !== null && page.core.openPresetFile(stringToBytes(stored)) === '';
}

export function wirePresets() {
  $('open-presets').addEventListener('click', () => $('preset-file').click());
  $('preset-file').addEventListener('change', () => {
    const file = $('preset-file').files[0];
    if (file) openPresetFile(file);
    $('preset-file').value = '';
  });
  $('sample-presets').addEventListener('click', () => {
    store(STORE_PRESETS, null);
    page.core.useSamplePresets();
    sync();
  });
  document.addEventListener('dragover', (e) => { e.preventDefault(); });
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    const file = e.dataTransfer && e.dataTransfer.files[0];
    if (file) openPresetFile(file);
  });
}
