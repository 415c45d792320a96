// Message boxes: one at a time, modal, focus back where it was, or to the
// field the core names as the one it could not read.
import { $ } from './dom.js';

const queue = [];
let returnFocus = null;

export function showMessages(messages) {
  for (const m of messages) queue.push(m);
  if (!$('message').open) nextMessage();
}

export function showMessage(text) {
  showMessages([{ caption: 'Varnholt', text }]);
}

function nextMessage() {
  const m = queue.shift();
  if (!m) {
    if (returnFocus && document.contains(returnFocus)) returnFocus.focus();
    returnFocus = null;
    return;
  }
  if (!returnFocus) returnFocus = m.focus ? $(m.focus) : document.activeElement;
  $('message-caption').textContent = m.caption;
  $('message-text').textContent = m.text;
  $('message').showModal();
  $('message-ok').focus();
}

function closeMessage() {
  $('message').close();
  nextMessage();
}

// A modal box closed by its OK button, Escape or Enter.
export function wireDialog(dialog, ok, close) {
  $(ok).addEventListener('click', close);
  $(dialog).addEventListener('cancel', (e) => { e.preventDefault(); close(); });
  $(dialog).addEventListener('keydown', (e) => {
    if (e.key === 'Enter') { e.preventDefault(); close(); }
  });
}

export function wireMessages() {
  wireDialog('message', 'message-ok', closeMessage);
  let aboutFocus = null;
  $('about').addEventListener('click', () => {
    aboutFocus = document.activeElement;
    $('about-box').showModal();
    $('about-ok').focus();
  });
  wireDialog('about-box', 'about-ok', () => {
    $('about-box').close();
    if (aboutFocus) aboutFocus.focus();
    aboutFocus = null;
  });
}
