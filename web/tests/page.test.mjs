// The page in a real browser at phone size: open a link, solve, follow to solved, keep the
// position, work offline, speak German, fit 360 px, and operate the drum from the keyboard.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { start, openPage, waitForSolution, followToEnd, NEAR, OTHER, link } from './page-helpers.mjs';

let server, stop;
before(async () => { ({ server, stop } = await start()); });
after(async () => { await stop(); });

test('a link opens its position, is solved at once and followed to solved; the step survives a visit', async () => {
  const { page, close, errors } = await openPage(server.url + link(NEAR), { viewport: { width: 390, height: 844 } });
  try {
    const view = await waitForSolution(page);
    assert.equal(view.layout, NEAR);
    assert.equal(await page.inputValue('#solution-digits'), view.path.moves);
    assert.equal(await page.locator('#steps button').count(), view.path.length + 1);
    assert.match(await page.textContent('#next'), new RegExp(`^Next: .+\\s— 1\\sof\\s${view.path.length}$`));
    assert.ok(await page.locator('#drum .arrow path').count() > 0, 'the next move is drawn on the drum');

    await page.click('#step-next');
    assert.equal(await page.evaluate(() => location.search), '', 'the link is read once');
    await page.reload();
    await page.waitForSelector('html[data-ready]');
    const kept = await page.evaluate(() => window.trommelquirl.view);
    assert.equal(kept.step, 1);
    assert.equal(kept.path.moves, view.path.moves);
    assert.equal(await page.getAttribute('#steps [aria-current="step"]', 'data-step'), '1');

    const said = await followToEnd(page);
    assert.match(said.at(-1), /^Solved/);
    const end = await page.evaluate(() => window.trommelquirl.view);
    assert.ok(end.solved && end.atEnd);
    assert.equal(await page.locator('#drum .arrow path').count(), 0, 'no arrow once solved');
    // Every step's words came in order, counting up to the solution's length.
    const counts = said.slice(0, -1).map((words) => Number(/— (\d+)\sof/.exec(words)[1]));
    assert.deepEqual(counts, Array.from({ length: view.path.length - 1 }, (_, i) => i + 2));
    assert.deepEqual(errors, []);
  } finally {
    await close();
  }
});

