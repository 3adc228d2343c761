'use strict';
// The web page in Debian's chromium, headless, opened from the file system as a user opens
// it: start-up, keyboard order and control positions, "Rechne !" under a German and an
// English browser language, the window's error reports, "Nochmal !" and several presses in a
// row. Expected numbers come from quelbor-calc for the same inputs.
//   node tests/web/browser.js <page dir> <quelbor-calc> <quelbor-screenshots>
const assert = require('node:assert/strict');
const path = require('node:path');
const fs = require('node:fs');
const os = require('node:os');
const { execFileSync } = require('node:child_process');
const { pathToFileURL } = require('node:url');
const { chromium } = require('playwright-core');

const [pageDir, calc, screenshots] = process.argv.slice(2);
const pageUrl = pathToFileURL(path.resolve(pageDir, 'index.html')).href;
const resultBoxes = ['txt_psianf', 'txt_XSE', 'txt_psiSE', 'txt_psi25', 'txt_kappa2525',
  'txt_kappaGrenz'];
const twipsPerPixel = 15;
const frame = { width: 135, height: 465 };
const clientPixels = (outerWidth, outerHeight) => [
  Math.round(outerWidth / twipsPerPixel) - frame.width / twipsPerPixel,
  Math.round(outerHeight / twipsPerPixel) - frame.height / twipsPerPixel,
];

// quelbor-calc's report for the given input texts, with results in the given separator.
function nativeReport(inputs, separator) {
  const args = ['--charts', ...Object.entries(inputs).map(([box, text]) =>
    `--${box.replace('txt_', '')}=${text}`)];
  let stdout;
  try {
    stdout = execFileSync(calc, args, { env: { ...process.env, LC_ALL: 'C' } });
  } catch (failure) {
    stdout = failure.stdout;
  }
  const report = JSON.parse(stdout);
  for (const box of Object.keys(report.results ?? {}))
    report.results[box] = report.results[box].replace('.', separator);
  return report;
}

async function openPage(browser, locale) {
  const page = await browser.newPage({ locale, viewport: { width: 1100, height: 800 } });
  const failures = [];
  page.on('pageerror', (error) => failures.push(error.message));
  page.on('request', (request) => {
    if (!request.url().startsWith('file:') && !request.url().startsWith('data:'))
      failures.push(`request outside the page: ${request.url()}`);
  });
  await page.goto(pageUrl);
  await page.waitForSelector('body[data-ready]');
  page.failures = failures;
  return page;
}

const visible = (page, name) => page.$eval(`#${name}`, (element) => element.offsetParent !== null);
const value = (page, name) => page.$eval(`#${name}`, (element) => element.value);
const clientSize = (page) => page.$eval('.client', (client) =>
  [client.clientWidth, client.clientHeight]);
// The control table as the page's module hands it over.
const design = (page) => page.evaluate(async () => {
  const module = await createQuelbor();
  return JSON.parse(module.UTF8ToString(module._quelbor_design())).controls;
});

async function resultTexts(page) {
  return Promise.all(resultBoxes.map((box) => value(page, box)));
}

async function typeInputs(page, inputs) {
  for (const [box, text] of Object.entries(inputs)) await page.fill(`#${box}`, text);
}

// The dialog's text after a press, or null when none opened; the dialog is closed again.
async function pressAndReport(page, button) {
  await page.click(`#${button}`);
  const open = await page.$eval('#report', (dialog) => dialog.open);
  if (!open) return null;
  const text = await page.$eval('#report .message', (message) => message.textContent);
  await page.click('#report button');
  return text;
}

