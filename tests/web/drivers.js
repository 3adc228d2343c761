'use strict';
// The three browser engines a lab meets the page in, each behind the same small driver: open
// the page under a browser language, evaluate a function in it, click, type, press keys, take
// a screenshot. Chromium and Firefox run headless through puppeteer-core (Chromium over its
// DevTools protocol, Firefox over WebDriver BiDi); WebKit is WebKitGTK's MiniBrowser through
// WebKitWebDriver, a plain W3C WebDriver session over HTTP on an Xvfb display. All are
// Debian's own browsers; none is downloaded. One browser process per engine and language
// setting: Chromium and Firefox are told the language in each page; WebKitGTK takes it from
// the process's locale (LANG), so a language of its own is a MiniBrowser of its own.
const fs = require('node:fs');
const net = require('node:net');
const { spawn, execFileSync } = require('node:child_process');
const puppeteer = require('puppeteer-core');

// The browser languages the checks open the page under: the language list a browser reports
// and, for WebKitGTK, the locale that makes it report it.
const languages = {
  'de-DE': { reported: ['de-DE', 'de'], locale: 'de_DE.UTF-8' },
  'en-US': { reported: ['en-US', 'en'], locale: 'en_US.UTF-8' },
  C: { reported: ['C'], locale: 'C.UTF-8' },
};

const viewport = { width: 1100, height: 800 };
const keyCodes = { Tab: '\uE004', Enter: '\uE007', Escape: '\uE00C', Alt: '\uE00A',
  Shift: '\uE008', Control: '\uE009' };

// A function to run in the page and its arguments, as the source of one call.
const callSource = (fn, args) => `(${fn})(...${JSON.stringify(args)})`;

// ---- puppeteer: Chromium and Firefox

class PuppeteerPage {
  constructor(page) {
    this.page = page;
    this.seen = [];
    page.on('pageerror', (error) => this.seen.push(error.message));
    page.on('request', (request) => {
      if (!/^(file|data|blob):/.test(request.url()))
        this.seen.push(`request outside the page: ${request.url()}`);
    });
  }

  // The script errors and requests to anywhere but the page's own files so far.
  async failures() {
    return this.seen;
  }

  evaluate(fn, ...args) {
    return this.page.evaluate(callSource(fn, args));
  }

  click(selector) {
    return this.page.click(selector);
  }

  async type(selector, text) {
    await this.page.$eval(selector, (box) => { box.value = ''; });
    await this.page.type(selector, text);
  }

  // The file chosen in a file input, as a user picks it.
  async upload(selector, file) {
    await (await this.page.$(selector)).uploadFile(file);
  }

  async press(chord) {
    const keys = chord.split('+');
    for (const key of keys.slice(0, -1)) await this.page.keyboard.down(key);
    const last = keys.at(-1);
    await this.page.keyboard.press(last.length === 1 ? `Key${last}` : last);
    for (const key of keys.slice(0, -1).reverse()) await this.page.keyboard.up(key);
  }

  async screenshot(selector) {
    return Buffer.from(await (await this.page.$(selector)).screenshot());
  }

  // The PDF the browser prints of the page, with the page's own page size.
  async pdf() {
    return Buffer.from(await this.page.pdf({ preferCSSPageSize: true, printBackground: true }));
  }

  close() {
    return this.page.close();
  }
}

async function puppeteerEngine(name, browser, executablePath, args) {
  if (!fs.existsSync(executablePath))
    throw new Error(`${name}: ${executablePath} is missing (scripts/install-deps installs it)`);
  const instance = await puppeteer.launch({ browser, executablePath, headless: true, args,
    defaultViewport: viewport });
  return {
    name,
    async open(url, language) {
      const page = await instance.newPage();
      const driven = new PuppeteerPage(page);
      await page.evaluateOnNewDocument((reported) => {
        Object.defineProperty(Navigator.prototype, 'languages', { get: () => reported });
        Object.defineProperty(Navigator.prototype, 'language', { get: () => reported[0] });
      }, languages[language].reported);
      await page.goto(url);
      await page.waitForSelector('body[data-ready]');
      return driven;
    },
    close: () => instance.close(),
  };
}

// ---- W3C WebDriver over HTTP: WebKitGTK

