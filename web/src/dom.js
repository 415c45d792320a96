// Small helpers every part of the page uses.

export const $ = (id) => document.getElementById(id);

// The core (varnholt-core.js) once it has loaded, and the figures the tests
// and the measuring script read.
export const page = { core: null };
export const timings = (window.varnholtTimings = {});

export function download(name, blob) {
  const a = document.createElement('a');
  a.href = URL.createObjectURL(blob);
  a.download = name;
  document.body.appendChild(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(a.href), 1000);
}

// A line under the buttons that needs no answer.
export function notice(text) {
  $('notice').textContent = text;
}

// Text to the clipboard, or `fallback` where the browser refuses.
export function copyText(text, done, fallback) {
  if (navigator.clipboard && navigator.clipboard.writeText) {
    navigator.clipboard.writeText(text).then(done, fallback);
  } else {
    fallback();
  }
}
