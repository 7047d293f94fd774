// A tiny static server on 127.0.0.1 for the browser tests and the page's benchmark: serves the
// built page, or web/page/ with the stand-in core where the real core has not been built.
import http from 'node:http';
import fs from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const pageDir = path.resolve(here, '../page');
export const fakeDir = path.resolve(here, 'fake');

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8', '.json': 'application/json', '.webmanifest': 'application/manifest+json',
  '.wasm': 'application/wasm', '.png': 'image/png', '.svg': 'image/svg+xml', '.ico': 'image/x-icon',
};

// The folder to serve: TQ_WEB_ROOT, else build/web when it holds the core, else null (stand-in).
export async function chooseRoot() {
  if (process.env.TQ_WEB_ROOT) return path.resolve(process.env.TQ_WEB_ROOT);
  const built = path.resolve(here, '../../build/web');
  try {
    await fs.access(path.join(built, 'tq-session.js'));
    return built;
  } catch {
    return null;
  }
}

async function readFromStandIn(name) {
  // The stand-ins need the drum's moves in the same classic script.
  if (name === 'tq-session.js' || name === 'tq-solver-worker.js') {
    return Buffer.concat([await fs.readFile(path.join(fakeDir, 'drum-rules.js')), await fs.readFile(path.join(fakeDir, name))]);
  }
  try {
    return await fs.readFile(path.join(fakeDir, name));
  } catch {
    return fs.readFile(path.join(pageDir, name));
  }
}

// Starts serving `root` (null: web/page/ with the stand-in core); resolves to {url, close, root}.
// Requests are counted by path in `hits`, so tests can tell what came from the network.
export async function serve(root) {
  const hits = new Map();
  const state = { cutOff: false };
  const server = http.createServer(async (request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    let name = decodeURIComponent(url.pathname).replace(/^\/+/, '');
    if (name === '' || name.endsWith('/')) name += 'index.html';
    hits.set(name, (hits.get(name) || 0) + 1);
    // Cut off: every request fails as it would with no network, whatever the browser lets pass.
    if (state.cutOff) {
      request.socket.destroy();
      return;
    }
    const safe = path.normalize(name);
    if (safe.startsWith('..') || path.isAbsolute(safe)) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = root ? await fs.readFile(path.join(root, safe)) : await readFromStandIn(safe);
      response.writeHead(200, { 'Content-Type': TYPES[path.extname(safe)] || 'application/octet-stream', 'Cache-Control': 'no-cache' });
      response.end(body);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found');
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  return {
    url: `http://127.0.0.1:${port}/`,
    root,
    hits,
    // While true, the server answers nothing: the page must live on what its worker kept.
    cutOff: (on) => { state.cutOff = on; },
    close: () => new Promise((resolve) => { server.closeAllConnections?.(); server.close(resolve); }),
  };
}

// Run by hand: node web/tests/serve.mjs [folder] serves until stopped.
if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const root = process.argv[2] ? path.resolve(process.argv[2]) : await chooseRoot();
  const server = await serve(root);
  console.log(`serving ${root || 'web/page with the stand-in core'} at ${server.url}`);
}
