// The page moves texts between its controls and the core (varnholt-core.js);
// every figure, field text, message and pixel comes from the core.
import { $, page, timings } from './dom.js';
import { wireMessages } from './messages.js';
import { layoutPlot, wirePlot } from './plot.js';
import { restorePresets, wirePresets } from './presets.js';
import { openStage, restoreStage, wireFinder } from './finder.js';
import { readLink, reportLink, wireLink } from './link.js';
import { registerWorker } from './install.js';
import { loadCore } from './load.js';
import { wireMap } from './map.js';
import { wireTransformer } from './transformer.js';
import { sync, wireWindow } from './window.js';

function wireHelp() {
  // The page's guide beside the page; F1 opens it too, as in the window.
  const help = () => window.open('guide/page.htm', '_blank', 'noopener');
  $('help').addEventListener('click', help);
  document.addEventListener('keydown', (e) => {
    if (e.key === 'F1') { e.preventDefault(); help(); }
  });
}

function start(core) {
  timings.coreAt = performance.now();
  page.core = core;
  // Opens with an answer: the starting values calculated, before anything
  // else is set up. Starting values that cannot be read leave F and Q empty
  // without a box.
  layoutPlot();
  if (!restorePresets()) core.run('Reset');
  const link = readLink(location.hash.replace(/^#/, ''));
  for (const [index, text] of Object.entries(link.fields)) core.setField(Number(index), text);
  core.run('Calculate');
  core.takeMessages();
  sync();

  $('version').textContent = core.version();
  wireMessages();
  wireWindow();
  wirePlot();
  wirePresets();
  wireFinder();
  wireHelp();
  wireLink();
  wireMap();
  wireTransformer();
  restoreStage(link.stage);
  if (link.stage) openStage();
  reportLink(link.problems);
  // A link pasted into the address bar of the open page.
  window.addEventListener('hashchange', () => location.reload());
  registerWorker();
  $('window').setAttribute('aria-busy', 'false');
  timings.readyMs = performance.now();
  document.documentElement.dataset.ready = 'true';
}

loadCore().then(start);
