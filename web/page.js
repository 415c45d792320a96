// The page moves texts between its controls and the core (varnholt-core.js);
// every figure, field text, message and pixel comes from the core.
'use strict';

(function () {
  const FIELDS = ['L', 'RS', 'C', 'RL', 'F', 'Q'];
  const PLOT_WIDTH = 352; // the window's plot, in CSS pixels
  const PLOT_HEIGHT = 325;
  const STORE_PRESETS = 'varnholt.presets';
  const STORE_STAGE = 'varnholt.stageSettings';
  const MAX_PRESET_BYTES = 10 * 1024 * 1024;
  const ROWS_PER_PAGE = 200;

  const $ = (id) => document.getElementById(id);
  const timings = (window.varnholtTimings = {});
  let core = null;
  let plotSize = { width: PLOT_WIDTH, height: PLOT_HEIGHT };
  let selectedRow = 0;
  let stageCount = 0;  // settings in the last ranking
  let sortColumn = -1;  // the ranking's order until a heading is chosen
  let sortDescending = false;
  let storageWarned = false;

  // Local storage may be missing, refused or full; the page then works
  // without remembering and says so once.
  function store(key, value) {
    try {
      if (value === null) window.localStorage.removeItem(key);
      else window.localStorage.setItem(key, value);
      return true;
    } catch (e) {
      if (!storageWarned) {
        storageWarned = true;
        $('notice').textContent = 'This browser does not let the page remember your preset file and settings; ' +
          'they last until the page is closed.';
      }
      return false;
    }
  }

  function recall(key) {
    try {
      return window.localStorage.getItem(key);
    } catch (e) {
      return null;
    }
  }

  // Bytes kept in storage as one character per byte.
  function bytesToString(bytes) {
    let text = '';
    for (let i = 0; i < bytes.length; i += 8192) text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
    return text;
  }

  function stringToBytes(text) {
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i) & 0xff;
    return bytes;
  }

  // ---- message boxes: one at a time, modal, focus back where it was ----
  const queue = [];
  let returnFocus = null;

  function showMessages(messages) {
    for (const m of messages) queue.push(m);
    if (!$('message').open) nextMessage();
  }

  function nextMessage() {
    const m = queue.shift();
    if (!m) {
      if (returnFocus && document.contains(returnFocus)) returnFocus.focus();
      returnFocus = null;
      return;
    }
    if (!returnFocus) returnFocus = document.activeElement;
    $('message-caption').textContent = m.caption;
    $('message-text').textContent = m.text;
    $('message').showModal();
    $('message-ok').focus();
  }

  function closeMessage() {
    $('message').close();
    nextMessage();
  }

  // ---- the window ----
  function sync() {
    const s = core.state();
    FIELDS.forEach((f, i) => {
      const input = $('field-' + f);
      if (input.value !== s.fields[i]) input.value = s.fields[i];
    });
    const select = $('name');
    const names = s.names;
    if (select.options.length !== names.length || names.some((n, i) => select.options[i].text !== n)) {
      select.replaceChildren(...names.map((n, i) => new Option(n, String(i))));
    }
    select.selectedIndex = s.selected;
    $('hint').textContent = s.hint;
    $('description').textContent = s.description;
    $('sample-presets').disabled = !s.userPresets;
    paint();
  }

  function run(command) {
    core.run(command);
    sync();
    showMessages(core.takeMessages());
  }

  function readFields() {
    FIELDS.forEach((f, i) => core.setField(i, $('field-' + f).value));
  }

  // ---- the plot ----
  function layoutPlot() {
    const canvas = $('plot');
    const available = canvas.parentElement.clientWidth;
    plotSize = { width: Math.max(1, Math.min(PLOT_WIDTH, Math.floor(available))), height: PLOT_HEIGHT };
    canvas.style.width = plotSize.width + 'px';
    canvas.style.height = plotSize.height + 'px';
  }

  function paint() {
    const canvas = $('plot');
    const ratio = window.devicePixelRatio || 1;
    const picture = core.paint(plotSize.width, plotSize.height, ratio);
    canvas.width = picture.width;
    canvas.height = picture.height;
    const context = canvas.getContext('2d');
    context.putImageData(new ImageData(new Uint8ClampedArray(picture.pixels.buffer), picture.width, picture.height), 0, 0);
    // The labels' glyphs over the cells the paint left for them.
    const font = picture.font;
    context.font = (font.pixelSize * ratio) + 'px "' + font.family + '", sans-serif';
    context.textBaseline = 'alphabetic';
    for (const label of picture.labels) {
      const c = label.colour;
      context.fillStyle = 'rgb(' + (c & 255) + ',' + ((c >> 8) & 255) + ',' + ((c >> 16) & 255) + ')';
      context.fillText(label.text, label.x, label.y + font.ascent * ratio);
    }
  }

  function showReadout(event) {
    const rect = $('plot').getBoundingClientRect();
    const x = Math.floor(event.clientX - rect.left);
    const y = Math.floor(event.clientY - rect.top);
    $('readout').textContent = core.readout(plotSize.width, plotSize.height, x, y) || '\u00a0';
  }

  function download(name, blob) {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(blob);
    a.download = name;
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 1000);
  }

  function copyData() {
    const tsv = core.dataTsv(plotSize.width, plotSize.height);
    const fallback = () => download('response.tsv', new Blob([tsv], { type: 'text/tab-separated-values' }));
    if (navigator.clipboard && navigator.clipboard.writeText) {
      navigator.clipboard.writeText(tsv).then(() => { $('notice').textContent = 'The data is on the clipboard.'; }, fallback);
    } else {
      fallback();
    }
  }

  // ---- presets ----
  function openPresetFile(file) {
    if (file.size > MAX_PRESET_BYTES) {
      showMessages([{ caption: 'Varnholt', text: 'This file is larger than 10 MB and cannot be a preset file.' }]);
      return;
    }
    file.arrayBuffer().then((buffer) => {
      const bytes = new Uint8Array(buffer);
      const failure = core.openPresetFile(bytes);
      if (failure) {
        showMessages([{ caption: 'Varnholt', text: failure }]);
        return;
      }
      store(STORE_PRESETS, bytesToString(bytes));
      sync();
    }, () => showMessages([{ caption: 'Varnholt', text: 'The file could not be read.' }]));
  }

  // ---- Find Stage Settings ----
  const stageInputs = () => Array.from(document.querySelectorAll('#stage [data-key]'));

  function stageQuery() {
    const query = {};
    for (const input of stageInputs()) query[input.dataset.key] = input.value;
    query.rankBy = $('st-target').checked ? 'target' : 'flatness';
    return query;
  }

  const STAGE_FIELDS = [null, 'L', 'RS', 'cable', 'cBase', 'cList', 'rBase', 'rList', 'bandEdge', 'targetF', 'targetQ',
    null];  // the last: the window's RL

  function rank() {
    const query = stageQuery();
    const target = query.rankBy === 'target';
    $('st-targetF').disabled = !target;
    $('st-targetQ').disabled = !target;
    const t0 = performance.now();
    const result = core.findStageSettings(query);
    timings.rankMs = performance.now() - t0;
    timings.rankCount = result.count;
    for (const input of stageInputs()) {
      const fault = STAGE_FIELDS[result.input] === input.dataset.key && result.error !== '';
      input.classList.toggle('fault', fault);
      if (fault) input.setAttribute('aria-invalid', 'true');
      else input.removeAttribute('aria-invalid');
    }
    $('st-problem').hidden = result.error === '';
    $('st-problem').textContent = result.error;
    $('st-count').textContent = result.error ? '' : result.count + (result.count === 1 ? ' setting' : ' settings');
    document.querySelectorAll('#st-table .distance').forEach((e) => { e.hidden = !target; });
    stageCount = result.error ? 0 : result.count;
    $('st-table').tBodies[0].replaceChildren();
    const rows = showMoreRows();
    selectRow(0);
    $('st-apply').disabled = rows === 0;
  }

  // Every setting can be reached, but rows are built a page at a time, as the
  // table is scrolled or the selection moves past the last one built.
  function showMoreRows() {
    const body = $('st-table').tBodies[0];
    const first = body.rows.length;
    const target = $('st-target').checked;
    const rows = core.stageRows(first, Math.min(stageCount - first, ROWS_PER_PAGE));
    body.append(...rows.map((cells, i) => {
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
    return body.rows.length;
  }

  // A heading sorts by its column; choosing it again reverses the order. The
  // selection stays on the same setting when it is among the rows built.
  function sortBy(column) {
    sortDescending = column === sortColumn ? !sortDescending : false;
    sortColumn = column;
    core.sortStageSettings(sortColumn, sortDescending);
    document.querySelectorAll('#st-table thead th').forEach((th, i) => {
      if (i === sortColumn) th.setAttribute('aria-sort', sortDescending ? 'descending' : 'ascending');
      else th.removeAttribute('aria-sort');
    });
    const body = $('st-table').tBodies[0];
    const selected = body.rows[selectedRow];
    const rank = selected ? selected.cells[0].textContent : '';
    const built = body.rows.length;
    body.replaceChildren();
    while (body.rows.length < Math.min(built, stageCount)) showMoreRows();
    const again = Array.from(body.rows).findIndex((tr) => tr.cells[0].textContent === rank);
    selectRow(Math.max(again, 0));
    if (body.rows.length) body.rows[selectedRow].scrollIntoView({ block: 'nearest' });
  }

  function selectRow(index) {
    const rows = $('st-table').tBodies[0].rows;
    if (index >= rows.length && rows.length < stageCount) showMoreRows();
    if (rows.length === 0) return;
    selectedRow = Math.max(0, Math.min(index, rows.length - 1));
    Array.from(rows).forEach((tr, i) => tr.setAttribute('aria-selected', i === selectedRow ? 'true' : 'false'));
  }

  function openStage() {
    const stage = $('stage');
    const s = core.state();
    $('st-L').value = s.fields[0];
    $('st-RS').value = s.fields[1];
    if (s.fields[4].trim() !== '' && s.fields[5].trim() !== '') {
      $('st-targetF').value = s.fields[4].trim();
      $('st-targetQ').value = s.fields[5].trim();
    }
    stage.hidden = false;
    $('find-settings').setAttribute('aria-expanded', 'true');
    rank();
    $('st-L').focus();
  }

  function closeStage() {
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

  function restoreStage() {
    // A usual moving-magnet input until the user's own stage is stored.
    let saved = { cable: '100p', rBase: '', bandEdge: '20k' };
    try {
      const text = recall(STORE_STAGE);
      if (text) saved = Object.assign(saved, JSON.parse(text));
    } catch (e) { /* a stored value that cannot be read is ignored */ }
    for (const input of stageInputs()) {
      if (typeof saved[input.dataset.key] === 'string') input.value = saved[input.dataset.key];
    }
    $(saved.rankBy === 'target' ? 'st-target' : 'st-flat').checked = true;
  }

  // ---- wiring ----
  function wire() {
    FIELDS.forEach((f, i) => {
      const input = $('field-' + f);
      input.addEventListener('input', () => {
        core.setField(i, input.value);
        $('hint').textContent = core.state().hint;
      });
      input.addEventListener('keydown', (e) => {
        if (e.key === 'Enter' && !e.isComposing) {
          e.preventDefault();
          readFields();
          run('Calculate');
        }
      });
    });
    document.querySelectorAll('[data-command]').forEach((button) => {
      button.addEventListener('click', () => {
        readFields();
        const t0 = performance.now();
        run(button.dataset.command);
        timings.lastCommandMs = performance.now() - t0;
      });
    });
    $('name').addEventListener('change', () => {
      core.chooseName($('name').selectedIndex);
      sync();
    });
    $('message-ok').addEventListener('click', closeMessage);
    $('message').addEventListener('cancel', (e) => { e.preventDefault(); closeMessage(); });
    $('message').addEventListener('keydown', (e) => {
      if (e.key === 'Enter') { e.preventDefault(); closeMessage(); }
    });
    $('about').addEventListener('click', () => {
      returnFocus = document.activeElement;
      $('about-box').showModal();
      $('about-ok').focus();
    });
    const closeAbout = () => {
      $('about-box').close();
      if (returnFocus) returnFocus.focus();
      returnFocus = null;
    };
    $('about-ok').addEventListener('click', closeAbout);
    $('about-box').addEventListener('cancel', (e) => { e.preventDefault(); closeAbout(); });
    $('about-box').addEventListener('keydown', (e) => {
      if (e.key === 'Enter') { e.preventDefault(); closeAbout(); }
    });

    // The user guide beside the page; F1 opens it too, as in the window.
    const help = () => window.open('guide/varnholt.htm', '_blank', 'noopener');
    $('help').addEventListener('click', help);
    document.addEventListener('keydown', (e) => {
      if (e.key === 'F1') { e.preventDefault(); help(); }
    });

    const plot = $('plot');
    plot.addEventListener('pointermove', showReadout);
    plot.addEventListener('pointerdown', showReadout);
    plot.addEventListener('pointerleave', () => { $('readout').textContent = '\u00a0'; });

    $('save-svg').addEventListener('click', () =>
      download('response.svg', new Blob([core.svg(plotSize.width, plotSize.height)], { type: 'image/svg+xml' })));
    $('save-png').addEventListener('click', () => plot.toBlob((blob) => download('response.png', blob), 'image/png'));
    $('copy-data').addEventListener('click', copyData);

    $('open-presets').addEventListener('click', () => $('preset-file').click());
    $('preset-file').addEventListener('change', () => {
      const file = $('preset-file').files[0];
      if (file) openPresetFile(file);
      $('preset-file').value = '';
    });
    $('sample-presets').addEventListener('click', () => {
      store(STORE_PRESETS, null);
      core.useSamplePresets();
      sync();
    });
    document.addEventListener('dragover', (e) => { e.preventDefault(); });
    document.addEventListener('drop', (e) => {
      e.preventDefault();
      const file = e.dataTransfer && e.dataTransfer.files[0];
      if (file) openPresetFile(file);
    });

    $('find-settings').addEventListener('click', () => ($('stage').hidden ? openStage() : closeStage()));
    $('st-close').addEventListener('click', closeStage);
    for (const input of stageInputs()) input.addEventListener('input', rank);
    for (const radio of document.querySelectorAll('#stage input[type=radio]')) radio.addEventListener('change', rank);
    $('st-table').parentElement.addEventListener('scroll', (e) => {
      const wrap = e.currentTarget;
      const nearEnd = wrap.scrollTop + wrap.clientHeight >= wrap.scrollHeight - wrap.clientHeight;
      if (nearEnd && $('st-table').tBodies[0].rows.length < stageCount) showMoreRows();
    });
    document.querySelectorAll('#st-table thead button').forEach((button) => {
      button.addEventListener('click', () => sortBy(Number(button.dataset.column)));
    });
    $('st-table').addEventListener('click', (e) => {
      const tr = e.target.closest('tbody tr');
      if (tr) selectRow(Number(tr.dataset.index));
    });
    $('st-table').parentElement.addEventListener('keydown', (e) => {
      if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
        e.preventDefault();
        selectRow(selectedRow + (e.key === 'ArrowDown' ? 1 : -1));
        $('st-table').tBodies[0].rows[selectedRow].scrollIntoView({ block: 'nearest' });
      } else if (e.key === 'Enter') {
        e.preventDefault();
        $('st-apply').click();
      }
    });
    $('st-table').addEventListener('dblclick', () => $('st-apply').click());
    $('st-apply').addEventListener('click', () => {
      if (core.applyStageSetting(selectedRow)) {
        saveStage();
        sync();
      }
      showMessages(core.takeMessages());
    });
    $('stage').addEventListener('keydown', (e) => { if (e.key === 'Escape') closeStage(); });

    window.addEventListener('resize', () => { layoutPlot(); paint(); });
    // A zoom or a move to another screen changes the ratio without a resize.
    const watchRatio = () => {
      matchMedia('(resolution: ' + window.devicePixelRatio + 'dppx)').addEventListener('change', () => {
        paint();
        watchRatio();
      }, { once: true });
    };
    watchRatio();
  }

  function start(module) {
    core = module;
    $('version').textContent = core.version();
    wire();
    restoreStage();
    layoutPlot();
    const stored = recall(STORE_PRESETS);
    if (stored === null || core.openPresetFile(stringToBytes(stored)) !== '') core.run('Reset');
    sync();
    $('window').setAttribute('aria-busy', 'false');
    timings.readyMs = performance.now();
    document.documentElement.dataset.ready = 'true';
  }

  window.VarnholtCore().then(start);
})();