test('after one visit the page opens a new link and solves it with no network', async () => {
  const { page, context, close } = await openPage(server.url + link(NEAR));
  try {
    await waitForSolution(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    // Playwright's offline switch does not reach a service worker's own fetches in every
    // version, so the server also answers nothing from here on.
    await context.setOffline(true);
    server.cutOff(true);
    await page.goto(server.url + link(OTHER));
    await page.waitForSelector('html[data-ready]');
    const view = await waitForSolution(page);
    assert.equal(view.layout, OTHER);
    const said = await followToEnd(page);
    assert.match(said.at(-1), /^Solved/);
  } finally {
    server.cutOff(false);
    await close();
  }
});

test('a German browser gets German words and lang="de"; the switch is remembered', async () => {
  const { page, close } = await openPage(server.url + link(NEAR), { locale: 'de-DE' });
  try {
    await waitForSolution(page);
    assert.equal(await page.getAttribute('html', 'lang'), 'de');
    assert.match(await page.textContent('#next'), /^Nächster Zug: .+\s— 1\svon\s\d+$/);
    assert.equal(await page.textContent('#solve'), 'Lösen');
    await page.selectOption('#language', 'en');
    await page.reload();
    await page.waitForSelector('html[data-ready]');
    assert.equal(await page.getAttribute('html', 'lang'), 'en');
    assert.equal(await page.textContent('#solve'), 'Solve');
  } finally {
    await close();
  }
});

test('at 360 px nothing scrolls sideways and every control is at least 44 px, in both languages', async () => {
  const bad = '0000000000000000000000000_';  // many faults: the longest texts the page shows
  for (const locale of ['en-GB', 'de-DE']) {
    for (const layout of [NEAR, bad]) {
      const { page, close } = await openPage(server.url + link(layout), { viewport: { width: 360, height: 740 }, locale });
      try {
        if (layout === NEAR) await waitForSolution(page);
        const widths = await page.evaluate(() => [document.documentElement.scrollWidth, window.innerWidth]);
        assert.ok(widths[0] <= widths[1], `${locale} ${layout}: page ${widths[0]} px wide in ${widths[1]} px`);
        const small = await page.evaluate(() => [...document.querySelectorAll('button, select, input:not([type=radio]):not([type=checkbox]), .swatch, .switch, #drum .hit')]
          .filter((node) => node.getClientRects().length > 0 && !node.closest('[hidden]'))
          .map((node) => ({ node: node.id || node.className.baseVal || node.className || node.tagName, box: node.getBoundingClientRect() }))
          .filter(({ box }) => box.width < 43.5 || box.height < 43.5)
          .map(({ node, box }) => `${node} ${Math.round(box.width)}×${Math.round(box.height)}`));
        assert.deepEqual(small, [], `${locale}: targets under 44 px`);
      } finally {
        await close();
      }
    }
  }
});

test('an impossible position says every fault in words and marks its slots; undo brings the old one back', async () => {
  const { page, close } = await openPage(server.url + link(NEAR));
  try {
    await waitForSolution(page);
    await page.click('.swatch:has(input[value="0"])');
    await page.click('#drum .slot[data-slot="7"] .hit');   // column 2, row 2: yellow becomes blue
    assert.equal(await page.getAttribute('#drum .slot[data-slot="7"]', 'aria-label'), 'column 2, row 2: blue');
    const faults = await page.locator('#fault-list li').allTextContents();
    assert.deepEqual(faults, ['Colour 0 (blue) has 5 balls; it needs 4.', 'Colour 1 (yellow) has 3 balls; it needs 4.']);
    const marked = await page.evaluate(() => [...document.querySelectorAll('#drum .slot.marked')].map((s) => Number(s.dataset.slot)).sort((a, b) => a - b));
    const view = await page.evaluate(() => window.trommelquirl.view);
    assert.deepEqual(marked, [...new Set(view.faults.flatMap((f) => f.slots))].sort((a, b) => a - b));
    assert.ok(await page.isDisabled('#solve'));

    await page.click('#undo');
    assert.equal(await page.locator('#fault-list li').count(), 0);
    assert.ok(await page.isHidden('#faults'));
  } finally {
    await close();
  }
});

test('the drum is operated from the keyboard: arrows move between slots, digits and "." set them', async () => {
  const { page, close } = await openPage(server.url + link(NEAR));
  try {
    await page.focus('#drum .slot[tabindex="0"]');
    const focused = () => page.evaluate(() => document.activeElement.getAttribute('aria-label'));
    assert.match(await focused(), /^column 1, row 1: /);
    await page.keyboard.press('ArrowLeft');                  // round the drum to column 5
    assert.match(await focused(), /^column 5, row 1: /);
    await page.keyboard.press('ArrowUp');
    assert.match(await focused(), /^column 5, row 0: /);
    await page.keyboard.press('ArrowRight');                 // row 0 exists in long columns only
    assert.match(await focused(), /^column 1, row 0: /);
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('3');
    assert.equal(await focused(), 'column 1, row 1: grey');
    await page.keyboard.press('.');
    assert.equal(await focused(), 'column 1, row 1: empty');
    assert.equal(await page.locator('#drum .slot[tabindex="0"]').count(), 1, 'one slot in the tab order');
  } finally {
    await close();
  }
});

test('a link that is no layout opens the start position and says why', async () => {
  const { page, close } = await openPage(server.url + '?layout=12345');
  try {
    assert.match(await page.textContent('#status'), /^Not set\. It has 5 characters; a layout has 26\.$/);
    const view = await page.evaluate(() => window.trommelquirl.view);
    assert.ok(view.valid && view.solved);
  } finally {
    await close();
  }
});

test('keys follow the solution, play runs it to solved, and undo takes a step back', async () => {
  const { page, close } = await openPage(server.url + link(OTHER));
  try {
    const view = await waitForSolution(page);
    const step = () => page.evaluate(() => window.trommelquirl.view.step);
    await page.locator('body').press('ArrowRight');
    await page.locator('body').press('ArrowRight');
    assert.equal(await step(), 2);
    await page.locator('body').press('ArrowLeft');
    assert.equal(await step(), 1);
    await page.locator('body').press('End');
    assert.equal(await step(), view.path.length);
    await page.locator('body').press('Home');
    assert.equal(await step(), 0);

    await page.click('#play');
    assert.equal(await page.getAttribute('#play', 'aria-pressed'), 'true');
    await page.waitForFunction(() => window.trommelquirl.view.atEnd, null, { timeout: 20000 });
    assert.equal(await page.getAttribute('#play', 'aria-pressed'), 'false');
    assert.match(await page.textContent('#next'), /^Solved/);

    await page.click('#undo');
    assert.equal(await step(), view.path.length - 1);
    assert.equal(await page.getAttribute('#undo', 'aria-label'), 'Undo step');
  } finally {
    await close();
  }
});

test('a solver that cannot load ends the wait and says so', async () => {
  const { page, context, close } = await openPage(null);
  try {
    await context.route('**/tq-solver-worker.js', (route) => route.fulfill({ status: 200, contentType: 'text/javascript', body: 'throw new Error("broken");' }));
    await page.goto(server.url + link(NEAR));
    await page.waitForSelector('html[data-ready]');
    await page.waitForFunction(() => window.trommelquirl.view.waiting === 'nothing');
    assert.equal(await page.textContent('#status'), 'The solver could not be loaded in this browser.');
    assert.equal(await page.locator('#steps button').count(), 0);
  } finally {
    await close();
  }
});

test('a typed layout is set and solved on asking; the hint names the first move; colour digits are remembered', async () => {
  const { page, close } = await openPage(server.url);
  try {
    await page.fill('#layout', OTHER.replace(/ /g, '_'));
    await page.click('#layout-form button[type=submit]');
    assert.equal(await page.textContent('#status'), 'Set the new position.');
    assert.equal(await page.evaluate(() => window.trommelquirl.view.layout), OTHER);
    assert.equal(await page.locator('#steps button').count(), 0, 'a new position waits to be asked');

    await page.click('#hint');
    await page.waitForFunction(() => window.trommelquirl.view.hintMove > 0);
    const hinted = await page.evaluate(() => window.trommelquirl.view.hintMove);
    assert.match(await page.textContent('#next'), /^Hint: /);
    assert.ok(await page.locator(`[data-move="${hinted}"].suggested`).isVisible());

    await page.click('#solve');
    const view = await waitForSolution(page);
    assert.equal(Number(view.path.moves[0]), hinted, 'the hint is the solution\'s first move');

    await page.check('#digits');
    await page.reload();
    await page.waitForSelector('html[data-ready]');
    const digits = await page.locator('#drum .digit').evaluateAll((nodes) => nodes.map((n) => n.textContent).join(''));
    assert.equal(digits, OTHER.replace(/ /g, ''));
  } finally {
    await close();
  }
});
