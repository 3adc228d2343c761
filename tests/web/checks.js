'use strict';
// The checks of the web page, written once for every engine (drivers.js): start-up, keyboard
// order and control positions, results under a German and an English browser language and
// under a language that is no tag ("C"), the window's error reports, faults of the page put
// back, "Nochmal !", names for screen readers, axe-core, and the result's offers (copy, PNG,
// SVG, print), the measurement uncertainty's section: its tables against quelbor-calc's
// "uncertainty", its cancelling; the comparison's section, what the browser keeps of it, and
// the CSV tables it opens and saves.
// Expected numbers come from quelbor-calc for the same inputs.
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const os = require('node:os');
const { execFileSync, spawnSync } = require('node:child_process');
const { fileURLToPath, pathToFileURL } = require('node:url');
const { compareCharts } = require('./chartcompare');
const { languages } = require('./drivers');
const { installCaptures, pngSummary, svgSummary, printLayout, pdfPages } = require('./pagehooks');

const resultBoxes = ['txt_psianf', 'txt_XSE', 'txt_psiSE', 'txt_psi25', 'txt_kappa2525',
  'txt_kappaGrenz'];
const twipsPerPixel = 15;
const frame = { width: 135, height: 465 };
const clientPixels = (outerWidth, outerHeight) => [
  Math.round(outerWidth / twipsPerPixel) - frame.width / twipsPerPixel,
  Math.round(outerHeight / twipsPerPixel) - frame.height / twipsPerPixel,
];
const defaultResults = ['0,382', '0,136', '0,251', '0,382', '74,2', '32,0'];

// What a screen reader is told of each control, as the desktop window tells it: role, name and
// the start of the description. The clipboard table's captions are the names of its boxes.
const input = 'Eingabe für die Berechnung';
const unused = 'Eingabe, geht nicht in die Berechnung ein';
const result = 'Berechnetes Ergebnis';
const spoken = [
  ['txt_Massebezeichnung', 'textbox', 'Bezeichnung', unused],
  ['txt_rhoSE', 'textbox', 'Dichte der getrockneten Masse in kg/m³', input],
  ['txt_Mue', 'textbox', 'Diff.-Widerstandszahl der trockenen Masse', unused],
  ['txt_Xanf', 'textbox', 'Anfangswasserbeladung in kg/kg atro', input],
  ['txt_ksiSE', 'textbox', 'Lineare Trockenschwindung in %', input],
  ['txt_kappaMess', 'textbox', 'Feuchteleitkoeffizient in 10^(-9) m²/s', input],
  ['txt_thetaMess', 'textbox', 'bei Messtemperatur in °C', `${input}: Temperatur`],
  ['txt_Xmess', 'textbox', 'und Wasserbeladung in kg/kg atro', `${input}: Wasserbeladung`],
  ['txt_KappaSteig', 'textbox', 'Kappa-Steigung unter Grenzfeuchte ( 6...10 )', input],
  ['txt_psianf', 'textbox', 'Vol. Anfangswassergehalt in m³/m³', result],
  ['txt_XSE', 'textbox', 'Grenzwasserbeladung in kg/kg atro', result],
  ['txt_psiSE', 'textbox', 'Vol. Grenzwassergehalt in m³/m³', result],
  ['txt_psi25', 'textbox', 'Vol. Wassergeh. für 0,25 kg/kg atro in m³/m³', result],
  ['txt_kappa2525', 'textbox', 'Feuchteleitkoeffizient (25,25) in 10^(-9) m²/s', result],
  ['txt_kappaGrenz', 'textbox', 'Grenz-Feuchteleitkoeffizient in 10^(-9) m²/s', result],
  ['cmd_Rechne', 'button', 'Rechne !', 'Berechnet die Kenndaten'],
  ['cmd_Nochmal', 'button', 'Nochmal !', 'Blendet die Ergebnisse aus'],
  ['pic_kappa canvas', 'img', 'Abhängigkeit des Feuchteleitkoeffizienten vom Wassergehalt',
    'Diagramm: Feuchteleitkoeffizient'],
  ['pic_Schwindung canvas', 'img', 'Lineare Trockenschwindung', 'Diagramm: noch ausstehende'],
  ['Picture1', 'img', 'Feuchteleitkoeffizient bei 25°C in m²/s', 'Senkrechte Achsenbeschriftung'],
  ['Picture2', 'img', 'lin. Trockenschwindung in %', 'Senkrechte Achsenbeschriftung'],
  ['Picture3', 'img',
    'Für Temperaturen 25°C < ϑ < 100°C gilt: κ(ϑ)/κ(25°C) = 1 + 0,0225·(ϑ/°C − 25)',
    'Temperaturabhängigkeit'],
  ['Picture4', 'img', 'Quelbor-Logo', 'Logo'],
];
const nameOf = new Map(spoken.map(([box, , name]) => [box, name]));
const copiedBoxes = ['txt_Massebezeichnung', 'txt_rhoSE', 'txt_Xanf', 'txt_ksiSE', 'txt_kappaMess',
  'txt_thetaMess', 'txt_Xmess', 'txt_KappaSteig', ...resultBoxes];
const defaultInputs = ['Testmasse ABC von Ziegelei XYZ', '1850', '0,25', '6,2', '45', '20,5',
  '0,185', '7'];

// The table "Ergebnisse kopieren" copies of the default inputs with the given results.
function expectedTable(results, separator) {
  const inputs = defaultInputs.map((text, i) => (i ? text.replace(',', separator) : text));
  return `${copiedBoxes.map((box) => nameOf.get(box)).join('\t')}\n${
    [...inputs, ...results].join('\t')}\n`;
}

// A lab's uncertainties of the default body (as the README's example): the typed text under
// each separator, the distribution where it is not normal.
const labUncertainties = [
  ['rhoSE', '20', '20'], ['Xanf', '0,005', '0.005'], ['ksiSE', '0,2', '0.2'],
  ['kappaMess', '3 %', '3%'], ['thetaMess', '0,5', '0.5', 'rect'],
];
const uncertaintyTrials = 20000;
const outputNames = ['psianf', 'XSE', 'psiSE', 'psi25', 'kappa2525', 'kappaGrenz'];

