import { timings } from './dom.js';

// The core's code, compiled as soon as this script runs, while the page is
// still parsed and the module's loader arrives. Over http(s) the .wasm is
// compiled while it downloads (a host that serves it under another type
// cannot stream it: then from its bytes); from disk, where a page may not
// fetch the files beside it, a script holds the code, a byte a character.
function compileCode() {
  if (location.protocol !== 'file:') {
    return fetch('varnholt-core.wasm').then((response) =>
      /^application\/wasm\b/.test(response.headers.get('Content-Type') || '')
        ? WebAssembly.compileStreaming(response)
        : response.arrayBuffer().then((bytes) => WebAssembly.compile(bytes)));
  }
  return new Promise((resolve, reject) => {
    const script = document.createElement('script');
    script.src = 'varnholt-core-wasm.js';
    script.onload = () => {
      const text = window.varnholtCoreWasm;
      delete window.varnholtCoreWasm;
      const bytes = new Uint8Array(text.length);
      for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
      resolve(WebAssembly.compile(bytes));
    };
    script.onerror = reject;
    document.head.appendChild(script);
  });
}

const compiled = compileCode();

// The page's text is parsed and the module's loader (a deferred script) has
// run: both come before DOMContentLoaded.
const parsed = new Promise((resolve) => {
  if (document.readyState !== 'loading' && window.VarnholtCore) resolve();
  else document.addEventListener('DOMContentLoaded', resolve, { once: true });
});

export async function loadCore() {
  timings.scriptAt = performance.now();
  await parsed;
  return window.VarnholtCore({
    instantiateWasm(imports, done) {
      compiled.then((module) => WebAssembly.instantiate(module, imports)).then((instance) => done(instance));
      return {};
    },
  });
}
