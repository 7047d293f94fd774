// The service worker: keeps the page and the solver's files so that the page opens and solves
// with no network after the first visit. It answers from its cache at once (a link's ?layout=
// part is ignored when matching) and refreshes the cache from the network behind the answer.
const CACHE = 'trommelquirl-v1';

// What the page cannot work without; the install fails, and is tried again, when one is missing.
const NEEDED = [
  './', 'index.html', 'style.css', 'app.js', 'drum.js', 'texts.js', 'links.js',
  'manifest.webmanifest', 'icons/icon.svg', 'tq-session.js', 'tq-solver-worker.js',
];
// The PNG icons (96 KB, most of the page's weight) are left to the browser, which fetches them
// when the page is installed; the page itself shows only the SVG one.
// The core's WebAssembly files: their names are read from the scripts that load them, so the
// cache holds whatever the core's build calls them.
const LOADERS = ['tq-session.js', 'tq-solver-worker.js'];

async function wasmNames(cache) {
  const names = new Set();
  for (const loader of LOADERS) {
    const response = await cache.match(loader);
    const text = response ? await response.text() : '';
    for (const match of text.matchAll(/["'`]([\w.-]+\.wasm)["'`]/g)) names.add(match[1]);
  }
  return [...names];
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    await cache.addAll(NEEDED.map((url) => new Request(url, { cache: 'reload' })));
    await cache.addAll((await wasmNames(cache)).map((url) => new Request(url, { cache: 'reload' })));
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) if (name !== CACHE) await caches.delete(name);
    await self.clients.claim();
  })());
});

function sameOrigin(request) {
  return new URL(request.url).origin === self.location.origin;
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || !sameOrigin(request)) return;
  event.respondWith((async () => {
    const cache = await caches.open(CACHE);
    // A page opened by any link is the one index.html: look it up without its query.
    const key = request.mode === 'navigate' ? new Request(new URL('./', self.location).href) : request;
    const cached = await cache.match(key, { ignoreSearch: true });
    const refresh = fetch(request).then((response) => {
      if (response.ok && response.type === 'basic') cache.put(key, response.clone());
      return response;
    });
    if (cached) {
      event.waitUntil(refresh.catch(() => {}));
      return cached;
    }
    return refresh;
  })());
});
