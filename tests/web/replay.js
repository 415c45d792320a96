// The page's cases through the WebAssembly module, compared with what the
// native build gives for them (web_expected): every field text, message,
// figure and double to the bit, and the plot's pixels, labels and exports.
// usage: node replay.js varnholt-core.js web_expected cases.json sample-presets
'use strict';
const assert = require('assert');
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');

const [modulePath, helper, casesPath, samplePath] = process.argv.slice(2);

function bits(value) {
  const view = new DataView(new ArrayBuffer(8));
  view.setFloat64(0, value);
  return view.getBigUint64(0).toString(16).padStart(16, '0');
}

function hash(bytes) {
  let h = 2166136261;
  for (const b of bytes) h = Math.imul(h ^ b, 16777619) >>> 0;
  return bits(h);
}

const utf8 = (text) => new TextEncoder().encode(text);

function state(core) {
  const s = core.state();
  const c = core.circuit();
  return {
    fields: s.fields,
    names: s.names,
    selected: s.selected,
    hint: s.hint,
    messages: core.takeMessages(),
    curve: [bits(s.curveF), bits(s.curveQ), s.curveCurrent],
    circuit: [c.L, c.RS, c.C, c.RL, c.F, c.Q].map(bits),
    description: s.description,
  };
}

// A picture: its size, pixels and labels.
function painted(p) {
  const labels = p.labels.map((l) => [l.x, l.y, l.text, l.colour]);
  return { size: [p.width, p.height], pixels: hash(p.pixels), labels };
}

function plot(core, w, h, ratio) {
  const points = [[0, 0], [100, 50], [175, 162], [w - 1, h - 1], [Math.trunc(w / 3), Math.trunc(h / 4)]];
  return {
    ...painted(core.paint(w, h, ratio)),
    readouts: points.map(([x, y]) => core.readout(w, h, x, y)),
    tsv: hash(utf8(core.dataTsv(w, h))),
    svg: hash(utf8(core.svg(w, h))),
  };
}

async function main() {
  const expected = JSON.parse(execFileSync(helper, [casesPath, samplePath], { maxBuffer: 1 << 26 }));
  const code = fs.readFileSync(modulePath.replace(/\.js$/, '.wasm'));
  const core = await require(path.resolve(modulePath))({
    instantiateWasm: (imports, done) => {
      WebAssembly.instantiate(code, imports).then((result) => done(result.instance));
      return {};
    },
  });
  const steps = JSON.parse(fs.readFileSync(casesPath, 'utf8')).steps;
  assert.strictEqual(steps.length, expected.length);
  let failures = 0;
  steps.forEach((step, i) => {
    const result = {};
    if (step.type) step.type.forEach((text, f) => core.setField(f, text));
    if (step.fields) step.fields.forEach((text, f) => core.setField(f, text));
    if ('open' in step) result.open = core.openPresetFile(utf8(step.open));
    if (step.samples) core.useSamplePresets();
    if ('choose' in step) core.chooseName(step.choose);
    if (step.run) core.run(step.run);
    if (step.stage) {
      const [column, descending] = step.sort || [-1, false];
      core.sortStageSettings(column, descending);
      const r = core.findStageSettings(step.stage);
      result.stage = { error: r.error, input: r.input, count: r.count, rows: core.stageRows(0, 5) };
      result.applied = core.applyStageSetting(step.apply);
    }
    if (step.transformer) {
      result.transformer = core.transformerPanel(step.transformer);
      if ('wanted' in step) result.solved = core.solveSecondaryResistor(step.transformer, step.wanted);
    }
    if (step.plot) result.plot = step.plot.map(([w, h, ratio]) => plot(core, w, h, ratio));
    if (step.map) {
      core.makeLoadMap();
      result.map = step.map.map(([w, h, ratio]) => ({
        ...painted(core.paintMap(w, h, ratio)),
        readout: core.mapReadout(w, h, Math.trunc(w / 2), Math.trunc(h / 2)),
        svg: hash(utf8(core.mapSvg(w, h))),
      }));
    }
    if (step.closeTransformer) core.closeTransformerPanel();
    result.state = state(core);
    try {
      assert.deepStrictEqual(result, expected[i].result);
      console.log('ok ' + (i + 1) + ' ' + step.name);
    } catch (e) {
      failures += 1;
      console.log('not ok ' + (i + 1) + ' ' + step.name + '\n' + e.message);
    }
  });
  console.log(failures === 0 ? 'all ' + steps.length + ' cases agree' : failures + ' cases differ');
  process.exit(failures === 0 ? 0 : 1);
}

main().catch((e) => {
  console.error(e);
  process.exit(1);
});
