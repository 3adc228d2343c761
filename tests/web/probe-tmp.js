const puppeteer = require('puppeteer-core');
(async () => {
  const browser = await puppeteer.launch({ browser: 'chrome', executablePath: '/usr/bin/chromium',
    headless: true, args: ['--no-sandbox', '--disable-gpu'] });
  const url = 'file://' + require('path').resolve(process.argv[2]) + '/index.html';
  for (let i = 0; i < 6; ++i) {
    const p = await browser.newPage();
    await p.evaluateOnNewDocument(() => {
      let real;
      Object.defineProperty(window, 'createQuelbor', { configurable: true,
        set(v) { real = v; window.__defined = performance.now(); },
        get() { return (...a) => { window.__called = performance.now(); return real(...a).then((m) => { window.__resolved = performance.now(); return m; }); }; } });
    });
    await p.goto(url);
    await p.waitForSelector('body[data-ready]');
    console.log(await p.evaluate(() => JSON.stringify({
      nav: performance.getEntriesByType('navigation').map((n) => [Math.round(n.domInteractive), Math.round(n.domContentLoadedEventEnd)]),
      res: performance.getEntriesByType('resource').map((r) => [r.name.split('/').pop(), Math.round(r.startTime), Math.round(r.responseEnd)]).filter((r) => r[2] - r[1] > 3),
      defined: Math.round(window.__defined), called: Math.round(window.__called), resolved: Math.round(window.__resolved),
      ready: document.body.dataset.readyAfterMs, t: window.__t, s: window.__s })));
    await p.close();
  }
  await browser.close();
})();