function freePort() {
  return new Promise((resolve, reject) => {
    const server = net.createServer();
    server.on('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

class WebDriverPage {
  constructor(session) {
    this.session = session;
  }

  // The script errors since the page became ready (WebDriver reports no requests).
  failures() {
    return this.evaluate(() => window.pageFailures);
  }

  async element(selector) {
    const found = await this.session('POST', '/element', { using: 'css selector', value: selector });
    return Object.values(found)[0];
  }

  // A function's result, awaited in the page when it is a promise.
  evaluate(fn, ...args) {
    return this.session('POST', '/execute/async', {
      script: `const done = arguments[arguments.length - 1];
        Promise.resolve().then(() => ${callSource(fn, args)}).then(done,
          (error) => done({ evaluationFailed: String(error && error.stack || error) }));`,
      args: [],
    }).then((value) => {
      if (value && value.evaluationFailed) throw new Error(value.evaluationFailed);
      return value;
    });
  }

  async click(selector) {
    await this.session('POST', `/element/${await this.element(selector)}/click`, {});
  }

  async type(selector, text) {
    const element = await this.element(selector);
    await this.session('POST', `/element/${element}/clear`, {});
    if (text) await this.session('POST', `/element/${element}/value`, { text });
  }

  async upload(selector, file) {
    await this.session('POST', `/element/${await this.element(selector)}/value`, { text: file });
  }

  async press(chord) {
    const keys = chord.split('+').map((key) => keyCodes[key] ?? key.toLowerCase());
    const downs = keys.map((value) => ({ type: 'keyDown', value }));
    const ups = [...keys].reverse().map((value) => ({ type: 'keyUp', value }));
    await this.session('POST', '/actions',
      { actions: [{ type: 'key', id: 'keyboard', actions: [...downs, ...ups] }] });
    await this.session('DELETE', '/actions');
  }

  // WebKitGTK's element screenshot of the body loses its top, the page's one does not.
  async screenshot(selector) {
    const png = await this.session('GET', selector === 'body' ? '/screenshot'
      : `/element/${await this.element(selector)}/screenshot`);
    return Buffer.from(png, 'base64');
  }

  // Nothing to close: the session's one window is reused by the next opening.
  async close() {}
}

async function webDriverEngine(name, driverPath, browserPath, localeDir) {
  for (const program of [driverPath, browserPath, '/usr/bin/xvfb-run'])
    if (!fs.existsSync(program))
      throw new Error(`${name}: ${program} is missing (scripts/install-deps installs it)`);
  const port = await freePort();
  const driver = spawn('xvfb-run', ['-a', '-s', '-screen 0 1280x1024x24 -noreset', driverPath,
    `--port=${port}`], { detached: true, stdio: 'ignore' });
  const stopDriver = () => {
    try {
      process.kill(-driver.pid);
    } catch {
      // ended already
    }
  };
  process.on('exit', stopDriver);
  const base = `http://127.0.0.1:${port}`;
  const request = async (method, path, body) => {
    const response = await fetch(`${base}${path}`, { method,
      headers: { 'content-type': 'application/json' },
      body: body === undefined ? undefined : JSON.stringify(body) });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`${name}: ${method} ${path}: ${value.error} ${value.message}`);
    return value;
  };
  for (let attempt = 0; ; ++attempt) {
    try {
      await request('GET', '/status');
      break;
    } catch (failure) {
      if (attempt === 100) throw new Error(`${name}: WebKitWebDriver did not start: ${failure.message}`);
      await pause(100);
    }
  }

  // One session at a time (WebKitWebDriver holds no more), kept while the language stays.
  let current = null;
  const sessionFor = async (language) => {
    if (current?.language === language) return current.call;
    if (current) await current.call('DELETE', '');
    const { sessionId } = await request('POST', '/session', { capabilities: { alwaysMatch: {
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': { binary: '/usr/bin/env', args: [
        `LANG=${languages[language].locale}`, `LOCPATH=${localeDir}`, browserPath,
        '--automation'] },
    } } });
    const call = (method, path, body) => request(method, `/session/${sessionId}${path}`, body);
    await call('POST', '/window/rect', { ...viewport, x: 0, y: 0 });
    current = { language, call };
    return call;
  };

  return {
    name,
    async open(url, language) {
      const page = new WebDriverPage(await sessionFor(language));
      await page.session('POST', '/url', { url });
      for (let attempt = 0; !(await page.evaluate(() => document.body.dataset.ready)); ++attempt) {
        if (attempt === 100) throw new Error(`${name}: the page did not become ready`);
        await pause(30);
      }
      await page.evaluate(() => {
        window.pageFailures = [];
        window.addEventListener('error', (event) => window.pageFailures.push(event.message));
      });
      return page;
    },
    async close() {
      if (current) await current.call('DELETE', '').catch(() => {});
      stopDriver();
    },
  };
}

// The engines by name, each made on demand.
const engines = {
  chromium: () => puppeteerEngine('chromium', 'chrome', '/usr/bin/chromium',
    ['--no-sandbox', '--disable-gpu']),
  firefox: () => puppeteerEngine('firefox', 'firefox', '/usr/bin/firefox-esr', []),
  webkit: (localeDir) => webDriverEngine('webkit', '/usr/bin/WebKitWebDriver',
    minibrowserPath(), localeDir),
};

// MiniBrowser lies in libwebkit2gtk-4.1-0's private folder, which differs per architecture.
function minibrowserPath() {
  try {
    return execFileSync('dpkg', ['-L', 'libwebkit2gtk-4.1-0'], { encoding: 'utf8' })
      .split('\n').find((file) => file.endsWith('/MiniBrowser')) ?? 'MiniBrowser';
  } catch {
    return 'MiniBrowser (libwebkit2gtk-4.1-0 is not installed)';
  }
}

module.exports = { engines, languages };
