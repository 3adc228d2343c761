'use strict';
// Writes the window's design as the module hands it over (captions, controls, places, the
// copied boxes) into design.js, so that the page makes its controls before the module is
// loaded and the boxes take input while it compiles.
//   node writedesign.js <quelbor.js> <design.js>
const fs = require('fs');
const path = require('path');

const [moduleFile, output] = process.argv.slice(2);
require(path.resolve(moduleFile))().then((module) => {
  const design = JSON.parse(module.UTF8ToString(module._quelbor_design()));
  fs.writeFileSync(output, "'use strict';\n// The window's design, written by writedesign.js from quelbor.js.\n" +
    `const quelborDesign = ${JSON.stringify(design)};\n`);
}).catch((error) => {
  console.error(`writedesign.js: ${error.message}`);
  process.exitCode = 1;
});
