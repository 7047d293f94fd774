// What the browser tests share: a served page, a fresh Chromium, and waiting for the page's
// own signs (ready, solving done) rather than for fixed times.
import { serve, chooseRoot } from './serve.mjs';
import { launch, launchBrowser } from './browser.mjs';

// Positions a few moves from solved, made by the drum's own moves from the start position, so the
// stand-in core's plain search answers them as well as the real solver does.
export const NEAR = ' 000053111 222213444 35554';        // 1, 3, 5, 2, 4 from the start
export const OTHER = '30110 114232242 440535505 ';   // 2, 5, 4, 5, 1 from the start
export const link = (layout) => `?layout=${layout.replace(/ /g, '_')}`;

let shared = null;
// The served page and one browser for a test file; stop() ends both.
export async function start() {
  const server = await serve(await chooseRoot());
  shared = await launchBrowser();
  return { server, stop: async () => { await shared.close(); shared = null; await server.close(); } };
}

// A fresh context with one page on `url` (null: none yet), ready to use.
export async function openPage(url, options = {}) {
  const browser = await launch(options, shared);
  const page = browser.context.pages()[0] || (await browser.context.newPage());
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  if (url !== null) {
    await page.goto(url);
    await page.waitForSelector('html[data-ready]');
  }
  return { ...browser, page, errors };
}

export async function waitForSolution(page) {
  await page.waitForFunction(() => document.querySelectorAll('#steps button').length > 0 &&
    window.trommelquirl.view.waiting === 'nothing', null, { timeout: 30000 });
  return page.evaluate(() => window.trommelquirl.view);
}

// Clicks "next move" until the page says the end is reached; gives the texts shown on the way.
export async function followToEnd(page) {
  const said = [];
  for (let guard = 0; guard < 40; ++guard) {
    said.push(await page.textContent('#next'));
    if (await page.isDisabled('#step-next')) break;
    await page.click('#step-next');
  }
  return said;
}
