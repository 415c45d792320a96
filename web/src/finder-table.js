// The finder's table: rows built a page at a time from the core's texts,
// sorted by the core. One row is current (Apply); up to five selected rows
// are drawn over the plot to compare (click, Shift/Ctrl-click, Shift+arrows,
// and on touch a tap toggles).
import { $, page } from './dom.js';

const ROWS_PER_PAGE = 200;
const MAX_COMPARED = 5;
let count = 0; // settings in the last ranking
let current = 0;
let anchor = 0;
let selected = new Set();
let repaint = () => {};
const body = () => $('st-table').tBodies[0];

export function selectedIndex() {
  return current;
}

export function fillTable(settings, target) {
  count = settings;
  document.querySelectorAll('#st-table .distance').forEach((e) => { e.hidden = !target; });
  body().replaceChildren();
  showMoreRows();
  select(0, 'only');
  $('st-apply').disabled = body().rows.length === 0;
}

// Every setting can be reached, but rows are built a page at a time, as the
// table is scrolled or the selection moves past the last one built.
function showMoreRows() {
  const first = body().rows.length;
  const target = $('st-target').checked;
  const rows = page.core.stageRows(first, Math.min(count - first, ROWS_PER_PAGE));
  body().append(...rows.map((cells, i) => {
    const tr = document.createElement('tr');
    tr.dataset.index = String(first + i);
    tr.setAttribute('aria-selected', 'false');
    cells.forEach((text, c) => {
      const td = document.createElement('td');
      td.textContent = text;
      if (c === cells.length - 1) { td.className = 'distance'; td.hidden = !target; }
      tr.appendChild(td);
    });
    return tr;
  }));
}

// how: 'only' (a click), 'toggle' (Ctrl-click, a tap), 'range' (Shift).
function select(index, how) {
  const rows = body().rows;
  while (index >= rows.length && rows.length < count) showMoreRows();
  if (rows.length === 0) {
    selected = new Set();
    compare();
    return false;
  }
  current = Math.max(0, Math.min(index, rows.length - 1));
  if (how === 'range') {
    selected = new Set();
    for (let i = Math.min(anchor, current); i <= Math.max(anchor, current); ++i) selected.add(i);
  } else if (how === 'toggle') {
    if (selected.has(current) && selected.size > 1) selected.delete(current);
    else selected.add(current);
    anchor = current;
  } else {
    selected = new Set([current]);
    anchor = current;
  }
  for (const tr of rows) tr.setAttribute('aria-selected', String(selected.has(Number(tr.dataset.index))));
  compare();
  return true;
}

// More than one row selected: their curves over the plot.
function compare() {
  const rows = selected.size > 1 ? Array.from(selected).sort((a, b) => a - b).slice(0, MAX_COMPARED) : [];
  page.core.compareStageSettings(rows);
  repaint();
}

export function stopComparing() {
  page.core.compareStageSettings([]);
  repaint();
}

// A heading sorts by its column; choosing it again reverses the order. The
// current row stays on the same setting when it is among the rows built.
function sortBy(column) {
  const now = page.core.stageSort();
  page.core.sortStageSettings(column, now.column === column ? !now.descending : false);
  const sort = page.core.stageSort();
  document.querySelectorAll('#st-table thead th').forEach((th, i) => {
    if (i === sort.column) th.setAttribute('aria-sort', sort.descending ? 'descending' : 'ascending');
    else th.removeAttribute('aria-sort');
  });
  const row = body().rows[current];
  const rank = row ? row.cells[0].textContent : '';
  const built = body().rows.length;
  body().replaceChildren();
  while (body().rows.length < Math.min(built, count)) showMoreRows();
  const again = Array.from(body().rows).findIndex((tr) => tr.cells[0].textContent === rank);
  if (select(Math.max(again, 0), 'only')) body().rows[current].scrollIntoView({ block: 'nearest' });
}

export function wireTable(apply, paint) {
  repaint = paint;
  $('st-all-columns').addEventListener('click', (e) => {
    const all = $('stage').classList.toggle('all-columns');
    e.currentTarget.setAttribute('aria-pressed', String(all));
  });
  const wrap = $('st-table').parentElement;
  wrap.addEventListener('scroll', () => {
    const nearEnd = wrap.scrollTop + wrap.clientHeight >= wrap.scrollHeight - wrap.clientHeight;
    if (nearEnd && body().rows.length < count) showMoreRows();
  });
  document.querySelectorAll('#st-table thead button').forEach((button) => {
    button.addEventListener('click', () => sortBy(Number(button.dataset.column)));
  });
  let touch = false;
  $('st-table').addEventListener('pointerdown', (e) => { touch = e.pointerType === 'touch'; });
  $('st-table').addEventListener('click', (e) => {
    const tr = e.target.closest('tbody tr');
    if (!tr) return;
    const how = e.shiftKey ? 'range' : e.ctrlKey || e.metaKey || touch ? 'toggle' : 'only';
    select(Number(tr.dataset.index), how);
  });
  // Keys on the table's rows; a heading's button keeps its own Enter (sort).
  wrap.addEventListener('keydown', (e) => {
    if (e.target.closest('thead')) return;
    if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      e.preventDefault();
      if (select(current + (e.key === 'ArrowDown' ? 1 : -1), e.shiftKey ? 'range' : 'only')) {
        body().rows[current].scrollIntoView({ block: 'nearest' });
      }
    } else if (e.key === 'Enter') {
      e.preventDefault();
      if (body().rows.length) apply();
    }
  });
  // Two quick taps toggle a row twice; Chromium then also reports a dblclick,
  // which must not apply the row as a mouse's double-click does.
  $('st-table').addEventListener('dblclick', (e) => { if (!touch && e.target.closest('tbody tr')) apply(); });
}
