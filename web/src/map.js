// The load map: C total across, RL up, the deviation as colour, painted by
// the core at the device's pixels for the cartridge and stage of the finder.
// The readout follows pointer or finger; a double-click or double-tap applies
// that load and calculates, as in the window.
import { $, page, timings, download } from './dom.js';
import { putPicture } from './plot.js';
import { showMessage, showMessages } from './messages.js';
import { sync, takeMessages } from './window.js';

const size = { width: 0, height: 0 };

function layout() {
  const canvas = $('map');
  size.width = Math.max(1, Math.floor(canvas.parentElement.clientWidth));
  size.height = Math.round((size.width * 3) / 4); // the window's map proportions
  canvas.style.width = size.width + 'px';
  canvas.style.height = size.height + 'px';
}

function paintMap() {
  const ratio = window.devicePixelRatio || 1;
  const t0 = performance.now();
  putPicture($('map'), page.core.paintMap(size.width, size.height, ratio), ratio);
  timings.mapPaintMs = performance.now() - t0;
}

function at(event) {
  const rect = $('map').getBoundingClientRect();
  return [Math.floor(event.clientX - rect.left), Math.floor(event.clientY - rect.top)];
}

function readout(event) {
  const [x, y] = at(event);
  $('map-readout').textContent = page.core.mapReadout(size.width, size.height, x, y) || '\u00a0';
}

function applyAt(event) {
  const [x, y] = at(event);
  if (!page.core.applyMapAt(size.width, size.height, x, y)) return;
  sync();
  showMessages(takeMessages());
  paintMap();
}

export function openMap() {
  const problem = page.core.makeLoadMap();
  if (problem) {
    showMessage(problem);
    return;
  }
  $('map-panel').hidden = false;
  layout();
  paintMap();
  $('map').focus();
}

export function closeMap() {
  $('map-panel').hidden = true;
  $('st-map').focus();
}

export function wireMap() {
  const map = $('map');
  $('st-map').addEventListener('click', openMap);
  $('map-close').addEventListener('click', closeMap);
  map.addEventListener('pointermove', readout);
  map.addEventListener('pointerdown', readout);
  // A double tap: two taps close in time and place. Not every browser makes
  // one a dblclick, and one that does would apply the load a second time.
  let lastTap = null;
  let touch = false;
  map.addEventListener('dblclick', (e) => { if (!touch) applyAt(e); });
  map.addEventListener('pointerup', (e) => {
    touch = e.pointerType === 'touch';
    if (!touch) return;
    const now = performance.now();
    if (lastTap && now - lastTap.time < 400 && Math.hypot(e.clientX - lastTap.x, e.clientY - lastTap.y) < 24) {
      applyAt(e);
      lastTap = null;
    } else {
      lastTap = { time: now, x: e.clientX, y: e.clientY };
    }
  });
  $('map-svg').addEventListener('click', () =>
    download('load-map.svg', new Blob([page.core.mapSvg(size.width, size.height)], { type: 'image/svg+xml' })));
  $('map-png').addEventListener('click', () => map.toBlob((blob) => download('load-map.png', blob), 'image/png'));
  new ResizeObserver(() => {
    if ($('map-panel').hidden || Math.floor(map.parentElement.clientWidth) === size.width) return;
    layout();
    paintMap();
  }).observe(map.parentElement);
}
