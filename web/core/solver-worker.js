// The solver's Web Worker (appended to the module's factory, createTqSolver): the Small table at
// once, the Full table built beside it by a second worker and kept in the browser's storage, and
// every solve answered from the best table ready. One thread, no shared memory, so the page needs
// no cross-origin isolation.
// To it: {type: 'prepare'} once, {type: 'solve', number, layout} (a newer one replaces an older
// unanswered one), {type: 'forget'}.
// From it: {type: 'table', kind: 'small'|'full', state: 'building'|'ready'|'failed', source:
// 'built'|'stored'|null, percent, reason, ms (on 'ready': the build's or the load's time)},
// {type: 'solved', number, layout, moves, ms, table}, {type: 'failed', number, reason}.
/* global createTqSolver, WorkerGlobalScope */
(function () {
  'use strict';
  if (typeof WorkerGlobalScope === 'undefined' || !(self instanceof WorkerGlobalScope)) return;

  const BuilderName = 'tq-table-builder';
  const FullFileName = 'optimal-full.table';

  // The second worker: builds the Full table, reports each level and hands the file's bytes back.
  async function runBuilder() {
    self.onmessage = null;
    try {
      const core = await createTqSolver();
      const solver = new core.Solver();
      if (!solver.Build('full', (percent) => self.postMessage({ type: 'progress', percent }))) {
        self.postMessage({ type: 'failed', reason: 'memory' });
        return;
      }
      const header = solver.FileHeader('full');
      const entries = solver.FileEntries('full');
      const file = new Uint8Array(header.length + entries.length);
      file.set(header);
      file.set(entries, header.length);
      solver.Drop('full');
      self.postMessage({ type: 'built', file: file.buffer }, [file.buffer]);
    } catch (error) {
      self.postMessage({ type: 'failed', reason: String(error && error.message ? error.message : error) });
    }
  }

  // The Full table's file in the origin's private file system, or in IndexedDB where that is
  // missing. Each method gives null or false rather than throwing: storage is a convenience.
  const storage = {
    async opfsFile(create) {
      if (typeof navigator === 'undefined' || !navigator.storage || !navigator.storage.getDirectory) return null;
      try {
        const root = await navigator.storage.getDirectory();
        const handle = await root.getFileHandle(FullFileName, { create });
        return handle.createSyncAccessHandle ? handle : null;
      } catch (error) {
        return null;
      }
    },
    database() {
      return new Promise((resolve) => {
        if (typeof indexedDB === 'undefined' || !indexedDB) { resolve(null); return; }
        const open = indexedDB.open('trommelquirl', 1);
        open.onupgradeneeded = () => open.result.createObjectStore('tables');
        open.onsuccess = () => resolve(open.result);
        open.onerror = () => resolve(null);
      });
    },
    async request(mode, act) {
      const db = await this.database();
      if (!db) return null;
      return new Promise((resolve) => {
        const store = db.transaction('tables', mode).objectStore('tables');
        const request = act(store);
        request.onsuccess = () => { db.close(); resolve(request.result === undefined ? null : request.result); };
        request.onerror = () => { db.close(); resolve(null); };
      });
    },
    // Loads the stored file into the solver: 'loaded', 'missing' or why it was refused.
    async load(solver) {
      const handle = await this.opfsFile(false);
      if (handle) {
        let access = null;
        try {
          access = await handle.createSyncAccessHandle();
          const size = access.getSize();
          if (size === 0) return 'missing';
          return solver.Load('full', size, (at, view) => access.read(view, { at }) === view.length);
        } catch (error) {
          return 'unreadable';
        } finally {
          if (access) access.close();
        }
      }
      const blob = await this.request('readonly', (store) => store.get(FullFileName));
      if (!blob) return 'missing';
      const bytes = new Uint8Array(await blob.arrayBuffer());
      return solver.Load('full', bytes.length, (at, view) => {
        view.set(bytes.subarray(at, at + view.length));
        return true;
      });
    },
    async save(file) {
      const handle = await this.opfsFile(true);
      if (handle) {
        let access = null;
        try {
          access = await handle.createSyncAccessHandle();
          access.truncate(0);
          const written = access.write(file, { at: 0 });
          access.flush();
          return written === file.length;
        } catch (error) {
          return false;
        } finally {
          if (access) access.close();
        }
      }
      return (await this.request('readwrite', (store) => store.put(new Blob([file]), FullFileName))) !== null;
    },
    async remove() {
      try {
        const root = await navigator.storage.getDirectory();
        await root.removeEntry(FullFileName);
      } catch (error) {
        // Nothing there, or no such storage.
      }
      await this.request('readwrite', (store) => store.delete(FullFileName));
    },
  };

  // The solving worker.
  function runSolver() {
    let solver = null;
    let pending = null;  // the newest unanswered solve
    let scheduled = false;
    let preparing = null;
    let broken = null;  // why no table can be had: every solve fails at once with it

    const tableMessage = (kind, state, source, percent, extra) =>
      self.postMessage(Object.assign({ type: 'table', kind, state, source, percent, reason: null }, extra || {}));

    function schedule() {
      if (broken && pending) {
        self.postMessage({ type: 'failed', number: pending.number, reason: broken });
        pending = null;
      }
      // A timer rather than solving at once lets the solves queued behind a long one replace
      // each other before the next search starts.
      if (scheduled || !pending || !solver) return;
      scheduled = true;
      setTimeout(solvePending, 0);
    }

    function solvePending() {
      scheduled = false;
      const request = pending;
      pending = null;
      if (!request) return;
      try {
        const answer = JSON.parse(solver.Solve(request.layout));
        if (answer.status === 'solved') {
          self.postMessage({ type: 'solved', number: request.number, layout: request.layout, moves: answer.moves,
            ms: answer.ms, table: answer.table });
        } else {
          self.postMessage({ type: 'failed', number: request.number, reason: answer.status });
        }
      } catch (error) {
        self.postMessage({ type: 'failed', number: request.number, reason: String(error) });
      }
      schedule();
    }

    async function fullTable() {
      const started = performance.now();
      const stored = await storage.load(solver);
      if (stored === 'loaded') {
        tableMessage('full', 'ready', 'stored', 100, { ms: performance.now() - started });
        return;
      }
      if (stored === 'memory') {
        tableMessage('full', 'failed', null, 0, { reason: 'memory' });
        return;
      }
      // A damaged or foreign file goes and is built again below; one that could not be read
      // (another tab writing it) stays for the next visit.
      if (stored === 'damaged' || stored === 'foreign') await storage.remove();
      tableMessage('full', 'building', null, 0);
      const buildStarted = performance.now();
      const file = await buildElsewhere();
      if (file === undefined) return;  // the builder said why it failed
      if (file === null) {
        // No worker inside a worker: build here, holding solves back meanwhile.
        if (!solver.Build('full', (percent) => tableMessage('full', 'building', null, percent))) {
          tableMessage('full', 'failed', null, 0, { reason: 'memory' });
          return;
        }
        tableMessage('full', 'ready', 'built', 100, { ms: performance.now() - buildStarted });
        const header = solver.FileHeader('full');
        const entries = solver.FileEntries('full');
        const whole = new Uint8Array(header.length + entries.length);
        whole.set(header);
        whole.set(entries, header.length);
        await storage.save(whole);
        return;
      }
      const bytes = new Uint8Array(file);
      const loaded = solver.Load('full', bytes.length, (at, view) => {
        view.set(bytes.subarray(at, at + view.length));
        return true;
      });
      if (loaded !== 'loaded') {
        tableMessage('full', 'failed', null, 0, { reason: loaded });
        return;
      }
      tableMessage('full', 'ready', 'built', 100, { ms: performance.now() - buildStarted });
      await storage.save(bytes);
    }

    // The Full table from the builder worker: the file's bytes, undefined when it failed (and
    // said so), or null when no builder can be started here.
    function buildElsewhere() {
      let builder = null;
      try {
        builder = new Worker(self.location.href, { name: BuilderName });
      } catch (error) {
        return Promise.resolve(null);
      }
      return new Promise((resolve) => {
        builder.onmessage = (event) => {
          const message = event.data;
          if (message.type === 'progress') {
            tableMessage('full', 'building', null, message.percent);
            return;
          }
          builder.terminate();
          if (message.type === 'built') {
            resolve(message.file);
          } else {
            tableMessage('full', 'failed', null, 0, { reason: message.reason });
            resolve(undefined);
          }
        };
        builder.onerror = (event) => {
          builder.terminate();
          tableMessage('full', 'failed', null, 0, { reason: event.message || 'error' });
          resolve(undefined);
        };
      });
    }

    async function prepare() {
      tableMessage('small', 'building', null, 0);
      const core = await createTqSolver();
      solver = new core.Solver();
      const started = performance.now();
      if (!solver.Build('small', null)) {
        tableMessage('small', 'failed', null, 0, { reason: 'memory' });
        broken = 'memory';
        schedule();
        return;
      }
      tableMessage('small', 'ready', 'built', 100, { ms: performance.now() - started });
      schedule();
      await fullTable();
      schedule();
    }

    self.onmessage = (event) => {
      const message = event.data || {};
      if (message.type === 'prepare') {
        if (!preparing) {
          preparing = prepare().catch((error) => {
            // Past the Small table only the Full one is lost: solves go on from the Small one.
            const kind = solver && solver.Has('small') ? 'full' : 'small';
            if (kind === 'small') broken = String(error);
            tableMessage(kind, 'failed', null, 0, { reason: String(error) });
            schedule();
          });
        }
      } else if (message.type === 'solve') {
        pending = { number: message.number, layout: String(message.layout) };
        schedule();
      } else if (message.type === 'forget') {
        pending = null;
      }
    };
  }

  if (self.name === BuilderName) {
    runBuilder();
  } else {
    runSolver();
  }
})();
