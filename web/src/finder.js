// Find Stage Settings: the inputs, their ranking by the core, and what is
// remembered of them. The table is in finder-table.js.
import { $, page, timings } from './dom.js';
import { showMessages } from './messages.js';
import { STORE_STAGE, store, recall } from './storage.js';
import { sync, takeMessages } from './window.js';
import { fillTable, selectedIndex, stopComparing, wireTable } from './finder-table.js';
import { paint } from './plot.js';

const RANK_PAUSE_MS = 50; // ranking waits for typing to pause this long
const inputs = () => Array.from(document.querySelectorAll('#stage [data-key]'));
let rankTimer = 0;

export function stageQuery() {
  const query = {};
  for (const input of inputs()) query[input.dataset.key] = input.value;
  query.rankBy = $('st-target').checked ? 'target' : 'flatness';
  return query;
}

export function rank() {
  clearTimeout(rankTimer);
  rankTimer = 0;
  delete $('stage').dataset.pending;
  const query = stageQuery();
  const target = query.rankBy === 'target';
  $('st-targetF').disabled = !target;
  $('st-targetQ').disabled = !target;
  const t0 = performance.now();
  const result = page.core.findStageSettings(query);
  timings.rankMs = performance.now() - t0;
  timings.rankCount = result.count;
  for (const input of inputs()) {
    const fault = result.error !== '' && result.input === input.dataset.key;
    input.classList.toggle('fault', fault);
    if (fault) input.setAttribute('aria-invalid', 'true');
    else input.removeAttribute('aria-invalid');
  }
  $('st-problem').hidden = result.error === '';
  $('st-problem').textContent = result.error;
  $('st-count').textContent = result.countText;
  fillTable(result.error ? 0 : result.count, target);
  $('map-panel').hidden = true;
  timings.rankShownAt = performance.now();
}

// Typing never waits for a ranking: it runs once the typing pauses.
function rankSoon() {
  clearTimeout(rankTimer);
  rankTimer = setTimeout(rank, RANK_PAUSE_MS);
  $('stage').dataset.pending = 'true';
}

export function stageOpen() {
  return !$('stage').hidden;
}

export function openStage() {
  const s = page.core.state();
  $('st-L').value = s.fields[0];
  $('st-RS').value = s.fields[1];
  const wanted = page.core.stageWanted();
  if (wanted) {
    $('st-targetF').value = wanted.F;
    $('st-targetQ').value = wanted.Q;
  }
  $('stage').hidden = false;
  $('find-settings').setAttribute('aria-expanded', 'true');
  rank();
  $('st-L').focus();
}

export function closeStage() {
  if (rankTimer) rank();
  saveStage();
  stopComparing();
  $('map-panel').hidden = true;
  $('stage').hidden = true;
  $('find-settings').setAttribute('aria-expanded', 'false');
  $('find-settings').focus();
}

function saveStage() {
  const query = stageQuery();
  delete query.L;
  delete query.RS;
  store(STORE_STAGE, JSON.stringify(query));
}

// The inputs as stored, or the core's defaults; `given` (from a link) last.
export function restoreStage(given) {
  const saved = page.core.stageDefaults();
  try {
    const stored = JSON.parse(recall(STORE_STAGE) || '{}');
    for (const key of Object.keys(saved)) if (typeof stored[key] === 'string') saved[key] = stored[key];
  } catch (e) { /* a stored value that cannot be read is ignored */ }
  Object.assign(saved, given || {});
  for (const input of inputs()) {
    if (typeof saved[input.dataset.key] === 'string') input.value = saved[input.dataset.key];
  }
  $(saved.rankBy === 'target' ? 'st-target' : 'st-flat').checked = true;
}

function apply() {
  if (page.core.applyStageSetting(selectedIndex())) {
    saveStage();
    sync();
  }
  showMessages(takeMessages());
}

export function wireFinder() {
  $('find-settings').addEventListener('click', () => (stageOpen() ? closeStage() : openStage()));
  $('st-close').addEventListener('click', closeStage);
  for (const input of inputs()) input.addEventListener(input.tagName === 'SELECT' ? 'change' : 'input', rankSoon);
  for (const radio of document.querySelectorAll('#stage input[type=radio]')) radio.addEventListener('change', rank);
  $('st-apply').addEventListener('click', apply);
  $('stage').addEventListener('keydown', (e) => { if (e.key === 'Escape') closeStage(); });
  wireTable(apply, paint);
}
