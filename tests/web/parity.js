'use strict';
// Bulk parity of the two builds without a browser: the WebAssembly build of the page's sources
// (quelbor-parity.js beside the page, with quelbor-calc's report) under node and the native
// quelbor-calc compute the same generated input sets, and their JSON reports
// (every model value, the result texts, psiMarks, the labels, every chart operation and the
// error) must be the same values. Parsed values are compared, not bytes, so the layout of the
// JSON may change. On a processor with FMA, glibc runs pow, exp and log in variants that use
// it, whose last bit can differ from the same functions without FMA; WebAssembly has no FMA,
// so quelbor-calc runs here with glibc's plain variants, which the module's C library shares.
// Then the measurement uncertainty: the module the page's Web Worker runs
// (quelbor-uncertainty.js beside the page) against quelbor-calc's "uncertainty" object for a
// few bodies with uncertain inputs (uncertaintyBodies).
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

async function nativeReport(texts, options = ['--charts']) {
  const args = [...options, ...texts.map((text, i) => `--${names[i]}=${text}`)];
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

// Bodies with uncertainties as labs state them: every distribution, percent and absolute
// figures, both separators, and one body where trials fail (Xanf with a large u).
const uncertaintyBodies = [
  { inputs: defaults, u: ['20', '0,005', '', '0,2', '3%', '0,5', ''],
    dist: ['normal', 'normal', 'normal', 'normal', 'normal', 'rect', 'normal'] },
  { inputs: ['1700', '0,3', '0.2', '4,5', '60', '30', '9'],
    u: ['1 %', '0.01', '0,005', '0,3', '5 %', '1', '0,5'],
    dist: ['tri', 'rect', 'normal', 'normal', 'tri', 'rect', 'normal'] },
  { inputs: ['1850', '0,6', '0,185', '6,2', '45', '20,5', '7'],
    u: ['', '0,15', '', '', '', '', ''], dist: Array(7).fill('normal') },
];
const uncertaintyTrials = 20000;

// The two reports' figures side by side. The law of propagation and the estimates run the same
// arithmetic in both builds and must agree to 1e-12 relative. The Monte Carlo figures
// (everything under "monteCarlo") may be a few ulp apart: the model's cube roots and powers go
// through the C library's pow, and musl's (the module's) differs from glibc's in the last bit
// for a few arguments, so a few trials' values differ by an ulp or so, and with them a mean, a
// standard deviation or an interval's end; 8 ulp relative covers that and nothing more.
function assertFiguresAgree(web, native, where) {
  if (typeof native === 'number') {
    const relative = where.includes('monteCarlo') ? 8 * Number.EPSILON : 1e-12;
    assert.equal(typeof web, 'number', where);
    assert.ok(Math.abs(web - native) <= relative * Math.max(Math.abs(web), Math.abs(native)),
      `${where}: ${web} and ${native}`);
  } else if (native !== null && typeof native === 'object') {
    assert.deepEqual(Object.keys(web ?? {}), Object.keys(native), where);
    for (const key of Object.keys(native)) assertFiguresAgree(web[key], native[key], `${where}.${key}`);
  } else {
    assert.equal(web, native, where);
  }
}

async function uncertaintyParity(pageDir) {
  const createQuelborUncertainty = require(path.resolve(pageDir, '..', 'quelbor-uncertainty.js'));
  const module = await createQuelborUncertainty();
  let failedTrials = 0;
  for (const { inputs, u, dist } of uncertaintyBodies) {
    const web = JSON.parse(module.ccall('quelbor_uncertainty_json', 'string',
      ['string', 'string', 'string', 'number', 'number'],
      [inputs.join('\n'), u.join('\n'), dist.join('\n'), uncertaintyTrials, 17025]));
    const options = [`--trials=${uncertaintyTrials}`, ...names.flatMap((name, i) =>
      [`--u-${name}=${u[i]}`, `--dist-${name}=${dist[i]}`])];
    const native = await nativeReport(inputs, options);
    assert.ok(native.uncertainty, `quelbor-calc ${options.join(' ')}: no uncertainty`);
    assertFiguresAgree(web.uncertainty, native.uncertainty, `inputs ${JSON.stringify(inputs)}`);
    failedTrials += native.uncertainty.failedTrials.count;
  }
  assert.ok(failedTrials > 0, 'no body had failed trials');
  console.log(`uncertainty parity ok: ${uncertaintyBodies.length} bodies, ${uncertaintyTrials
  } trials each, ${failedTrials} failed trials`);
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
    const natives = await Promise.all(batch.map((texts) => nativeReport(texts)));
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
  await uncertaintyParity(pageDir);
}

main().catch((failure) => {
  console.error(failure.message);
  process.exit(1);
});
