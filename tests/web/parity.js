'use strict';
// Bulk parity of the two builds without a browser: the WebAssembly build of the page's sources
// (quelbor-parity.js beside the page, with quelbor-calc's report) under node and the native
// quelbor-calc compute the same generated input sets, and their JSON reports
// (every model value, the result texts, psiMarks, the labels, every chart operation and the
// error) must be the same values. Parsed values are compared, not bytes, so the layout of the
// JSON may change. On a processor with FMA, glibc runs pow, exp and log in variants that use
// it, whose last bit can differ from the same functions without FMA; WebAssembly has no FMA,
// so quelbor-calc runs here with glibc's plain variants, which the module's C library shares.
//   node tests/web/parity.js <page dir> <quelbor-calc> [count]
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { execFile } = require('node:child_process');
const { promisify } = require('node:util');

const [pageDir, calc, countText = '2000'] = process.argv.slice(2);
const count = Number(countText);
const names = ['rhoSE', 'Xanf', 'Xmess', 'ksiSE', 'kappaMess', 'thetaMess', 'KappaSteig'];
const defaults = ['1850', '0,25', '0,185', '6,2', '45', '20,5', '7'];

// A small deterministic generator, so a failure comes back on the next run.
function generator(seed) {
  let state = seed >>> 0;
  return () => {
    state = (Math.imul(state, 1664525) + 1013904223) >>> 0;
    return state / 2 ** 32;
  };
}

const random = generator(20260529);
const pick = (list) => list[Math.floor(random() * list.length)];
const odd = ['', '0', '-0', '1', '-1', '0,6', '1e400', '-1e400', '1e-400', '1e38', '3,4e38',
  'abc', ' 7 ', '1.5', '1,5e3', '100', '0,0001', '-25', '25', '1,2,3', '+5', '6...10', 'ä'];

// Plausible laboratory values around the defaults, written with a comma or a point, and now
// and then a text from the edges of what the inputs accept.
function generatedTexts() {
  return defaults.map((text) => {
    const choice = random();
    if (choice < 0.15) return text;
    if (choice < 0.3) return pick(odd);
    const base = Number(text.replace(',', '.'));
    const value = base * (0.2 + 2.5 * random());
    const written = value.toPrecision(1 + Math.floor(random() * 6));
    return random() < 0.7 ? written.replace('.', ',') : written;
  });
}

function inputSets() {
  const sets = [defaults];
  const corpus = path.join(__dirname, '..', '..', 'fuzz', 'corpus');
  for (const file of fs.readdirSync(corpus)) {
    const texts = fs.readFileSync(path.join(corpus, file), 'latin1').split('|');
    if (texts.length === names.length && !texts.some((text) => text.includes('\0')))
      sets.push(texts);
  }
  while (sets.length < count) sets.push(generatedTexts());
  return sets;
}

async function nativeReport(texts) {
  const args = ['--charts', ...texts.map((text, i) => `--${names[i]}=${text}`)];
  try {
    const { stdout } = await promisify(execFile)(calc, args, {
      env: { ...process.env, LC_ALL: 'C', GLIBC_TUNABLES: 'glibc.cpu.hwcaps=-AVX2,-FMA' },
      maxBuffer: 1 << 26,
    });
    return JSON.parse(stdout);
  } catch (failure) {
    if (failure.code === 1) return JSON.parse(failure.stdout); // a calculation error
    throw failure;
  }
}

async function main() {
  // The report's module, built from the same sources beside the page (build/web).
  const createQuelborParity = require(path.resolve(pageDir, '..', 'quelbor-parity.js'));
  const module = await createQuelborParity();
  const webReport = (texts) =>
    JSON.parse(module.ccall('quelbor_calculation_json', 'string', Array(8).fill('string'),
                            [...texts, '.']));
  const sets = inputSets();
  let errors = 0;
  const kinds = new Set();
  const parallel = 2;
  for (let start = 0; start < sets.length; start += parallel) {
    const batch = sets.slice(start, start + parallel);
    const natives = await Promise.all(batch.map(nativeReport));
    batch.forEach((texts, i) => {
      const web = webReport(texts);
      assert.deepStrictEqual(web, natives[i], `inputs ${JSON.stringify(texts)}`);
      if (web.error) {
        ++errors;
        kinds.add(web.error.kind);
      }
    });
  }
  // The generated sets must reach both ends: finished calculations and every kind of error.
  assert.ok(errors > 0 && errors < sets.length, `${errors} errors in ${sets.length} sets`);
  console.log(`parity ok: ${sets.length} input sets, ${errors} ending in an error (${
    [...kinds].sort().join(', ')})`);
}

main().catch((failure) => {
  console.error(failure.message);
  process.exit(1);
});