const cases = {
  async chartsHoldTheWindowsPixels(browser) {
    const page = await openPage(browser, 'de-DE');
    const controls = await design(page);
    await page.click('#cmd_Rechne');
    const surfaces = controls.filter((control) => control.kind === 'surface')
      .map((control) => ({ name: control.name, left: control.pixels[0], top: control.pixels[1] }));
    const shares = await page.evaluate(`(${compareCharts})(${JSON.stringify(windowGrab())}, ${
      JSON.stringify(surfaces)})`);
    for (const [name, share] of Object.entries(shares)) {
      console.log(`  ${name}: ${(100 * share).toFixed(2)} % of the pixels differ`);
      assert.ok(share < 0.001, name);
    }
  },

  // Ready to type: the page's own measure from the start of its loading to the focus in the
  // first input. Of ten openings the quickest counts, the one least disturbed by whatever
  // else the machine is doing (single openings here spread from 0.2 to 0.5 s).
  async startsSmallAndReadyToType(browser) {
    const times = [];
    let page;
    for (let i = 0; i < 10; ++i) {
      if (page) await page.close();
      page = await openPage(browser, 'de-DE');
      times.push(Number(await page.$eval('body', (body) => body.dataset.readyAfterMs)));
    }
    const readyAfter = Math.min(...times);
    console.log(`  ready to type after ${times.join(', ')} ms`);
    assert.ok(readyAfter < 300, `ready after ${readyAfter} ms at best`);
    assert.deepEqual(await clientSize(page), clientPixels(6015, 4050));
    assert.equal(await visible(page, 'cmd_Rechne'), true);
    assert.equal(await visible(page, 'cmd_Nochmal'), false);
    for (const box of resultBoxes) assert.equal(await visible(page, box), false);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'txt_rhoSE');
  },

  async keyboardOrderAndPositionsFollowTheTable(browser) {
    const page = await openPage(browser, 'de-DE');
    const controls = await design(page);
    const focusable = controls
      .filter((control) => control.tabPosition > 0 && control.visible &&
        (control.kind === 'textbox' || control.kind === 'button'))
      .sort((a, b) => a.tabPosition - b.tabPosition)
      .map((control) => control.name);
    const order = [await page.evaluate(() => document.activeElement.id)];
    for (let i = 1; i < focusable.length; ++i) {
      await page.keyboard.press('Tab');
      order.push(await page.evaluate(() => document.activeElement.id));
    }
    assert.deepEqual(order, focusable);

    await page.click('#cmd_Rechne');
    for (const control of controls) {
      if (!(await visible(page, control.name)) || control.name.startsWith('lbl_n')) continue;
      const box = await page.$eval(`#${control.name}`, (element) => {
        const client = element.parentElement.getBoundingClientRect();
        const own = element.getBoundingClientRect();
        return [own.left - client.left, own.top - client.top, own.width, own.height];
      });
      const [left, top, width, height] = control.pixels;
      const where = `${control.name} at ${box}`;
      assert.deepEqual([box[0], box[1], box[3]], [left, top, height], where);
      // A caption wider than its box grows to the right, as on the window.
      if (control.kind === 'label') assert.ok(box[2] >= width, where);
      else assert.equal(box[2], width, where);
    }
  },

  async defaultsUnderGermanAndEnglish(browser) {
    for (const [locale, separator] of [['de-DE', ','], ['en-US', '.']]) {
      const page = await openPage(browser, locale);
      assert.equal(await pressAndReport(page, 'cmd_Rechne'), null);
      const expected = ['0,382', '0,136', '0,251', '0,382', '74,2', '32,0']
        .map((text) => text.replace(',', separator));
      assert.deepEqual(await resultTexts(page), expected, locale);
      assert.deepEqual(await clientSize(page), clientPixels(14355, 10290));
      assert.equal(await visible(page, 'cmd_Nochmal'), true);
      assert.equal(await visible(page, 'cmd_Rechne'), false);

      // The water-loading labels stand and show as the calculation placed them.
      const labels = nativeReport({}, separator).labels;
      for (const [name, label] of Object.entries(labels)) {
        assert.equal(await visible(page, name), label.visible, name);
        const left = await page.$eval(`#${name}`, (element) => parseInt(element.style.left, 10));
        assert.equal(left, Math.round(label.left / twipsPerPixel), name);
      }
      assert.deepEqual(page.failures, []);
    }
  },

  async errorsAreReportedAsTheWindowReportsThem(browser) {
    const page = await openPage(browser, 'de-DE');
    const failing = [
      { txt_rhoSE: '' },
      { txt_Xanf: '1' },
      { txt_kappaMess: '0' },
      { txt_kappaMess: `17${'0'.repeat(307)}` },
    ];
    for (const inputs of failing) {
      await typeInputs(page, { ...inputs });
      const report = await pressAndReport(page, 'cmd_Rechne');
      const { error } = nativeReport(inputs, ',');
      assert.equal(report, `Laufzeitfehler ${error.number}:\n${error.text}`, JSON.stringify(inputs));
      assert.equal(await visible(page, 'cmd_Nochmal'), true);
      assert.equal(await pressAndReport(page, 'cmd_Nochmal'), null);
      await page.reload();
      await page.waitForSelector('body[data-ready]');
    }
  },

  async nochmalReturnsAndPressesFollowEachOther(browser) {
    const page = await openPage(browser, 'de-DE');
    const series = [{}, { txt_rhoSE: '1700', txt_Xanf: '0,3' }, { txt_ksiSE: '4,5' },
      { txt_KappaSteig: '9', txt_Xmess: '0.2' }];
    let inputs = {};
    for (const change of series) {
      inputs = { ...inputs, ...change };
      await typeInputs(page, change);
      assert.equal(await pressAndReport(page, 'cmd_Rechne'), null);
      assert.deepEqual(await resultTexts(page), resultBoxes.map((box) =>
        nativeReport(inputs, ',').results[box]));
      assert.equal(await pressAndReport(page, 'cmd_Nochmal'), null);
      assert.deepEqual(await clientSize(page), clientPixels(6015, 4050));
      assert.equal(await visible(page, 'cmd_Rechne'), true);
      for (const box of resultBoxes) assert.equal(await visible(page, box), false);
      for (const [box, text] of Object.entries(inputs)) assert.equal(await value(page, box), text);
      const blank = await page.$$eval('canvas', (canvases) => canvases.every((canvas) =>
        canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data
          .every((channel) => channel === 255)));
      assert.ok(blank, 'charts painted white');
    }
  },
};

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

