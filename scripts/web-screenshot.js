'use strict';
// The web page after "Rechne !" with the default inputs, German browser language, as a PNG.
//   node scripts/web-screenshot.js <page dir> <png>
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { chromium } = require(path.join(__dirname, '..', 'tests', 'web', 'node_modules',
                                       'playwright-core'));

(async () => {
  const [pageDir, png] = process.argv.slice(2);
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
                                          args: ['--no-sandbox', '--disable-gpu'] });
  const page = await browser.newPage({ locale: 'de-DE', viewport: { width: 1000, height: 720 } });
  await page.goto(pathToFileURL(path.resolve(pageDir, 'index.html')).href);
  await page.waitForSelector('body[data-ready]');
  await page.click('#cmd_Rechne');
  await (await page.$('#frm_Quelbor')).screenshot({ path: png });
  await browser.close();
})();
