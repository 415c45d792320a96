// The window's fields, Name list, hint and commands: texts moved between the
// controls and the core.
import { $, page, timings } from './dom.js';
import { showMessages } from './messages.js';
import { paint } from './plot.js';

export const FIELDS = ['L', 'RS', 'C', 'RL', 'F', 'Q'];
const listeners = [];

// Calls `f` after each change the core made to the window.
export function onSync(f) {
  listeners.push(f);
}

export function sync() {
  const s = page.core.state();
  FIELDS.forEach((f, i) => {
    const input = $('field-' + f);
    if (input.value !== s.fields[i]) input.value = s.fields[i];
  });
  const select = $('name');
  const names = s.names;
  if (select.options.length !== names.length || names.some((n, i) => select.options[i].text !== n)) {
    select.replaceChildren(...names.map((n, i) => new Option(n, String(i))));
  }
  select.selectedIndex = s.selected;
  $('hint').textContent = s.hint;
  $('description').textContent = s.description;
  $('sample-presets').disabled = !s.userPresets;
  paint();
  for (const f of listeners) f();
}

// The core's messages, each with the id of the field it names, if any.
export function takeMessages() {
  return page.core.takeMessages().map((m) => ({
    caption: m.caption, text: m.text, focus: m.field >= 0 ? 'field-' + FIELDS[m.field] : null,
  }));
}

function markInvalid(messages) {
  for (const f of FIELDS) $('field-' + f).removeAttribute('aria-invalid');
  for (const m of messages) if (m.focus) $(m.focus).setAttribute('aria-invalid', 'true');
}

export function readFields() {
  FIELDS.forEach((f, i) => page.core.setField(i, $('field-' + f).value));
}

export function run(command) {
  const t0 = performance.now();
  page.core.run(command);
  sync();
  timings.lastCommandMs = performance.now() - t0;
  const messages = takeMessages();
  markInvalid(messages);
  showMessages(messages);
}

export function wireWindow() {
  FIELDS.forEach((f, i) => {
    const input = $('field-' + f);
    input.addEventListener('input', () => {
      page.core.setField(i, input.value);
      $('hint').textContent = page.core.state().hint;
    });
    input.addEventListener('keydown', (e) => {
      if (e.key === 'Enter' && !e.isComposing) {
        e.preventDefault();
        readFields();
        run('Calculate');
      }
    });
  });
  document.querySelectorAll('[data-command]').forEach((button) => {
    button.addEventListener('click', () => {
      readFields();
      run(button.dataset.command);
    });
  });
  $('name').addEventListener('change', () => {
    page.core.chooseName($('name').selectedIndex);
    sync();
  });
}
