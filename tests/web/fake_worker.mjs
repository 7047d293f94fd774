// The solver worker's script run in node as a browser runs it in a Web Worker: its own global
// scope, messages both ways, a nested worker for the builder, and the origin's private file
// system held in memory, so that what a later visit finds can be looked at and damaged.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';

import { stage } from './load_core.mjs';

const script = join(stage, 'tq-solver-worker.js');
const source = readFileSync(script, 'utf8');
const require = createRequire(import.meta.url);

class WorkerGlobalScope {}

// The origin's private file system: files by name, with the synchronous access a worker has.
export class MemoryFiles {
  constructor() {
    this.files = new Map();
  }
  async getDirectory() {
    const files = this.files;
    return {
      async getFileHandle(name, { create } = {}) {
        if (!files.has(name)) {
          if (!create) throw new Error('NotFoundError');
          files.set(name, new Uint8Array(0));
        }
        return {
          async createSyncAccessHandle() {
            return {
              getSize: () => files.get(name).length,
              read(view, { at }) {
                const bytes = files.get(name).subarray(at, at + view.length);
                view.set(bytes);
                return bytes.length;
              },
              write(data, { at }) {
                const old = files.get(name);
                const grown = new Uint8Array(Math.max(old.length, at + data.length));
                grown.set(old);
                grown.set(data, at);
                files.set(name, grown);
                return data.length;
              },
              truncate(length) { files.set(name, files.get(name).slice(0, length)); },
              flush() {},
              close() {},
            };
          },
        };
      },
      async removeEntry(name) {
        if (!files.delete(name)) throw new Error('NotFoundError');
      },
    };
  }
}

// Starts the script as the worker `name` ('' for the solver); gives {post, messages, wait}.
// Without `wasm` the module's binary cannot be had, as when its download fails; without
// `nested` a worker cannot start workers of its own.
export function startWorker({ name = '', files = null, wasm = true, nested = true } = {}) {
  const messages = [];
  const waiting = [];
  const scope = Object.create(WorkerGlobalScope.prototype);
  Object.assign(scope, {
    name,
    location: { href: script },
    onmessage: null,
    postMessage(message) {
      // Across a worker's edge a message is a copy, delivered later.
      const copy = structuredClone(message);
      setImmediate(() => {
        messages.push(copy);
        for (const w of [...waiting]) w();
      });
    },
  });
  const navigator = files ? { storage: files } : {};
  const run = new Function('self', 'WorkerGlobalScope', 'Worker', 'navigator', 'indexedDB', 'fetch', 'require',
    '__dirname', 'module', 'exports', source);
  run(scope, WorkerGlobalScope, nested ? NestedWorker : undefined, navigator, undefined, undefined, require, wasm ? stage : '/nonexistent',
    undefined, undefined);
  return {
    messages,
    post(message) { setImmediate(() => scope.onmessage && scope.onmessage({ data: structuredClone(message) })); },
    // Resolves with the first message since `from` that `match` accepts.
    wait(match, from = 0, seconds = 300) {
      return new Promise((resolve, reject) => {
        const timer = setTimeout(() => reject(new Error(`no message in ${seconds} s`)), seconds * 1000);
        const look = () => {
          const found = messages.slice(from).find(match);
          if (!found) return;
          clearTimeout(timer);
          waiting.splice(waiting.indexOf(look), 1);
          resolve(found);
        };
        waiting.push(look);
        look();
      });
    },
  };
}

// The builder, started by the solver worker with new Worker(its own script, {name}).
class NestedWorker {
  constructor(url, options) {
    this.inner = startWorker({ name: options.name });
    this.onmessage = null;
    this.onerror = null;
    this.ended = false;
    const seen = () => {
      while (!this.ended && this.inner.messages.length > 0) {
        const message = this.inner.messages.shift();
        if (this.onmessage) this.onmessage({ data: message });
      }
    };
    this.poll = setInterval(seen, 5);
  }
  terminate() {
    this.ended = true;
    clearInterval(this.poll);
  }
}