// The section's rows as they must read for quelbor-calc's "uncertainty": u and U with two
// significant digits, values to u's decimal place, the interval in brackets.
function expectedUncertaintyRows(uncertainty, separator) {
  const listSeparator = separator === ',' ? '; ' : ', ';
  return outputNames.map((name, i) => {
    const { gum, monteCarlo, agree } = uncertainty.results[name];
    const decimals = Math.max(0, 1 - Math.floor(Math.log10(gum.u)));
    const figure = (x) => x.toFixed(decimals).replace('.', separator);
    return [nameOf.get(resultBoxes[i]), figure(gum.estimate), figure(gum.u), figure(gum.U),
      figure(monteCarlo.mean), figure(monteCarlo.u),
      `[${monteCarlo.interval95.map(figure).join(listSeparator)}]`, agree ? 'ja' : 'nein ⚠'];
  });
}

// Each result's budget chart as a screen reader is told it.
function expectedBudgets(uncertainty, separator) {
  return outputNames.map((name, i) => `Budget ${nameOf.get(resultBoxes[i])}: ${
    Object.entries(uncertainty.results[name].gum.budget).map(([input, share]) =>
      `${input} ${(100 * share).toFixed(1).replace('.', separator)} %`).join(', ')}`);
}

// Tables of samples for the series: a German one (a row with decimal points beside the commas,
// one that fails, one with a cell too many) and one as an older spreadsheet saves it in
// Windows-1252 with commas and CR LF; each calculated by the page in the output format and
// browser language given, the last with every model value ("alle Modellwerte", --all-fields).
const germanTable = ['Probe;rhoSE;Xanf;ksiSE;kappaMess;thetaMess;Xmess;KappaSteig',
  'Ton A;1850;0,25;6,2;45;20,5;0,185;7', 'Ton B;1790;0,27;5,8;40;20;0,18;8',
  'Ton C;1850;1;6,2;45;20,5;0,185;7', 'Ton D;1850;0.25;6.2;45;20.5;0.185;7',
  '"Ton; E";1800;0,22;6;44;21;0,17;7;zu viel', ''].join('\n');
const seriesTables = [
  ['proben.csv', Buffer.from(germanTable), 'csv', 'de-DE', false],
  ['proben.csv', Buffer.from(germanTable), 'jsonl', 'de-DE', false],
  ['proben.csv', Buffer.from(germanTable), 'csv', 'de-DE', true],
  ['müller.csv', Buffer.from('Probe,rhoSE,Xanf,ksiSE\r\nMüller-Ton grün,1850,0.25,6.2\r\n' +
    'Weiß,1800,1,6\r\n', 'latin1'), 'csv', 'en-US', false],
];

// The CSV table "Speichern …" of the comparison writes of rows as the section shows them (in
// the order of copiedBoxes, then the error): the columns quelbor-calc --batch reads.
const savedColumns = ['rhoSE', 'Xanf', 'Xmess', 'ksiSE', 'kappaMess', 'thetaMess', 'KappaSteig'];
function savedComparison(rows) {
  const lines = [['name', ...savedColumns, ...resultBoxes, 'error'], ...rows.map((row) => {
    const cell = new Map(copiedBoxes.map((box, i) => [box, row[i]]));
    return [row[0], ...savedColumns.map((column) => cell.get(`txt_${column}`)),
      ...resultBoxes.map((box) => cell.get(box)), row.at(-1)];
  })];
  return `\ufeff${lines.map((line) => `${line.join(';')}\n`).join('')}`;
}

