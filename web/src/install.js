// Kept on a phone, offline after one visit: the manifest and the service
// worker, only where browsers allow them (http and https); from file:// the
// page works as it is, without either.
export function registerWorker() {
  if (!/^https?:$/.test(location.protocol)) return;
  const manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'manifest.webmanifest';
  document.head.appendChild(manifest);
  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js').catch(() => { /* the page works without it */ });
  }
}
