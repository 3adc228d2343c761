'use strict';
// The web page in the three engines a lab meets it in, Chromium, Firefox and WebKit, each
// opened from the file system as a user opens it and run through the same checks (checks.js).
// An engine that cannot start fails every check with the reason; none is skipped.
//   node tests/web/browser.js <page dir> <quelbor-calc> <quelbor-screenshots> <locale dir>
//        [engine ...]
// <locale dir> holds the German and English locales WebKitGTK takes its language from
// (build/dev/locales); the engines are chromium, firefox and webkit, all by default. With
// QUELBOR_WEB_ARTEFACTS set to a folder, the screenshots and saved pictures are kept there.
const path = require('node:path');
const fs = require('node:fs');
const os = require('node:os');
const { execFileSync } = require('node:child_process');
const { pathToFileURL } = require('node:url');
const { engines } = require('./drivers');
const checks = require('./checks');

const [pageDir, calc, screenshots, localeDir, ...chosen] = process.argv.slice(2);

// The window after "Rechne !" with the default inputs, grabbed by the Qt program, as a data URL.
function windowGrab() {
  const directory = fs.mkdtempSync(path.join(os.tmpdir(), 'quelbor-grab-'));
  try {
    execFileSync(screenshots, [directory], {
      env: { ...process.env, QT_QPA_PLATFORM: 'offscreen', QT_SCALE_FACTOR: '1' },
      stdio: 'ignore',
    });
    const png = fs.readFileSync(path.join(directory, 'window-result.png'));
    return `data:image/png;base64,${png.toString('base64')}`;
  } finally {
    fs.rmSync(directory, { recursive: true, force: true });
  }
}

// Every page a check opens is closed after it, so that the next starts afresh.
function trackingPages(engine) {
  const opened = [];
  return {
    name: engine.name,
    async open(...args) {
      const page = await engine.open(...args);
      opened.push(page);
      return page;
    },
    async closeAll() {
      for (const page of opened.splice(0)) await page.close().catch(() => {});
    },
  };
}

async function main() {
  const artefacts = process.env.QUELBOR_WEB_ARTEFACTS;
  if (artefacts) fs.mkdirSync(artefacts, { recursive: true });
  const cases = checks({ url: pathToFileURL(path.resolve(pageDir, 'index.html')).href, calc,
    grabUrl: windowGrab(), artefacts, localeDir: path.resolve(localeDir) });
  let passed = 0;
  let failed = 0;
  for (const name of chosen.length ? chosen : Object.keys(engines)) {
    const started = Date.now();
    let engine;
    try {
      engine = await engines[name](path.resolve(localeDir));
    } catch (failure) {
      failed += Object.keys(cases).length;
      console.log(`FAILED ${name}: the browser did not start: ${failure.message}`);
      continue;
    }
    const tracked = trackingPages(engine);
    for (const [check, run] of Object.entries(cases)) {
      try {
        await run(tracked);
        ++passed;
        console.log(`ok ${name} ${check}`);
      } catch (failure) {
        ++failed;
        console.log(`FAILED ${name} ${check}: ${failure.message}`);
      } finally {
        await tracked.closeAll();
      }
    }
    await engine.close();
    console.log(`  ${name}: ${((Date.now() - started) / 1000).toFixed(1)} s`);
  }
  console.log(`browser: ${passed} passed, ${failed} failed`);
  process.exit(failed === 0 ? 0 : 1);
}

main();
