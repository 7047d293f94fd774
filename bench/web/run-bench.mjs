// The web page's benchmark: WebAssembly against native on the same positions (node and
// Chromium), the Full table's build in a Chromium worker against native one thread, the stored
// table's load, the page's weight, and the page's own figures where bench/web/page-bench.mjs is
// there. A benchmark, not a test: it prints figures and the targets beside them.
//
//   node bench/web/run-bench.mjs NATIVE_BUILD STAGED_PAGE [POSITIONS]
import { execFileSync, spawn } from 'node:child_process';
import { existsSync, mkdtempSync, readdirSync, readFileSync, rmSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, extname, join, relative } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

const here = dirname(fileURLToPath(import.meta.url));
const [nativeBuild = 'build/default', stage = 'build/web', count = '20'] = process.argv.slice(2);

const median = (xs) => { const s = [...xs].sort((a, b) => a - b); return s[Math.floor((s.length - 1) / 2)]; };
const fixed = (x, digits = 1) => Number(x).toFixed(digits);
const rows = [];
const row = (what, figure, target = '') => rows.push([what, figure, target]);

// 1. Native: the positions, their solutions and times, and the build on one thread.
console.error('native: one-thread build and solves ...');
const native = JSON.parse(execFileSync(join(nativeBuild, 'bench/web/bench_web_native'), ['--build', count], { encoding: 'utf8', maxBuffer: 1 << 24 }));
const layouts = native.solves.map((s) => s.layout);
const nativeTimes = native.solves.map((s) => s.ms);
const nativeClock = native.solves.map((s) => s.clockMs);

// 2. WebAssembly in node on the same table file the native side used (one format for both).
console.error('node: WebAssembly solves ...');
const require = createRequire(import.meta.url);
const core = await require(join(process.cwd(), stage, 'tq-solver-worker.js'))({
  wasmBinary: readFileSync(join(stage, 'tq-solver-worker.wasm')),
});
const solver = new core.Solver();
const file = readFileSync(native.table);
const loadStarted = performance.now();
const loadStatus = solver.Load('full', file.length, (at, view) => { view.set(file.subarray(at, at + view.length)); return true; });
const nodeLoadMs = performance.now() - loadStarted;
if (loadStatus !== 'loaded') throw new Error(`the native table file was refused: ${loadStatus}`);
const nodeTimes = [];
let differ = 0;
for (const [i, layout] of layouts.entries()) {
  const cpu = process.cpuUsage();
  const answer = JSON.parse(solver.Solve(layout));
  const used = process.cpuUsage(cpu);
  nodeTimes.push((used.user + used.system) / 1000);
  if (answer.moves !== native.solves[i].moves) ++differ;
}

// 3. Chromium: the worker as the page runs it, served from 127.0.0.1.
console.error('chromium: Full table build in a worker, store, load, solves ...');
const browser = await inChromium(layouts);

// 4. The page's weight: every staged file, gzipped one by one as a server sends them.
const files = [];
const walk = (dir) => readdirSync(dir).forEach((name) => {
  const path = join(dir, name);
  if (statSync(path).isDirectory()) walk(path); else files.push(path);
});
walk(stage);
const gzipped = files.reduce((sum, path) => sum + gzipSync(readFileSync(path), { level: 9 }).length, 0);
const raw = files.reduce((sum, path) => sum + statSync(path).size, 0);
// The install icons (PNG) are fetched by the browser only when the page is installed.
const visit = files.filter((path) => extname(path) !== '.png');
const visitGzipped = visit.reduce((sum, path) => sum + gzipSync(readFileSync(path), { level: 9 }).length, 0);
const coreFiles = files.filter((path) => /^tq-/.test(relative(stage, path)));
const coreGzipped = coreFiles.reduce((sum, path) => sum + gzipSync(readFileSync(path), { level: 9 }).length, 0);

