import { timings } from './dom.js';

// Loads the core's code. Over http(s) the .wasm is fetched as soon as this
// script runs and compiled while it downloads; from disk, where a page may not
// fetch the files beside it, a script holds the code as a data: URL.
function fetchCode() {
  if (location.protocol !== 'file:') return fetch('varnholt-core.wasm');
  return new Promise((resolve, reject) => {
    const script = document.createElement('script');
    script.src = 'varnholt-core-wasm.js';
    script.onload = () => resolve(fetch(window.varnholtCoreWasm));
    script.onerror = reject;
    document.head.appendChild(script);
  });
}

// A host that serves the .wasm under another type cannot stream it: then the
// code is compiled from its bytes.
async function instantiate(response, imports) {
  try {
    return await WebAssembly.instantiateStreaming(response.clone(), imports);
  } catch {
    return WebAssembly.instantiate(await response.arrayBuffer(), imports);
  }
}

export function loadCore() {
  timings.scriptAt = performance.now();
  const code = fetchCode();
  return window.VarnholtCore({
    instantiateWasm(imports, done) {
      code.then((response) => instantiate(response, imports)).then((result) => done(result.instance));
      return {};
    },
  });
}
