'use strict';
// The page's figures in Chromium: a series of a table of samples picked in the section "Reihe",
// timed from the pick to "Berechnet", with the tab's memory (the resident memory of its
// renderer process, where the series' worker runs too) sampled every 100 ms; then how long the
// page takes from opening to ready to type, over ten openings.
//   node scripts/bench-web-series.js <page dir> <table> <rows>
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { execFileSync } = require('node:child_process');
const puppeteer = require(path.join(__dirname, '..', 'tests', 'web', 'node_modules',
  'puppeteer-core'));

// The renderer processes below the browser's process, each with its resident memory in MB
// and its CPU time in seconds so far.
function renderers(browserPid) {
  const parents = new Map();
  const stats = new Map();
  for (const pid of fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      const stat = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      parents.set(pid, fields[1]);
      stats.set(pid, fields);
    } catch {
      // ended meanwhile
    }
  }
  const below = (pid) => {
    for (let up = parents.get(pid); up; up = parents.get(up))
      if (up === String(browserPid)) return true;
    return false;
  };
  const found = new Map();
  for (const pid of parents.keys()) {
    try {
      if (!below(pid) || !fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8').includes('--type=renderer'))
        continue;
      const status = fs.readFileSync(`/proc/${pid}/status`, 'utf8');
      const rollup = fs.readFileSync(`/proc/${pid}/smaps_rollup`, 'utf8');
      const kilobytes = (field, text) => Number(new RegExp(`${field}:\\s+(\\d+)`).exec(text)[1]);
      const fields = stats.get(pid);
      found.set(pid, { megabytes: kilobytes('VmRSS', status) / 1024,
        privateMegabytes: (kilobytes('Private_Clean', rollup) + kilobytes('Private_Dirty', rollup)) / 1024,
        cpu: (Number(fields[11]) + Number(fields[12])) / ticksPerSecond });
    } catch {
      // ended meanwhile
    }
  }
  return found;
}
const ticksPerSecond = Number(execFileSync('getconf', ['CLK_TCK'], { encoding: 'utf8' }));

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor((values.length - 1) / 2)];

(async () => {
  const [pageDir, table, rows] = process.argv.slice(2);
  const url = pathToFileURL(path.resolve(pageDir, 'index.html')).href;
  const browser = await puppeteer.launch({ browser: 'chrome', executablePath: '/usr/bin/chromium',
    headless: true, args: ['--no-sandbox', '--disable-gpu'] });
  const browserPid = browser.process().pid;
  try {
    const page = await browser.newPage();
    await page.goto(url);
    await page.waitForSelector('body[data-ready]');
    // The tab is the renderer that grows most; the others (a blank page, a spare) stay idle.
    const before = renderers(browserPid);
    const peaks = new Map([...before].map(([pid, { megabytes }]) => [pid, megabytes]));
    const privatePeaks = new Map();
    const sampling = setInterval(() => {
      for (const [pid, { megabytes, privateMegabytes }] of renderers(browserPid)) {
        peaks.set(pid, Math.max(peaks.get(pid) ?? 0, megabytes));
        privatePeaks.set(pid, Math.max(privatePeaks.get(pid) ?? 0, privateMegabytes));
      }
    }, 100);
    const started = Date.now();
    await (await page.$('#series-file')).uploadFile(table);
    const status = await page.waitForFunction(() => {
      const text = document.getElementById('series-status').textContent;
      return /^Berechnet/.test(text) && text;
    }, { timeout: 0, polling: 50 }).then((handle) => handle.jsonValue());
    const seconds = (Date.now() - started) / 1000;
    clearInterval(sampling);
    const after = renderers(browserPid);
    const cpu = [...after].reduce((sum, [pid, { cpu: total }]) =>
      sum + total - (before.get(pid)?.cpu ?? 0), 0);
    const [tab, peak] = [...peaks].sort((a, b) => (b[1] - (before.get(b[0])?.megabytes ?? 0)) -
      (a[1] - (before.get(a[0])?.megabytes ?? 0)))[0];
    const output = await page.evaluate(() => new Promise((resolve) => {
      HTMLAnchorElement.prototype.click = function size() {
        fetch(this.href).then((response) => response.blob()).then((blob) => resolve(blob.size));
      };
      document.getElementById('series-save').click();
    }));
    console.log(`series:   ${status}`);
    console.log(`          ${rows} rows, ${fs.statSync(table).size} bytes in, ${output} bytes out`);
    console.log(`          ${seconds.toFixed(2)} s, ${Math.round(rows / seconds)} rows/s; ` +
      `${cpu.toFixed(2)} s CPU of the renderers, ${Math.round(rows / cpu)} rows per CPU second`);
    console.log(`          tab's memory (renderer ${tab}) ${before.get(tab).megabytes.toFixed(0)} MB ` +
      `before, peak ${peak.toFixed(0)} MB resident; its own (private, without the shared ` +
      `libraries) ${before.get(tab).privateMegabytes.toFixed(0)} MB before, peak ` +
      `${privatePeaks.get(tab).toFixed(0)} MB`);
    await page.close();

    const ready = [];
    for (let opening = 0; opening < 10; ++opening) {
      const opened = await browser.newPage();
      await opened.goto(url);
      await opened.waitForSelector('body[data-ready]');
      ready.push(Number(await opened.evaluate(() => document.body.dataset.readyAfterMs)));
      await opened.close();
    }
    console.log(`ready to type: median ${median(ready)} ms of ten openings (${ready.join(', ')})`);
  } finally {
    await browser.close();
  }
})();