const ratio = (wasm, base = nativeTimes) => `${fixed(median(wasm) / median(base), 2)}x median, ${fixed(Math.max(...wasm) / Math.max(...base), 2)}x max`;
row('positions (2,000 random moves, seeds 1..N)', `${layouts.length}`);
row('native solve, one thread (processor time)', `median ${fixed(median(nativeTimes))} ms, max ${fixed(Math.max(...nativeTimes))} ms`);
row('native solve, one thread (clock)', `median ${fixed(median(nativeClock))} ms, max ${fixed(Math.max(...nativeClock))} ms`);
row('WebAssembly solve in node (processor time)', `median ${fixed(median(nodeTimes))} ms, max ${fixed(Math.max(...nodeTimes))} ms`);
row('  node against native', ratio(nodeTimes), '<= 2.5x');
row('  solutions that differ from native', `${differ}`, '0');
if (browser.error) {
  row('Chromium', `failed: ${browser.error.split('\n')[0]}`);
} else {
  row('WebAssembly solve in Chromium (clock)', `median ${fixed(median(browser.solves.times))} ms, max ${fixed(Math.max(...browser.solves.times))} ms`);
  row('  Chromium against native (clock)', ratio(browser.solves.times, nativeClock), '<= 2.5x');
  row('  solutions that differ from native', `${browser.solves.moves.filter((m, i) => m !== native.solves[i].moves).length}`, '0');
  row('Full table build: native one thread', `${fixed(native.buildMs / 1000, 2)} s processor, ${fixed(native.buildClockMs / 1000, 2)} s clock`);
  row('Full table build: Chromium worker (clock)', `${fixed(browser.fullBuild.wallMs / 1000, 2)} s = ${fixed(browser.fullBuild.wallMs / native.buildClockMs, 2)}x native clock`, '<= 1.6x');
  row('Small table ready after opening', `${fixed(browser.smallReadyMs)} ms`);
  row('first solution (Small table) after opening', `${fixed(browser.firstSolution.ms)} ms (${browser.firstSolution.table})`, '<= 3 s');
  row('Full table stored (OPFS) after ready', `${fixed(browser.storeMs)} ms`);
  row('Full table loaded from storage', `${fixed(browser.load.ms)} ms (${browser.load.source})`, '<= 0.5 s');
}
row('Full table loaded from bytes in node', `${fixed(nodeLoadMs)} ms`);
row('page weight without the table, gzipped', `${fixed(visitGzipped / 1024)} KB a visit loads (${visit.length} files), of it the WebAssembly core ${fixed(coreGzipped / 1024)} KB`, '<= 150 KB');
row('  with the install icons', `${fixed(gzipped / 1024)} KB (${files.length} files, ${fixed(raw / 1024)} KB raw)`);
row('load average', readFileSync('/proc/loadavg', 'utf8').split(' ').slice(0, 3).join(' '));

const width = Math.max(...rows.map((r) => r[0].length));
const width2 = Math.max(...rows.map((r) => r[1].length));
for (const [what, figure, target] of rows) console.log(`${what.padEnd(width)}  ${figure.padEnd(width2)}  ${target}`);

const pageBench = join(here, 'page-bench.mjs');
if (existsSync(pageBench)) {
  console.log('\nThe page (bench/web/page-bench.mjs):');
  try {
    console.log(execFileSync(process.execPath, [pageBench, stage], { encoding: 'utf8', stdio: ['ignore', 'pipe', 'inherit'] }));
  } catch (error) {
    console.log(`page-bench.mjs failed: ${error.message}`);
  }
}

// Serves the staged page and the benchmark's page on 127.0.0.1 and runs the benchmark's page in
// headless Chromium until it posts its figures.
function inChromium(positions) {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.mjs': 'text/javascript', '.wasm': 'application/wasm',
    '.css': 'text/css', '.json': 'application/json', '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml',
    '.png': 'image/png' };
  return new Promise((resolve) => {
    let chromium = null;
    const profile = mkdtempSync(join(tmpdir(), 'tq-bench-'));
    let done = false;
    const finish = (result) => {
      if (done) return;
      done = true;
      server.close();
      const tidy = () => {
        rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 200 });
        resolve(result);
      };
      if (chromium && chromium.exitCode === null) {
        chromium.once('exit', tidy);
        chromium.kill();
      } else {
        tidy();
      }
    };
    const server = createServer((request, response) => {
      const url = new URL(request.url, 'http://127.0.0.1');
      if (url.pathname === '/__positions') { response.end(JSON.stringify(positions)); return; }
      if (url.pathname === '/__result') {
        let body = '';
        request.on('data', (chunk) => { body += chunk; });
        request.on('end', () => { response.end(); finish(JSON.parse(body)); });
        return;
      }
      const path = url.pathname === '/worker-bench.html' ? join(here, 'worker-bench.html') : join(stage, url.pathname);
      if (relative(stage, path).startsWith('..') && path !== join(here, 'worker-bench.html') || !existsSync(path) || statSync(path).isDirectory()) {
        response.statusCode = 404;
        response.end();
        return;
      }
      response.setHeader('Content-Type', types[extname(path)] || 'application/octet-stream');
      response.end(readFileSync(path));
    });
    server.listen(0, '127.0.0.1', () => {
      const url = `http://127.0.0.1:${server.address().port}/worker-bench.html`;
      chromium = spawn(process.env.CHROMIUM || '/usr/bin/chromium', ['--headless=new', '--no-sandbox', '--disable-gpu',
        `--user-data-dir=${profile}`, '--no-first-run', url], { stdio: 'ignore' });
      chromium.on('exit', () => finish({ error: 'Chromium ended before the figures came' }));
    });
    setTimeout(() => finish({ error: 'no figures within 10 minutes' }), 600000).unref();
  });
}
