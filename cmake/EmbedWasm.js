// node EmbedWasm.js <module.wasm> <script.js>
// Writes a script that holds the module's code for pages opened from disk,
// which may not fetch the .wasm beside them. Each byte is one character of a
// string (U+0000-U+00FF, the file in UTF-8), escaped only where a string
// literal needs it: this keeps the bytes aligned, so the script packs nearly
// as small as the .wasm itself (base64 would add a quarter).
'use strict';
const fs = require('fs');
const [wasm, script] = process.argv.slice(2);
const ESCAPES = { 0x0a: '\\n', 0x0d: '\\r', 0x22: '\\"', 0x5c: '\\\\' };
let text = '';
for (const byte of fs.readFileSync(wasm)) text += ESCAPES[byte] || String.fromCharCode(byte);
fs.writeFileSync(script, `self.varnholtCoreWasm="${text}";\n`, 'utf8');