module.exports = function checks({ url, calc, grabUrl, artefacts, localeDir }) {
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

  // The last download of the page: its name and bytes.
  const downloaded = async (page) => {
    const { name, base64 } = await page.evaluate(async () => {
      const { name: savedName, blob } = window.captured.downloads.at(-1);
      const bytes = new Uint8Array(await blob.arrayBuffer());
      let text = '';
      for (const byte of bytes) text += String.fromCharCode(byte);
      return { name: savedName, base64: btoa(text) };
    });
    return { name, bytes: Buffer.from(base64, 'base64') };
  };
  // The rows of the section "Vergleich": the name, then the cells after it but the last.
  const comparisonRows = (page) => page.evaluate(() => [...document.querySelectorAll(
    '#comparison tbody tr')].map((row) => [row.querySelector('th input').value,
    ...[...row.cells].slice(2, -1).map((cell) => cell.textContent)]));
  // The error dialog's message once it opened; it is closed again.
  const reported = async (page) => {
    const message = await page.evaluate(async () => {
      const dialog = document.getElementById('report');
      for (let i = 0; !dialog.open && i < 400; ++i)
        await new Promise((resolve) => setTimeout(resolve, 50));
      return dialog.open ? dialog.querySelector('.message').textContent : null;
    });
    if (message !== null) await page.click('#report button');
    return message;
  };

  const visible = (page, name) => page.evaluate((id) =>
    document.getElementById(id).offsetParent !== null, name);
  const value = (page, name) => page.evaluate((id) => document.getElementById(id).value, name);
  const clientSize = (page) => page.evaluate(() => {
    const client = document.querySelector('.client');
    return [client.clientWidth, client.clientHeight];
  });
  const design = (page) => page.evaluate(async () => {
    const module = await createQuelbor();
    return JSON.parse(module.UTF8ToString(module._quelbor_design())).controls;
  });
  const resultTexts = (page) => Promise.all(resultBoxes.map((box) => value(page, box)));
  const typeInputs = async (page, inputs) => {
    for (const [box, text] of Object.entries(inputs)) await page.type(`#${box}`, text);
  };
  const offered = (page) => page.evaluate(() => !document.getElementById('offers').hidden);
  // Everything a press may change, to compare the page before and after one.
  const windowState = (page) => page.evaluate(() => {
    const client = document.querySelector('.client');
    const controls = [...client.children];
    return {
      size: [client.clientWidth, client.clientHeight],
      shown: controls.filter((control) => control.offsetParent !== null).map((c) => c.id),
      texts: controls.filter((control) => control.tagName === 'INPUT').map((box) => box.value),
      lefts: controls.map((control) => control.style.left),
      ink: [...client.querySelectorAll('canvas')].map((canvas) => canvas.getContext('2d')
        .getImageData(0, 0, canvas.width, canvas.height).data.filter((c) => c < 250).length),
      offers: !document.getElementById('offers').hidden,
    };
  });

  // The dialog's text after a press, or null when none opened; the dialog is closed again.
  async function pressAndReport(page, button) {
    await page.click(`#${button}`);
    const text = await page.evaluate(() => {
      const dialog = document.getElementById('report');
      return dialog.open ? dialog.querySelector('.message').textContent : null;
    });
    if (text !== null) await page.click('#report button');
    return text;
  }

  // What the offers handed to the browser (pagehooks.js), once there are as many as expected
  // or after five seconds.
  const captured = (page, what, count) => page.evaluate(async (key, expected) => {
    const size = () => window.captured[key].length ?? window.captured[key];
    for (let i = 0; size() < expected && i < 100; ++i)
      await new Promise((resolve) => setTimeout(resolve, 50));
    return window.captured[key];
  }, what, count);

  // quelbor-calc's "uncertainty" of the default body with the lab's uncertainties, some
  // changed, with glibc's plain pow as the module's (parity.js).
  function nativeUncertainty(changed = {}) {
    const args = [`--trials=${uncertaintyTrials}`, ...labUncertainties.flatMap(
      ([name, text, , distribution]) => [`--u-${name}=${changed[name] ?? text}`,
        ...(distribution ? [`--dist-${name}=${distribution}`] : [])])];
    return JSON.parse(execFileSync(calc, args, { env: { ...process.env, LC_ALL: 'C',
      GLIBC_TUNABLES: 'glibc.cpu.hwcaps=-AVX2,-FMA' } })).uncertainty;
  }

  // After "Rechne !", the section opened by its key with the lab's uncertainties and the trials.
  async function openUncertainty(page, separator, trials) {
    await page.click('#cmd_Rechne');
    await page.press('Alt+Shift+U');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'uncertainty-u-rhoSE');
    for (const [name, comma, point, distribution] of labUncertainties) {
      await page.type(`#uncertainty-u-${name}`, separator === ',' ? comma : point);
      if (distribution) await page.evaluate((id, chosen) => {
        document.getElementById(id).value = chosen;
      }, `uncertainty-dist-${name}`, distribution);
    }
    await page.type('#uncertainty-trials', String(trials));
  }

  // The status once the evaluation has ended (or after 25 seconds).
  const uncertaintyEnded = (page) => page.evaluate(async () => {
    const start = document.getElementById('uncertainty-start');
    for (let i = 0; start.disabled && i < 500; ++i)
      await new Promise((resolve) => setTimeout(resolve, 50));
    return document.getElementById('uncertainty-status').textContent;
  });

  // What the section shows: the inputs' values, the results' rows, the failed trials, the notes
  // and the budget charts as they are named.
  const uncertaintyShown = (page) => page.evaluate(() => {
    const texts = (selector) => [...document.querySelectorAll(selector)]
      .map((element) => element.textContent);
    return {
      values: [...document.querySelectorAll('#uncertainty-inputs tr')]
        .map((row) => row.cells[1].textContent),
      rows: [...document.querySelectorAll('.uncertainty-results tbody tr')]
        .map((row) => [...row.cells].map((cell) => cell.textContent)),
      failed: texts('.uncertainty-failed, .uncertainty-failures li'),
      notes: texts('.uncertainty-notes li'),
      budgets: [...document.querySelectorAll('.uncertainty-budgets svg')]
        .map((svg) => svg.getAttribute('aria-label')),
      bars: document.querySelectorAll('.uncertainty-budgets rect').length,
    };
  });

  // After "Rechne !" with the lab's uncertainties and 20 000 trials: the section's inputs,
  // results, failed trials, notes and budgets against quelbor-calc's.
  async function showsQuelborCalcsFigures(page, separator) {
    const native = nativeUncertainty();
    await openUncertainty(page, separator, uncertaintyTrials);
    await page.click('#uncertainty-start');
    assert.match(await uncertaintyEnded(page), /^Berechnet in \d+[,.]\d s\.$/);
    const shown = await uncertaintyShown(page);
    assert.deepEqual(shown.values, ['1850', '0,25', '0,185', '6,2', '45', '20,5', '7']
      .map((text) => text.replace(',', separator)));
    assert.deepEqual(shown.rows, expectedUncertaintyRows(native, separator));
    assert.deepEqual(shown.failed, [`${uncertaintyTrials} Versuche mit Startwert 17025, ` +
      `davon fehlgeschlagen: ${native.failedTrials.count}`]);
    assert.equal(shown.notes.length,
      outputNames.filter((name) => !native.results[name].agree).length);
    assert.deepEqual(shown.budgets, expectedBudgets(native, separator));
    assert.equal(shown.bars, 6 * 5);
    assert.deepEqual(await page.failures(), []);
  }

  async function keep(page, engine, name, selector) {
    if (artefacts) fs.writeFileSync(path.join(artefacts, `${engine.name}-${name}.png`),
      await page.screenshot(selector));
  }

  async function axeViolations(page) {
    await page.evaluate((source) => {
      if (!window.axe) (0, eval)(source);
    }, fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8'));
    return page.evaluate(async () => (await axe.run(document, { resultTypes: ['violations'] }))
      .violations.filter((violation) => ['serious', 'critical'].includes(violation.impact))
      .map((violation) => `${violation.id}: ${violation.nodes.map((node) => node.target).join(' ')}`));
  }

  return {
    async startsInTheInputState(engine) {
      const page = await engine.open(url, 'de-DE');
      assert.deepEqual(await clientSize(page), clientPixels(6015, 4050));
      assert.equal(await visible(page, 'cmd_Rechne'), true);
      assert.equal(await visible(page, 'cmd_Nochmal'), false);
      for (const box of resultBoxes) assert.equal(await visible(page, box), false);
      assert.equal(await page.evaluate(() => document.activeElement.id), 'txt_rhoSE');
      assert.equal(await offered(page), false);
      await keep(page, engine, 'input', 'body');
    },

    // Ready to type: the page's own measure from the start of its loading to the focus in the
    // first input. Of ten openings the quickest counts, the one least disturbed by whatever
    // else the machine is doing (single openings here spread from 0.2 to 0.5 s). Chromium
    // only: the limit is Chromium's on this machine; Firefox and WebKit are timed in the log.
    async startsSmallAndReadyToType(engine) {
      const times = [];
      for (let i = 0; i < (engine.name === 'chromium' ? 10 : 3); ++i) {
        const page = await engine.open(url, 'de-DE');
        times.push(Number(await page.evaluate(() => document.body.dataset.readyAfterMs)));
        await page.close();
      }
      console.log(`  ${engine.name}: ready to type after ${times.join(', ')} ms`);
      if (engine.name === 'chromium')
        assert.ok(Math.min(...times) < 300, `ready after ${Math.min(...times)} ms at best`);
    },

    async keyboardOrderAndPositionsFollowTheTable(engine) {
      const page = await engine.open(url, 'de-DE');
      const controls = await design(page);
      const focusable = controls
        .filter((control) => control.tabPosition > 0 && control.visible &&
          (control.kind === 'textbox' || control.kind === 'button'))
        .sort((a, b) => a.tabPosition - b.tabPosition)
        .map((control) => control.name);
      const order = [await page.evaluate(() => document.activeElement.id)];
      for (let i = 1; i < focusable.length; ++i) {
        await page.press('Tab');
        order.push(await page.evaluate(() => document.activeElement.id));
      }
      assert.deepEqual(order, focusable);
      assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('[tabindex]')]
        .filter((element) => element.tabIndex > 0).map((element) => element.id)), []);

      await page.click('#cmd_Rechne');
      const boxes = await page.evaluate(() => Object.fromEntries(
        [...document.querySelectorAll('.client > *')].map((element) => {
          const client = element.parentElement.getBoundingClientRect();
          const own = element.getBoundingClientRect();
          return [element.id, element.offsetParent !== null &&
            [own.left - client.left, own.top - client.top, own.width, own.height]];
        })));
      for (const control of controls) {
        const box = boxes[control.name];
        if (!box || control.name.startsWith('lbl_n')) continue;
        const [left, top, width, height] = control.pixels;
        const where = `${control.name} at ${box}`;
        assert.deepEqual([box[0], box[1], box[3]], [left, top, height], where);
        // A caption wider than its box grows to the right, as on the window.
        if (control.kind === 'label') assert.ok(box[2] >= width, where);
        else assert.equal(box[2], width, where);
      }
    },

    async chartsHoldTheWindowsPixels(engine) {
      const page = await engine.open(url, 'de-DE');
      const controls = await design(page);
      await page.click('#cmd_Rechne');
      const surfaces = controls.filter((control) => control.kind === 'surface')
        .map((control) => ({ name: control.name, left: control.pixels[0], top: control.pixels[1] }));
      const shares = await page.evaluate(compareCharts, grabUrl, surfaces, 1);
      for (const [name, share] of Object.entries(shares)) {
        console.log(`  ${engine.name}: ${name}: ${(100 * share).toFixed(2)} % of the pixels differ`);
        assert.ok(share < 0.001, name);
      }
    },

    async defaultsUnderGermanEnglishAndNoLanguage(engine) {
      for (const [language, separator] of [['de-DE', ','], ['en-US', '.'], ['C', '.']]) {
        const page = await engine.open(url, language);
        assert.equal(await pressAndReport(page, 'cmd_Rechne'), null, language);
        const expected = defaultResults.map((text) => text.replace(',', separator));
        assert.deepEqual(await resultTexts(page), expected, language);
        assert.deepEqual(await clientSize(page), clientPixels(14355, 10290));
        assert.equal(await visible(page, 'cmd_Nochmal'), true);
        assert.equal(await visible(page, 'cmd_Rechne'), false);
        assert.equal(await offered(page), true);

        // The water-loading labels stand and show as the calculation placed them.
        const labels = nativeReport({}, separator).labels;
        for (const [name, label] of Object.entries(labels)) {
          assert.equal(await visible(page, name), label.visible, name);
          const left = await page.evaluate((id) =>
            parseInt(document.getElementById(id).style.left, 10), name);
          assert.equal(left, Math.round(label.left / twipsPerPixel), name);
        }
        assert.deepEqual(await page.failures(), []);
        if (language === 'de-DE') await keep(page, engine, 'result', 'body');
        await page.close();
      }
    },

    // The separator of the first language the browser knows, passing over what is no tag.
    async separatorFollowsTheFirstKnownLanguage(engine) {
      const page = await engine.open(url, 'de-DE');
      const rows = [[['de-DE'], ','], [['en-US'], '.'], [['C', 'de-DE'], ','], [['', 'fr-FR'], ','],
        [['de-CH'], '.'], [['x!y', 'zz-ZZ-invalid-tag', 'de'], ',']];
      const chosen = await page.evaluate((lists) =>
        lists.map((languages) => decimalSeparatorOf(languages)), rows.map(([list]) => list));
      assert.deepEqual(chosen, rows.map(([, separator]) => separator));
    },

    async errorsAreReportedAsTheWindowReportsThem(engine) {
      const failing = [
        { txt_rhoSE: '' },
        { txt_Xanf: '1' },
        { txt_kappaMess: '0' },
        { txt_kappaMess: `17${'0'.repeat(307)}` },
      ];
      for (const inputs of failing) {
        const page = await engine.open(url, 'de-DE');
        await typeInputs(page, { ...inputs });
        const report = await pressAndReport(page, 'cmd_Rechne');
        const { error } = nativeReport(inputs, ',');
        assert.equal(report, `Laufzeitfehler ${error.number}:\n${error.text}`, JSON.stringify(inputs));
        assert.equal(await visible(page, 'cmd_Nochmal'), true);
        assert.equal(await offered(page), false);
        assert.equal(await pressAndReport(page, 'cmd_Nochmal'), null);
        await page.close();
      }
    },

    // Without its module (a file lost in copying, or a browser too old to compile it) the page
    // still shows its window and says why it cannot calculate, also when "Rechne !" is pressed.
    async missingModuleIsReported(engine) {
      const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'quelbor-nomodule-'));
      try {
        fs.cpSync(path.dirname(fileURLToPath(url)), folder, { recursive: true });
        fs.rmSync(path.join(folder, 'quelbor.js'));
        const page = await engine.open(pathToFileURL(path.join(folder, 'index.html')).href,
          'de-DE');
        const message = await reported(page);
        assert.match(message ?? '', /^Quelbor kann nicht rechnen: quelbor\.js fehlt/);
        await page.click('#cmd_Rechne');
        assert.equal(await reported(page), message);
      } finally {
        fs.rmSync(folder, { recursive: true, force: true });
      }
    },

    // A fault of the page itself inside a press is reported and leaves the page as it was.
    async faultsPutThePageBack(engine) {
      const faults = [
        ['languages unreadable', 'cmd_Rechne', () => {
          Object.defineProperty(Navigator.prototype, 'languages',
            { configurable: true, get: () => { throw new TypeError('no languages'); } });
        }],
        ['canvas refuses lines', 'cmd_Rechne', () => {
          CanvasRenderingContext2D.prototype.stroke = () => { throw new Error('no stroke'); };
        }],
        ['canvas refuses boxes', 'cmd_Nochmal', () => {
          CanvasRenderingContext2D.prototype.fillRect = () => { throw new Error('no fill'); };
        }],
      ];
      for (const [what, button, inject] of faults) {
        const page = await engine.open(url, 'de-DE');
        if (button === 'cmd_Nochmal') await page.click('#cmd_Rechne');
        const before = await windowState(page);
        await page.evaluate(inject);
        const report = await pressAndReport(page, button);
        assert.match(report ?? '', /^Unerwarteter Fehler:\n/, what);
        assert.deepEqual(await windowState(page), before, what);
        await page.close();
      }
    },

    async nochmalReturnsAndPressesFollowEachOther(engine) {
      const page = await engine.open(url, 'de-DE');
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
        assert.equal(await offered(page), false);
        for (const box of resultBoxes) assert.equal(await visible(page, box), false);
        for (const [box, text] of Object.entries(inputs)) assert.equal(await value(page, box), text);
        const { ink } = await windowState(page);
        assert.deepEqual(ink, [0, 0], 'charts painted white');
      }
    },

    // Role, name and description as axe-core computes them from the page, for every row, each
    // in the state that shows it.
    async controlsAreNamedForScreenReaders(engine) {
      const page = await engine.open(url, 'de-DE');
      await axeViolations(page);
      const told = (selectors) => page.evaluate((shown) => {
        axe.setup(document);
        const said = shown.map((selector) => document.querySelector(`#${selector}`))
          .filter((element) => element.getClientRects().length).map((element) => {
            const describedBy = (element.getAttribute('aria-describedby') ?? '').split(' ')
              .map((id) => document.getElementById(id)?.textContent ?? '').join(' ');
            return [element.id || element.parentElement.id, axe.commons.aria.getRole(element),
              axe.commons.text.accessibleText(element), describedBy];
          });
        axe.teardown();
        return said;
      }, selectors);
      const selectors = spoken.map(([selector]) => selector);
      const said = await told(selectors);
      await page.click('#cmd_Rechne');
      said.push(...(await told(selectors)).filter(([id]) => !said.some(([seen]) => seen === id)));
      assert.deepEqual(said.map(([id, role, name]) => [id, role, name]).sort(),
        spoken.map(([selector, role, name]) => [selector.split(' ')[0], role, name]).sort());
      for (const [id, , , description] of said) {
        const expected = spoken.find(([selector]) => selector.split(' ')[0] === id)[3];
        assert.ok(description.startsWith(expected), `${id}: ${description}`);
      }
      assert.equal(await page.evaluate(() => document.querySelector('.caption img').alt), '');
    },

    async axeFindsNothingSeriousInAnyState(engine) {
      const page = await engine.open(url, 'de-DE');
      assert.deepEqual(await axeViolations(page), [], 'input state');
      await page.click('#cmd_Rechne');
      assert.deepEqual(await axeViolations(page), [], 'result state');
      await typeInputs(page, { txt_Xanf: '1' });
      await page.click('#cmd_Nochmal');
      await page.click('#cmd_Rechne');
      assert.deepEqual(await page.evaluate(() => {
        const dialog = document.getElementById('report');
        return [document.activeElement.textContent, dialog.getAttribute('role'),
          document.getElementById(dialog.getAttribute('aria-describedby')).textContent];
      }), ['OK', 'alertdialog', 'Laufzeitfehler 5:\nUngültiger Prozeduraufruf oder ungültiges Argument']);
      await keep(page, engine, 'dialog', 'body');
      assert.deepEqual(await axeViolations(page), [], 'error dialog');
    },

    // "Ergebnisse kopieren", reached by Tab and by its key, gives the desktop window's table,
    // also where the browser refuses its Clipboard API.
    async copyGivesTheWindowsTable(engine) {
      for (const [language, separator, refused] of [['de-DE', ',', false], ['en-US', '.', true]]) {
        const page = await engine.open(url, language);
        if (refused) await page.evaluate(() => {
          navigator.clipboard.writeText = () => Promise.reject(new DOMException('', 'NotAllowedError'));
        });
        await page.evaluate(installCaptures);
        await page.click('#cmd_Rechne');
        // The bar follows the window's last control in the Tab order.
        await page.evaluate(() => document.getElementById('txt_Massebezeichnung').focus());
        await page.press('Tab');
        assert.equal(await page.evaluate(() => document.activeElement.dataset.offer), 'copy');
        await page.press('Enter');
        await page.press('Alt+Shift+K');
        const copied = await captured(page, 'clipboard', 2);
        const table = expectedTable(defaultResults.map((text) => text.replace(',', separator)),
          separator);
        assert.deepEqual(copied, Array(2).fill({ via: refused ? 'text area' : 'Clipboard API',
          text: table }), language);
        await page.close();
      }
    },

    // The window saved as PNG and as SVG: the PNG's charts are the canvases' pixels, the SVG's
    // texts the window's and its charts vector lines that draw the same pixels.
    async picturesOfTheResultAreSaved(engine) {
      const page = await engine.open(url, 'de-DE');
      const controls = await design(page);
      await page.evaluate(installCaptures);
      await page.click('#cmd_Rechne');
      await page.click('[data-offer="png"]');
      await page.press('Alt+Shift+G');
      const saved = await captured(page, 'downloads', 2);
      assert.deepEqual(saved.map(({ name }) => name).sort(), ['Testmasse ABC von Ziegelei XYZ.png',
        'Testmasse ABC von Ziegelei XYZ.svg'], await page.evaluate(() =>
        document.getElementById('report-message').textContent));
      const windowSize = await page.evaluate(() => {
        const { width, height } = document.getElementById('frm_Quelbor').getBoundingClientRect();
        return [width, height];
      });
      const summary = await page.evaluate(pngSummary);
      assert.deepEqual([summary.signature, summary.width, summary.height],
        ['89504e470d0a1a0a', windowSize[0] * 2, windowSize[1] * 2]);
      const text = await page.evaluate(svgSummary);
      assert.ok(text.lines > 100, `${text.lines} lines`);
      for (const shown of [...spoken.slice(0, 15).map(([, , name]) => name), ...defaultResults])
        assert.ok(text.texts.includes(shown), shown);
      if (artefacts) {
        fs.writeFileSync(path.join(artefacts, `${engine.name}-saved.svg`), text.source);
        fs.writeFileSync(path.join(artefacts, `${engine.name}-saved.png`),
          Buffer.from(summary.base64, 'base64'));
      }
      // Within the window the client lies below the caption bar, inside the frame.
      const surfaces = controls.filter((control) => control.kind === 'surface')
        .map((control) => ({ name: control.name, left: control.pixels[0] + 4, top: control.pixels[1] + 26 }));
      for (const [format, url, scale] of [['PNG', summary.url, 2], ['SVG', text.url, 1]]) {
        const shares = await page.evaluate(compareCharts, url, surfaces, scale);
        for (const [name, share] of Object.entries(shares))
          assert.ok(share < 0.001, `${format} ${name}: ${(100 * share).toFixed(2)} % differ`);
      }
    },

    // The section's tables are quelbor-calc's figures for the same inputs and uncertainties,
    // under English separators here, under German ones in the next check.
    async uncertaintyShowsQuelborCalcsFiguresInEnglish(engine) {
      const page = await engine.open(url, 'en-US');
      await showsQuelborCalcsFigures(page, '.');
    },

    // The same in German, then with the section open: axe-core finds nothing serious;
    // "Abbrechen" ends a running evaluation and leaves the section ready for the next, whose
    // failed trials are shown with their error texts; "Nochmal !" closes the section. Chromium
    // also runs the default 10^6 trials once, for the time in the log (docs/performance.md).
    // One page for all, since each opening and the worker's first start cost time in CI.
    async uncertaintyInGermanIsCancelledAndRunsAgain(engine) {
      const page = await engine.open(url, 'de-DE');
      await showsQuelborCalcsFigures(page, ',');
      await keep(page, engine, 'uncertainty', 'body');
      assert.deepEqual(await axeViolations(page), [], 'uncertainty section');

      await page.type('#uncertainty-trials', '10000000');
      await page.click('#uncertainty-start');
      // The page answers while the trials run, and the progress moves.
      const progressed = await page.evaluate(async () => {
        const bar = document.getElementById('uncertainty-progress');
        for (let i = 0; bar.value === 0 && i < 200; ++i)
          await new Promise((resolve) => setTimeout(resolve, 25));
        return bar.value;
      });
      assert.ok(progressed > 0 && progressed < 1, `progress ${progressed}`);
      await page.click('#uncertainty-cancel');
      assert.equal(await uncertaintyEnded(page), 'Abgebrochen.');
      assert.deepEqual(await page.evaluate(() => [document.getElementById('uncertainty-cancel')
        .disabled, document.getElementById('uncertainty-report').childElementCount]), [true, 0]);

      // With u(Xanf) = 0,25 some trials fail, each reported with the window's error text.
      await page.type('#uncertainty-u-Xanf', '0,25');
      await page.type('#uncertainty-trials', String(uncertaintyTrials));
      await page.click('#uncertainty-start');
      assert.match(await uncertaintyEnded(page), /^Berechnet/);
      const { failedTrials } = nativeUncertainty({ Xanf: '0,25' });
      assert.ok(failedTrials.count > 0);
      assert.deepEqual((await uncertaintyShown(page)).failed, [
        `${uncertaintyTrials} Versuche mit Startwert 17025, davon fehlgeschlagen: ${failedTrials.count}`,
        ...Object.entries(failedTrials.errors).map(([number, { count, text }]) =>
          `Laufzeitfehler ${number}: ${text} (${count}-mal)`)]);

      if (engine.name === 'chromium') {
        await page.type('#uncertainty-u-Xanf', '0,005');
        await page.type('#uncertainty-trials', '1000000');
        await page.click('#uncertainty-start');
        assert.match(await uncertaintyEnded(page), /^Berechnet/);
        assert.equal((await uncertaintyShown(page)).rows.length, 6);
        const seconds = await page.evaluate(() =>
          document.getElementById('uncertainty').dataset.seconds);
        console.log(`  ${engine.name}: 1000000 trials of the six results in ${seconds} s`);
      }

      await page.click('#cmd_Nochmal');
      assert.deepEqual(await page.evaluate(() => [document.getElementById('uncertainty').hidden,
        document.getElementById('offers').hidden]), [true, true]);
      assert.deepEqual(await page.failures(), []);
    },

    // A table picked in the section "Reihe" gives byte for byte the table quelbor-calc --batch
    // writes of it under the regional settings of the browser's language, and the counts it
    // reports.
    async seriesGivesQuelborCalcsTable(engine) {
      const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'quelbor-series-'));
      let page = null;
      try {
        for (const [name, bytes, format, language, allFields] of seriesTables) {
          const table = path.join(folder, name);
          fs.writeFileSync(table, bytes);
          const native = spawnSync(calc, ['--batch', table, `--format=${format}`,
            ...(allFields ? ['--all-fields'] : [])], { env: {
            ...process.env, LC_ALL: '', LANG: languages[language].locale, LOCPATH: localeDir } });
          const [, failed, rows] = /(\d+) of (\d+) rows failed/.exec(native.stderr);
          if (page?.language !== language) {
            page = Object.assign(await engine.open(url, language), { language });
            await page.evaluate(installCaptures);
          }
          await page.evaluate((chosen, every) => {
            document.getElementById('series-format').value = chosen;
            document.getElementById('series-all-fields').checked = every;
          }, format, allFields);
          await page.upload('#series-file', table);
          const status = await page.evaluate(async () => {
            const shown = document.getElementById('series-status');
            for (let i = 0; !/^Berechnet/.test(shown.textContent) && i < 600; ++i)
              await new Promise((resolve) => setTimeout(resolve, 50));
            return shown.textContent;
          });
          assert.equal(status, `Berechnet: ${rows} Zeilen, davon ${failed} fehlgeschlagen.`);
          await page.click('#series-save');
          const saved = await downloaded(page);
          assert.equal(saved.name, `${name.replace('.csv', '')}-Ergebnisse.${format}`);
          assert.ok(saved.bytes.equals(native.stdout),
            `${name} as ${format}${allFields ? ' with every model value' : ''}:\n${saved.bytes}\n---\n${native.stdout}`);
        }
        // A file that is no table: the error dialog says what quelbor-calc says; nothing offered.
        const picture = path.join(folder, 'bild.png');
        fs.writeFileSync(picture, Buffer.from('89504e470d0a1a0a0000000d00010200', 'hex'));
        const refused = spawnSync(calc, ['--batch', picture]);
        assert.equal(refused.status, 2);
        await page.upload('#series-file', picture);
        assert.deepEqual(await page.evaluate(async () => {
          const dialog = document.getElementById('report');
          for (let i = 0; !dialog.open && i < 400; ++i)
            await new Promise((resolve) => setTimeout(resolve, 50));
          return [dialog.querySelector('.message').textContent,
            document.getElementById('series-save').hidden];
        }), ['Die Reihe wurde nicht berechnet.\nDie Tabelle kann nicht gelesen werden. ' +
          `quelbor-calc meldet:\n${String(refused.stderr).trim()}`, true]);
        await page.click('#report button');

        // A long table: the progress moves, and "Abbrechen" ends the run with nothing offered.
        const long = path.join(folder, 'lang.csv');
        fs.writeFileSync(long, germanTable.split('\n')[0] + '\n' +
          `${germanTable.split('\n')[1]}\n`.repeat(300000));
        await page.upload('#series-file', long);
        const progressed = await page.evaluate(async () => {
          const bar = document.getElementById('series-progress');
          for (let i = 0; bar.value === 0 && i < 600; ++i)
            await new Promise((resolve) => setTimeout(resolve, 25));
          return bar.value;
        });
        assert.ok(progressed > 0 && progressed < 1, `progress ${progressed}`);
        await page.click('#series-cancel');
        assert.deepEqual(await page.evaluate(() => ['status', 'save', 'cancel'].map((id) => {
          const element = document.getElementById(`series-${id}`);
          return id === 'status' ? element.textContent : element.hidden || element.disabled;
        })), ['Abgebrochen.', true, true]);
        assert.deepEqual(await page.failures(), []);
      } finally {
        fs.rmSync(folder, { recursive: true, force: true });
      }
    },

    // Three bodies kept from the result bar (by its key and its button) show in the section
    // "Vergleich" as rows with quelbor-calc's results and as curves of three colours on each
    // chart; the copied table holds the rows; a new opening of the page finds them again
    // (local storage); a removed row stays removed; "Vergleich leeren" empties it for good.
    async comparisonKeepsBodiesThroughAReopening(engine) {
      let page = await engine.open(url, 'de-DE');
      await page.evaluate(() => localStorage.clear());
      page = await engine.open(url, 'de-DE');
      await page.evaluate(installCaptures);
      const bodies = [['Ton A', {}], ['Ton A + Sand', { txt_Xanf: '0,3', txt_ksiSE: '4,5' }],
        ['Ton B', { txt_ksiSE: '8', txt_kappaMess: '20', txt_KappaSteig: '9' }]];
      // Each body's inputs are those of the one before with its changes.
      let changed = {};
      const expected = bodies.map(([name, change]) => {
        changed = { ...changed, ...change };
        const inputs = { ...changed, txt_Massebezeichnung: name };
        const typed = copiedBoxes.slice(0, 8).map((box, i) => inputs[box] ?? defaultInputs[i]);
        const { results } = nativeReport(changed, ',');
        return [...typed, ...resultBoxes.map((box) => results[box]), ''];
      });
      for (const [i, [name, change]] of bodies.entries()) {
        await typeInputs(page, { txt_Massebezeichnung: name, ...change });
        await page.click('#cmd_Rechne');
        if (i === 0) await page.press('Alt+Shift+V');
        else await page.click('[data-offer="compare"]');
        await page.click('#cmd_Nochmal');
      }
      await page.press('Alt+Shift+V'); // nothing to keep after "Nochmal !"
      const rows = () => comparisonRows(page);
      assert.deepEqual(await rows(), expected);
      const inks = await page.evaluate((colours) => ['diffusivity', 'shrinkage'].map((chart) => {
        const canvas = document.getElementById(`comparison-${chart}`);
        const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        return colours.map((colour) => {
          let count = 0;
          for (let at = 0; at < data.length; at += 4)
            if (colour.every((value, c) => Math.abs(data[at + c] - value) <= 12)) ++count;
          return count;
        });
      }), [[0, 114, 178], [213, 94, 0], [0, 158, 115]]);
      for (const counts of inks) assert.ok(counts.every((count) => count >= 20), `${inks}`);
      await page.click('#comparison-copy');
      const captions = await page.evaluate(() => [...document.querySelectorAll(
        '#comparison thead th')].slice(1, -1).map((cell) => cell.textContent));
      assert.deepEqual(await captured(page, 'clipboard', 1), [{ via: 'Clipboard API',
        text: [captions, ...expected].map((line) => `${line.join('\t')}\n`).join('') }]);
      await keep(page, engine, 'comparison', 'body');
      assert.deepEqual(await axeViolations(page), [], 'comparison');
      // "Speichern …" downloads the table the desktop's window saves; quelbor-calc --batch reads
      // it back to the same results.
      await page.click('#comparison-save');
      const saved = await downloaded(page);
      assert.deepEqual([saved.name, saved.bytes.toString()], ['Vergleich.csv',
        savedComparison(expected)]);
      const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'quelbor-comparison-'));
      try {
        fs.writeFileSync(path.join(folder, 'Vergleich.csv'), saved.bytes);
        const batch = spawnSync(calc, ['--batch', path.join(folder, 'Vergleich.csv')],
          { env: { ...process.env, LC_ALL: 'C' } });
        const [header, ...lines] = String(batch.stdout).replace('\ufeff', '').trim().split(/\r?\n/)
          .map((line) => line.split(';'));
        assert.deepEqual(lines.map((line) => resultBoxes.map((box) => line[header.indexOf(box)])),
          expected.map((row) => row.slice(copiedBoxes.length - resultBoxes.length, -1)),
          String(batch.stderr));
      } finally {
        fs.rmSync(folder, { recursive: true, force: true });
      }

      page = await engine.open(url, 'de-DE');
      assert.deepEqual(await rows(), expected);
      await page.click('#comparison tbody tr:nth-child(2) [data-action="remove"]');
      assert.deepEqual(await rows(), [expected[0], expected[2]]);
      page = await engine.open(url, 'de-DE');
      assert.deepEqual(await rows(), [expected[0], expected[2]]);
      // Each body keeps its colour: the third stays green, though the second row now.
      assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll(
        '#comparison tbody .swatch')].map((swatch) => swatch.style.background)),
      ['rgb(0, 114, 178)', 'rgb(0, 158, 115)']);
      await page.click('#comparison-clear');
      assert.deepEqual([await rows(), await visible(page, 'comparison-empty')], [[], true]);
      page = await engine.open(url, 'de-DE');
      assert.deepEqual([await rows(), await visible(page, 'comparison-empty')], [[], true]);
      assert.deepEqual(await page.failures(), []);
    },

    // "Öffnen …" reads a table as the desktop's window does: each row calculated, a row that
    // fails or cannot be read with its error in its row, all of them there again in a new
    // opening of the page; a file that is no table or is too large is refused in the error
    // dialog and changes nothing.
    async comparisonOpensTables(engine) {
      const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'quelbor-opened-'));
      try {
        let page = await engine.open(url, 'de-DE');
        await page.evaluate(() => localStorage.clear());
        page = await engine.open(url, 'de-DE');
        const table = path.join(folder, 'Proben.csv');
        fs.writeFileSync(table, 'Probe;rhoSE;Xanf;ksiSE\nTon A;1850;0,25;6,2\nTon F;1850;1;6,2\n' +
          'Ton V;1790;0,3;5;zu viel\n');
        await page.upload('#comparison-file', table);
        await page.evaluate(async () => {
          for (let i = 0; !document.querySelector('#comparison tbody tr') && i < 400; ++i)
            await new Promise((resolve) => setTimeout(resolve, 50));
        });
        const inputs = (changes) => copiedBoxes.slice(1, 8).map((box, i) =>
          changes[box] ?? defaultInputs[i + 1]);
        const { error } = nativeReport({ txt_Xanf: '1' }, ',');
        const { results } = nativeReport({}, ',');
        const none = resultBoxes.map(() => '');
        const expected = [['Ton A', ...inputs({}), ...resultBoxes.map((box) => results[box]), ''],
          ['Ton F', ...inputs({ txt_Xanf: '1' }), ...none,
            `Laufzeitfehler ${error.number}: ${error.text}`],
          ['Ton V', ...inputs({}).map(() => ''), ...none,
            'Zeile 4 kann nicht gelesen werden: 5 Zellen, wo die Kopfzeile 4 hat']];
        assert.deepEqual(await comparisonRows(page), expected);
        page = await engine.open(url, 'de-DE');
        assert.deepEqual(await comparisonRows(page), expected, 'kept');

        const refusals = [
          ['bild.png', Buffer.from('89504e470d0a1a0a0000000d49484452', 'hex'),
            'Die Datei ist keine Tabelle in einer Kodierung, die Quelbor liest (UTF-8, ' +
            'Windows-1252 oder UTF-16 mit Byte-Order-Mark); bitte als CSV (UTF-8) speichern.'],
          ['gross.csv', Buffer.alloc((16 << 20) + 1, ' '),
            'Die Datei ist zu groß für einen Vergleich: höchstens 16 MB werden gelesen.'],
        ];
        for (const [name, bytes, refusal] of refusals) {
          fs.writeFileSync(path.join(folder, name), bytes);
          await page.upload('#comparison-file', path.join(folder, name));
          assert.equal(await reported(page), `${name} wird nicht geöffnet: ${refusal}`);
          assert.deepEqual(await comparisonRows(page), expected, name);
        }
        await keep(page, engine, 'comparison-opened', 'body');
        assert.deepEqual(await axeViolations(page), [], 'opened');
        assert.deepEqual(await page.failures(), []);
        await page.evaluate(() => localStorage.clear());
      } finally {
        fs.rmSync(folder, { recursive: true, force: true });
      }
    },

    // What the browser keeps for the comparison is read with care: what is no list of bodies
    // is passed over, a body that fails shows its error in its row.
    async comparisonPassesOverWhatItCannotRead(engine) {
      const failing = ['Ton X', ['1850', '1', '0,185', '6,2', '45', '20,5', '7']];
      const { error } = nativeReport({ txt_Xanf: '1' }, ',');
      const kept = [
        ['not JSON', '{"bodies": [', []],
        ['no list', '{"bodies": 5}', []],
        ['null', 'null', []],
        ['bodies of every kind', JSON.stringify({ bodies: [null, 7, { name: 'Ton Y', texts: [1] },
          { name: failing[0], texts: failing[1], shown: false },
          { name: 'Ton Z', texts: ['1\n2', '', '', '', '', '', ''] }] }),
        [[failing[0], '1850', '1', '6,2', '45', '20,5', '0,185', '7', '', '', '', '', '', '',
          `Laufzeitfehler ${error.number}: ${error.text}`]]],
      ];
      for (const [what, text, expected] of kept) {
        let page = await engine.open(url, 'de-DE');
        await page.evaluate((stored) => localStorage.setItem('quelbor-vergleich', stored), text);
        page = await engine.open(url, 'de-DE');
        assert.deepEqual(await comparisonRows(page), expected, what);
        assert.deepEqual(await page.failures(), [], what);
        await page.evaluate(() => localStorage.clear());
      }
    },

    // "Drucken …" prints; on paper only the window shows, whole on one landscape page.
    async printShowsTheWindowOnOnePage(engine) {
      const page = await engine.open(url, 'de-DE');
      await page.evaluate(installCaptures);
      await page.click('#cmd_Rechne');
      await page.click('[data-offer="print"]');
      await page.press('Alt+Shift+D');
      assert.equal(await captured(page, 'printed', 2), 2);
      const layout = await page.evaluate(printLayout);
      assert.deepEqual(layout.hidden, { offers: true, report: true });
      assert.ok(layout.window.width <= 1047 && layout.window.height <= 718,
        JSON.stringify(layout.window));
      if (page.pdf) {
        const pages = pdfPages(await page.pdf());
        assert.deepEqual(pages.map(([width, height]) => width > height), [true]);
      }
    },
  };
};
