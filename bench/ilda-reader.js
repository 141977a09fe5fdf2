// The open ILDA reader bench/ilda compares with: parses FILE RUNS times and prints the median
// parse time in milliseconds (the file is read once before, as for our own parse).
// Usage: node bench/ilda-reader.js MODULES_FOLDER FILE RUNS
'use strict';
const fs = require('fs');
const path = require('path');

const [modules, datei, laeufe = '3'] = process.argv.slice(2);
const { fromByteArray } = require(path.join(path.resolve(modules), '@laser-dac/ilda-reader'));
const bytes = new Uint8Array(fs.readFileSync(datei));
const zeiten = [];
let punkte = 0;
for (let i = 0; i < Number(laeufe); ++i) {
    const start = process.hrtime.bigint();
    const abschnitte = fromByteArray(bytes);
    zeiten.push(Number(process.hrtime.bigint() - start) / 1e6);
    punkte = abschnitte.reduce((n, a) => n + a.points.length, 0);
}
zeiten.sort((a, b) => a - b);
console.log(JSON.stringify({ median_ms: zeiten[zeiten.length >> 1], runs: zeiten, points: punkte }));
