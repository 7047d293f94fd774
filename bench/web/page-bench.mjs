// The page's figures in Chromium: time to the first shortest solution after first opening the
// page on a typical position, the longest frame gap while the full table builds and positions are
// solved, and the page's weight (what a first visit downloads, gzipped).
// Usage: node bench/web/page-bench.mjs [build/web] [--positions N] [--stand-in]
// (--stand-in: web/page/ with the tests' stand-in core, to try the bench itself.) Prints lines and
// one JSON line.
import path from 'node:path';
import fs from 'node:fs/promises';
import zlib from 'node:zlib';
import { fileURLToPath } from 'node:url';
import { serve } from '../../web/tests/serve.mjs';

// Playwright comes from the web tests' pinned packages.
let launchBrowser;
try {
  ({ launchBrowser } = await import('../../web/tests/browser.mjs'));
} catch {
  console.error('page-bench: the web tests\' npm packages are missing; run bash web/tests/install-packages.sh');
  process.exit(1);
}

const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const args = process.argv.slice(2);
const root = path.resolve(args.find((a) => !a.startsWith('--')) ?? path.join(repo, 'build/web'));
const count = Number(args[args.indexOf('--positions') + 1]) || 5;
const SEEDS = [2718281828, 3141592653, 1414213562, 1732050807, 2236067977, 1618033988, 577215664, 693147180];

// Recorded in the page from its first moment: the time a solution first shows, and frame gaps.
const RECORDER = () => {
  window.__bench = { firstSolution: null, maxGap: 0, gaps: false, long: [] };
  new MutationObserver(() => {
    if (window.__bench.firstSolution === null && document.querySelector('#steps button')) {
      window.__bench.firstSolution = performance.now();
    }
  }).observe(document, { childList: true, subtree: true });
  // Long tasks tell whether a gap was the page's own work or the browser's.
  window.__bench.tasks = [];
  try {
    new PerformanceObserver((list) => {
      for (const e of list.getEntries()) window.__bench.tasks.push([Math.round(e.startTime), Math.round(e.duration)]);
    }).observe({ type: 'longtask', buffered: true });
  } catch { /* no long task timing in this browser */ }
  let last = null;
  const frame = (now) => {
    if (window.__bench.gaps && last !== null) {
      window.__bench.maxGap = Math.max(window.__bench.maxGap, now - last);
      if (now - last > 50) window.__bench.long.push([Math.round(last), Math.round(now - last)]);
    }
    last = now;
    requestAnimationFrame(frame);
  };
  requestAnimationFrame(frame);
};

async function waitSolved(page, layout) {
  await page.waitForFunction((l) => {
    const v = window.trommelquirl && window.trommelquirl.view;
    return v && v.layout === l && v.path && v.waiting === 'nothing';
  }, layout, { timeout: 120000 });
}

const server = await serve(args.includes('--stand-in') ? null : root);
const browser = await launchBrowser();
try {
  // Typical positions: the session's own scramble from fixed seeds (an untimed visit).
  const setup = await browser.newContext();
  const first = await setup.newPage();
  await first.goto(server.url);
  await first.waitForSelector('html[data-ready]');
  const layouts = await first.evaluate((seeds) => seeds.map((seed) => {
    const p = window.trommelquirl;
    p.session.Scramble(seed);
    return JSON.parse(p.session.View()).layout;
  }), SEEDS.slice(0, Math.max(1, count)));
  await setup.close();

  // A first visit: no stored table, no cache; the link's position is solved from the Small table.
  server.hits.clear();
  const context = await browser.newContext({ viewport: { width: 390, height: 844 } });
  await context.addInitScript(RECORDER);
  const page = await context.newPage();
  const link = (l) => `${server.url}?layout=${l.replace(/ /g, '_')}`;
  await page.goto(link(layouts[0]));
  await page.waitForSelector('html[data-ready]');
  await page.evaluate(() => { window.__bench.gaps = true; });
  await waitSolved(page, layouts[0]);
  const firstSolution = await page.evaluate(() => window.__bench.firstSolution);
  const firstTable = await page.evaluate(() => window.trommelquirl.table);

  // Solve the other positions while the Full table builds, then wait for it.
  const solveTimes = [];
  for (const layout of layouts.slice(1)) {
    const began = Date.now();
    await page.evaluate((l) => window.trommelquirl.paste(l), layout);
    await page.evaluate(() => window.trommelquirl.change(() => window.trommelquirl.session.RequestSolution()));
    await waitSolved(page, layout);
    solveTimes.push(Date.now() - began);
  }
  const buildBegan = Date.now();
  await page.waitForFunction(() => {
    const full = window.trommelquirl.table.full;
    return full && (full.state === 'ready' || full.state === 'failed');
  }, null, { timeout: 300000 });
  const full = await page.evaluate(() => window.trommelquirl.table.full);
  const maxGap = await page.evaluate(() => window.__bench.maxGap);
  const longGaps = await page.evaluate(() => window.__bench.long);
  const longTasks = await page.evaluate(() => window.__bench.tasks);

  // The page's weight: every file the first visit fetched (page, core, service worker's cache).
  let gzipped = 0, raw = 0;
  const files = [];
  for (const name of server.hits.keys()) {
    try {
      const body = await fs.readFile(path.join(server.root ?? path.join(repo, 'web/page'), name));
      const size = zlib.gzipSync(body, { level: 9 }).length;
      files.push(`${name} ${size}`);
      gzipped += size;
      raw += body.length;
    } catch { /* not a file of the page */ }
  }
  await context.close();

  const result = {
    firstSolutionMs: Math.round(firstSolution),
    firstSolutionTable: firstTable.full && firstTable.full.state === 'ready' ? 'full' : 'small',
    otherSolveMs: solveTimes,
    fullTable: { state: full.state, source: full.source, readyAfterMs: Date.now() - buildBegan },
    maxFrameGapMs: Math.round(maxGap * 10) / 10,
    gapsOver50Ms: longGaps,
    longTasks,
    pageBytesGzip: gzipped,
    pageBytesRaw: raw,
  };
  console.log(`page: first shortest solution ${result.firstSolutionMs} ms after opening (target <= 3000 ms), layout "${layouts[0]}"`);
  console.log(`page: longest frame gap while building and solving ${result.maxFrameGapMs} ms (target <= 50 ms)`);
  console.log(`page: weight ${(gzipped / 1024).toFixed(1)} KB gzipped, ${(raw / 1024).toFixed(1)} KB raw (target <= 150 KB gzipped): ${files.join(', ')}`);
  console.log(`page: full table ${full.state} (${full.source}); solves while it built: ${solveTimes.join(', ')} ms`);
  console.log(JSON.stringify({ page: result }));
} finally {
  await browser.close();
  await server.close();
}
