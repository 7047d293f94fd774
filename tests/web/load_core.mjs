// Loads the staged WebAssembly modules in node, as the page and its worker load them in a browser.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';

// The folder the web build staged the page into (set by ctest).
export const stage = process.env.TQ_WEB_STAGE;
if (!stage) throw new Error('TQ_WEB_STAGE names the staged page folder');

const require = createRequire(import.meta.url);

// The factory's own loader fetches the .wasm by URL, which node's fetch cannot do for a path:
// the bytes are handed over instead.
export function loadModule(script) {
  const factory = require(join(stage, `${script}.js`));
  return factory({ wasmBinary: readFileSync(join(stage, `${script}.wasm`)) });
}

// The stored file of a table that `solver` holds: its header and then its entries.
export function fileOf(solver, kind) {
  const header = solver.FileHeader(kind);
  const entries = solver.FileEntries(kind);
  const file = new Uint8Array(header.length + entries.length);
  file.set(header);
  file.set(entries, header.length);
  return file;
}

// Loads `file` into `solver` as the worker loads a stored one.
export function loadFile(solver, kind, file) {
  return solver.Load(kind, file.length, (at, view) => {
    view.set(file.subarray(at, at + view.length));
    return true;
  });
}
