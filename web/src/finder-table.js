// The finder's table: rows built a page at a time from the core's texts,
// sorted by the core, one row selected for Apply.
import { $, page } from './dom.js';

const ROWS_PER_PAGE = 200;
let count = 0; // settings in the last ranking
let selected = 0;
const body = () => $('st-table').tBodies[0];

export function selectedIndex() {
  return selected;
}

export function fillTable(settings, target) {
  count = settings;
  document.querySelectorAll('#st-table .distance').forEach((e) => { e.hidden = !target; });
  body().replaceChildren();
  showMoreRows();
  selectRow(0);
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
    cells.forEach((text, c) => {
      const td = document.createElement('td');
      td.textContent = text;
      if (c === cells.length - 1) { td.className = 'distance'; td.hidden = !target; }
      tr.appendChild(td);
    });
    return tr;
  }));
}

function selectRow(index) {
  const rows = body().rows;
  if (index >= rows.length && rows.length < count) showMoreRows();
  if (rows.length === 0) return false;
  selected = Math.max(0, Math.min(index, rows.length - 1));
  Array.from(rows).forEach((tr, i) => tr.setAttribute('aria-selected', i === selected ? 'true' : 'false'));
  return true;
}

// A heading sorts by its column; choosing it again reverses the order. The
// selection stays on the same setting when it is among the rows built.
function sortBy(column) {
  const now = page.core.stageSort();
  page.core.sortStageSettings(column, now.column === column ? !now.descending : false);
  const sort = page.core.stageSort();
  document.querySelectorAll('#st-table thead th').forEach((th, i) => {
    if (i === sort.column) th.setAttribute('aria-sort', sort.descending ? 'descending' : 'ascending');
    else th.removeAttribute('aria-sort');
  });
  const row = body().rows[selected];
  const rank = row ? row.cells[0].textContent : '';
  const built = body().rows.length;
  body().replaceChildren();
  while (body().rows.length < Math.min(built, count)) showMoreRows();
  const again = Array.from(body().rows).findIndex((tr) => tr.cells[0].textContent === rank);
  if (selectRow(Math.max(again, 0))) body().rows[selected].scrollIntoView({ block: 'nearest' });
}

export function wireTable(apply) {
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
  $('st-table').addEventListener('click', (e) => {
    const tr = e.target.closest('tbody tr');
    if (tr) selectRow(Number(tr.dataset.index));
  });
  // Keys on the table's rows; a heading's button keeps its own Enter (sort).
  wrap.addEventListener('keydown', (e) => {
    if (e.target.closest('thead')) return;
    if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      e.preventDefault();
      if (selectRow(selected + (e.key === 'ArrowDown' ? 1 : -1))) {
        body().rows[selected].scrollIntoView({ block: 'nearest' });
      }
    } else if (e.key === 'Enter') {
      e.preventDefault();
      if (body().rows.length) apply();
    }
  });
  $('st-table').addEventListener('dblclick', (e) => { if (e.target.closest('tbody tr')) apply(); });
}
