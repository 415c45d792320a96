// node EmbedWasm.js <module.wasm> <script.js>
// Writes a script that holds the module's code as a data: URL, for pages
// opened from disk, which may not fetch the .wasm beside them.
'use strict';
const fs = require('fs');
const [wasm, script] = process.argv.slice(2);
const url = 'data:application/wasm;base64,' + fs.readFileSync(wasm).toString('base64');
fs.writeFileSync(script, `self.varnholtCoreWasm=${JSON.stringify(url)};\n`);
