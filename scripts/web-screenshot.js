'use strict';
// The web page after "Rechne !" with the default inputs, German browser language, as a PNG:
// the window with the bar of the result's offers under it.
//   node scripts/web-screenshot.js <page dir> <png>
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const puppeteer = require(path.join(__dirname, '..', 'tests', 'web', 'node_modules',
                                    'puppeteer-core'));

(async () => {
  const [pageDir, png] = process.argv.slice(2);
  const browser = await puppeteer.launch({ browser: 'chrome', executablePath: '/usr/bin/chromium',
                                           args: ['--no-sandbox', '--disable-gpu'],
                                           defaultViewport: { width: 1000, height: 760 } });
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(() => {
    Object.defineProperty(Navigator.prototype, 'languages', { get: () => ['de-DE'] });
  });
  await page.goto(pathToFileURL(path.resolve(pageDir, 'index.html')).href);
  await page.waitForSelector('body[data-ready]');
  await page.click('#cmd_Rechne');
  await (await page.$('main')).screenshot({ path: png });
  await browser.close();
})();
