import { start, openPage, waitForSolution, NEAR, link } from './page-helpers.mjs';
const { server, stop } = await start();
const out = process.argv[2] || '/work/shots/web';
for (const [w, h] of [[390, 844], [1280, 800]]) for (const locale of ['en-GB', 'de-DE']) for (const colorScheme of ['light', 'dark']) {
  const { page, close } = await openPage(server.url + link(process.env.SHOT_LAYOUT || NEAR), { viewport: { width: w, height: h }, locale, colorScheme });
  await waitForSolution(page);
  await page.click('#step-next');
  await page.waitForTimeout(400);
  const name = `${out}/${w}x${h}-${locale.slice(0,2)}-${colorScheme}.png`;
  await page.screenshot({ path: name, fullPage: false });
  console.log(name);
  await close();
}
await stop();
