// The response plot: the core paints it at the column's width, in the
// window's proportions, at the device's pixels; the page sets the labels'
// glyphs in the cells the paint left for them.
import { $, page, download, notice, copyText } from './dom.js';
import { TEXTS } from './texts.js';

const WINDOW_WIDTH = 352; // the window's plot, in CSS pixels
const WINDOW_HEIGHT = 325;
export const plotSize = { width: WINDOW_WIDTH, height: WINDOW_HEIGHT };

export function layoutPlot() {
  const canvas = $('plot');
  const width = Math.max(1, Math.floor(canvas.parentElement.clientWidth));
  plotSize.width = width;
  plotSize.height = Math.round((width * WINDOW_HEIGHT) / WINDOW_WIDTH);
  canvas.style.width = plotSize.width + 'px';
  canvas.style.height = plotSize.height + 'px';
}

// Sets a painted picture's pixels and labels on a canvas.
export function putPicture(canvas, picture, ratio) {
  canvas.width = picture.width;
  canvas.height = picture.height;
  const context = canvas.getContext('2d');
  // The pixels are a view of the core's memory, copied into the canvas here.
  const pixels = picture.pixels;
  const data = new Uint8ClampedArray(pixels.buffer, pixels.byteOffset, pixels.length);
  context.putImageData(new ImageData(data, picture.width, picture.height), 0, 0);
  const font = picture.font;
  context.font = (font.pixelSize * ratio) + 'px "' + font.family + '", sans-serif';
  context.textBaseline = 'alphabetic';
  for (const label of picture.labels) {
    const c = label.colour;
    context.fillStyle = 'rgb(' + (c & 255) + ',' + ((c >> 8) & 255) + ',' + ((c >> 16) & 255) + ')';
    context.fillText(label.text, label.x, label.y + font.ascent * ratio);
  }
}

export function paint() {
  const ratio = window.devicePixelRatio || 1;
  putPicture($('plot'), page.core.paint(plotSize.width, plotSize.height, ratio), ratio);
  // The legend painted on the canvas, in words under it.
  const legend = page.core.legend();
  $('legend').textContent = legend;
  $('legend').hidden = legend === '';
}

function showReadout(event) {
  const rect = $('plot').getBoundingClientRect();
  const x = Math.floor(event.clientX - rect.left);
  const y = Math.floor(event.clientY - rect.top);
  $('readout').textContent = page.core.readout(plotSize.width, plotSize.height, x, y) || '\u00a0';
}

function copyData() {
  const tsv = page.core.dataTsv(plotSize.width, plotSize.height);
  copyText(tsv, () => notice(TEXTS.dataCopied),
    () => download('response.tsv', new Blob([tsv], { type: 'text/tab-separated-values' })));
}

export function wirePlot() {
  const plot = $('plot');
  plot.addEventListener('pointermove', showReadout);
  plot.addEventListener('pointerdown', showReadout);
  plot.addEventListener('pointerleave', () => { $('readout').textContent = '\u00a0'; });
  $('save-svg').addEventListener('click', () =>
    download('response.svg', new Blob([page.core.svg(plotSize.width, plotSize.height)], { type: 'image/svg+xml' })));
  $('save-png').addEventListener('click', () => plot.toBlob((blob) => download('response.png', blob), 'image/png'));
  $('copy-data').addEventListener('click', copyData);

  // The column's width changes with the window, a rotation or the finder
  // beside it: paint again before the next frame shows.
  new ResizeObserver(() => {
    if (Math.floor(plot.parentElement.clientWidth) === plotSize.width) return;
    layoutPlot();
    paint();
  }).observe(plot.parentElement);
  // A zoom or a move to another screen changes the ratio without a resize.
  const watchRatio = () => {
    matchMedia('(resolution: ' + window.devicePixelRatio + 'dppx)').addEventListener('change', () => {
      paint();
      watchRatio();
    }, { once: true });
  };
  watchRatio();
}
