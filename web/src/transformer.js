// Step-Up Transformer: the window's cartridge and load through a transformer.
// The core works out and words every figure and draws the chain's curve over
// the plot while the panel is open; the page only moves texts.
import { $, page } from './dom.js';
import { paint } from './plot.js';
import { store, recall, STORE_TRANSFORMER } from './storage.js';
import { onSync } from './window.js';

const KEYS = ['ratio', 'Rp', 'Rs2', 'C1', 'Rsec', 'rated', 'wanted'];
let solvedRsec = '';

function texts() {
  const t = {};
  for (const key of KEYS) t[key] = $('tr-' + key).value;
  return t;
}

function showRows(table, rows) {
  table.replaceChildren(...rows.map(([label, value]) => {
    const tr = document.createElement('tr');
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = label;
    const td = document.createElement('td');
    td.textContent = value;
    tr.append(th, td);
    return tr;
  }));
}

export function updateTransformer() {
  if ($('transformer').hidden) return;
  const panel = page.core.transformerPanel(texts());
  $('tr-problem').textContent = panel.problem;
  $('tr-problem').hidden = panel.problem === '';
  showRows($('tr-figures'), panel.rows);
  store(STORE_TRANSFORMER, JSON.stringify(texts()));
  paint();
}

function solve() {
  const solved = page.core.solveSecondaryResistor(texts(), $('tr-wanted').value);
  $('tr-solve-problem').textContent = solved.problem;
  $('tr-solve-problem').hidden = solved.problem === '';
  showRows($('tr-solution'), solved.rows);
  solvedRsec = solved.rsec;
  $('tr-use').disabled = solvedRsec === '';
  store(STORE_TRANSFORMER, JSON.stringify(texts()));
}

export function openTransformer() {
  $('transformer').hidden = false;
  $('step-up').setAttribute('aria-expanded', 'true');
  updateTransformer();
  $('tr-ratio').focus();
}

function closeTransformer() {
  $('transformer').hidden = true;
  $('step-up').setAttribute('aria-expanded', 'false');
  page.core.closeTransformerPanel();
  paint();
  $('step-up').focus();
}

export function wireTransformer() {
  let stored = {};
  try {
    stored = JSON.parse(recall(STORE_TRANSFORMER) || '{}') || {};
  } catch (e) {
    stored = {};
  }
  for (const key of KEYS) {
    const input = $('tr-' + key);
    if (typeof stored[key] === 'string') input.value = stored[key];
    if (key !== 'wanted') input.addEventListener('input', updateTransformer);
  }
  if ($('tr-ratio').value === '') $('tr-ratio').value = '10';
  $('step-up').addEventListener('click', () => ($('transformer').hidden ? openTransformer() : closeTransformer()));
  $('tr-solve').addEventListener('click', solve);
  $('tr-wanted').addEventListener('keydown', (e) => { if (e.key === 'Enter') solve(); });
  $('tr-use').addEventListener('click', () => {
    $('tr-Rsec').value = solvedRsec;
    updateTransformer();
  });
  $('tr-close').addEventListener('click', closeTransformer);
  $('transformer').addEventListener('keydown', (e) => { if (e.key === 'Escape') closeTransformer(); });
  // The window's cartridge and load after each command.
  onSync(updateTransformer);
}
