// The automated accessibility check (axe-core) over the page's states a person meets: a solution
// being followed and an impossible position with its faults, in light and dark, English and German.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import fs from 'node:fs/promises';
import { start, openPage, waitForSolution, NEAR, link } from './page-helpers.mjs';

const require = createRequire(import.meta.url);
let server, stop, axeSource;
before(async () => {
  ({ server, stop } = await start());
  axeSource = await fs.readFile(require.resolve('axe-core/axe.min.js'), 'utf8');
});
after(async () => { await stop(); });

async function violations(page) {
  await page.addScriptTag({ content: axeSource });
  const result = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
  return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

for (const colorScheme of ['light', 'dark']) {
  test(`no accessibility violations in the ${colorScheme} scheme`, async () => {
    for (const locale of ['en-US', 'de-DE']) {
      const { page, close } = await openPage(server.url + link(NEAR), { colorScheme, locale });
      try {
        await waitForSolution(page);
        await page.check('#digits');
        await page.click('#step-next');
        assert.deepEqual(await violations(page), [], `${locale}, following a solution`);
        await page.goto(server.url + link('1000000000000000000000000_'));
        await page.waitForSelector('html[data-ready]');
        assert.ok(await page.isVisible('#faults'));
        assert.deepEqual(await violations(page), [], `${locale}, an impossible position`);
      } finally {
        await close();
      }
    }
  });
}