// Compares each chart canvas with the same rectangle of the window's grab. The window draws
// its lines without anti-aliasing on the whole pixel a coordinate falls in; the canvas
// anti-aliases a line over the pixels it spans. So both are blurred over 3 x 3 pixels, which
// evens out the split, and a pixel of the canvas counts as differing only when no window pixel
// at most one pixel away is within a quarter of the colour cube's diagonal of it. Returns the
// share of differing pixels per surface.
function compareCharts(grabUrl, surfaces) {
  return new Promise((resolve) => {
    const image = new Image();
    image.onload = () => {
      const grab = document.createElement('canvas');
      grab.width = image.width;
      grab.height = image.height;
      const grabContext = grab.getContext('2d');
      grabContext.drawImage(image, 0, 0);
      const blurred = ({ data, width, height }) => {
        const out = new Float32Array(width * height * 3);
        for (let y = 0; y < height; ++y)
          for (let x = 0; x < width; ++x)
            for (let c = 0; c < 3; ++c) {
              let sum = 0;
              let n = 0;
              for (let dy = -1; dy <= 1; ++dy)
                for (let dx = -1; dx <= 1; ++dx) {
                  const xx = x + dx;
                  const yy = y + dy;
                  if (xx < 0 || yy < 0 || xx >= width || yy >= height) continue;
                  sum += data[(yy * width + xx) * 4 + c];
                  ++n;
                }
              out[(y * width + x) * 3 + c] = sum / n;
            }
        return out;
      };
      const shares = {};
      for (const { name, left, top } of surfaces) {
        const canvas = document.querySelector(`#${name} canvas`);
        const page = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        const window = grabContext.getImageData(left + 1, top + 1, canvas.width, canvas.height);
        const a = blurred(page);
        const b = blurred(window);
        const { width, height } = canvas;
        let differing = 0;
        for (let y = 0; y < height; ++y)
          for (let x = 0; x < width; ++x) {
            const i = (y * width + x) * 3;
            let nearest = Infinity;
            for (let dy = -1; dy <= 1; ++dy)
              for (let dx = -1; dx <= 1; ++dx) {
                const xx = x + dx;
                const yy = y + dy;
                if (xx < 0 || yy < 0 || xx >= width || yy >= height) continue;
                const j = (yy * width + xx) * 3;
                nearest = Math.min(nearest,
                                   Math.hypot(a[i] - b[j], a[i + 1] - b[j + 1], a[i + 2] - b[j + 2]));
              }
            if (nearest > 64 * Math.sqrt(3)) ++differing;
          }
        shares[name] = differing / (width * height);
      }
      resolve(shares);
    };
    image.src = grabUrl;
  });
}

async function main() {
  const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu'],
  });
  let failed = 0;
  try {
    for (const [name, run] of Object.entries(cases)) {
      try {
        await run(browser);
        console.log(`ok ${name}`);
      } catch (failure) {
        ++failed;
        console.log(`FAILED ${name}: ${failure.message}`);
      }
    }
  } finally {
    await browser.close();
  }
  process.exit(failed === 0 ? 0 : 1);
}

main();
