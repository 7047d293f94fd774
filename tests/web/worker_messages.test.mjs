// The solver worker's messages, in the order a page sees them over several visits: answers from
// the Small table at once, the Full table built with progress and stored, loaded on the next
// visit, built again when the stored file is damaged; only the newest solve answered.
import assert from 'node:assert/strict';
import test from 'node:test';

import { MemoryFiles, startWorker } from './fake_worker.mjs';

// A position of 2,000 random moves and the native optimal solver's answer.
const Layout = '04045_315130522_435221410_';
const Shortest = '51135253513353513354511515';
const FullFile = 'optimal-full.table';

const isTable = (kind, state) => (m) => m.type === 'table' && m.kind === kind && m.state === state;

test('a first visit answers from the Small table, then builds, stores and uses the Full one', async () => {
  const files = new MemoryFiles();
  const worker = startWorker({ files });
  worker.post({ type: 'prepare' });
  worker.post({ type: 'solve', number: 1, layout: Layout });
  const small = await worker.wait((m) => m.type === 'solved' && m.number === 1);
  assert.equal(small.table, 'small');
  assert.equal(small.moves.length, Shortest.length);
  assert.equal(small.layout, Layout);

  const ready = await worker.wait(isTable('full', 'ready'));
  assert.equal(ready.source, 'built');
  const percents = worker.messages.filter(isTable('full', 'building')).map((m) => m.percent);
  assert.ok(percents.length > 5, `progress ${percents}`);
  assert.deepEqual([...percents].sort((a, b) => a - b), percents);
  const kinds = worker.messages.filter((m) => m.type === 'table').map((m) => `${m.kind} ${m.state}`);
  assert.deepEqual(kinds.slice(0, 3), ['small building', 'small ready', 'full building']);

  const from = worker.messages.length;
  worker.post({ type: 'solve', number: 2, layout: Layout });
  const full = await worker.wait((m) => m.type === 'solved' && m.number === 2, from);
  assert.deepEqual([full.table, full.moves], ['full', Shortest]);

  // Stored while the page went on: the next visit finds it.
  await new Promise((resolve) => setTimeout(resolve, 500));
  assert.equal(files.files.get(FullFile).length, 115010610 + 32);

  // A later visit loads it instead of building.
  const again = startWorker({ files });
  again.post({ type: 'prepare' });
  const loaded = await again.wait(isTable('full', 'ready'));
  assert.equal(loaded.source, 'stored');
  assert.ok(!again.messages.some(isTable('full', 'building')));

  // Of solves sent together only the newest is answered; a forgotten one not at all.
  const mark = again.messages.length;
  again.post({ type: 'solve', number: 3, layout: Layout });
  again.post({ type: 'solve', number: 4, layout: '_350003011_112223244_44555' });
  again.post({ type: 'solve', number: 5, layout: Layout });
  again.post({ type: 'forget' });
  again.post({ type: 'solve', number: 6, layout: '30000_111133222_444435555_' });
  const failed = await again.wait((m) => m.type === 'failed', mark);
  assert.deepEqual([failed.number, failed.reason], [6, 'badLayout']);
  await new Promise((resolve) => setTimeout(resolve, 300));
  assert.deepEqual(again.messages.slice(mark).map((m) => m.number), [6]);

  // A stored file damaged since is refused and the table built and stored again.
  files.files.get(FullFile)[1000] ^= 0x10;
  const third = startWorker({ files });
  third.post({ type: 'prepare' });
  const rebuilt = await third.wait(isTable('full', 'ready'));
  assert.equal(rebuilt.source, 'built');
  assert.ok(third.messages.some(isTable('full', 'building')));
  await new Promise((resolve) => setTimeout(resolve, 500));
  const fourth = startWorker({ files });
  fourth.post({ type: 'prepare' });
  assert.equal((await fourth.wait(isTable('full', 'ready'))).source, 'stored');
});

test('where the module cannot start, every solve fails at once with the reason', async () => {
  const worker = startWorker({ wasm: false });
  worker.post({ type: 'solve', number: 1, layout: Layout });
  worker.post({ type: 'prepare' });
  const failed = await worker.wait((m) => m.type === 'failed', 0, 60);
  assert.equal(failed.number, 1);
  assert.ok(worker.messages.some(isTable('small', 'failed')));
  const from = worker.messages.length;
  worker.post({ type: 'solve', number: 2, layout: Layout });
  assert.equal((await worker.wait((m) => m.type === 'failed', from, 60)).number, 2);
});

test('where a worker cannot start another, the Full table is built in the solver worker itself', async () => {
  const files = new MemoryFiles();
  const worker = startWorker({ files, nested: false });
  worker.post({ type: 'prepare' });
  assert.equal((await worker.wait(isTable('full', 'ready'))).source, 'built');
  assert.ok(worker.messages.filter(isTable('full', 'building')).length > 5);
  const from = worker.messages.length;
  worker.post({ type: 'solve', number: 1, layout: Layout });
  const answer = await worker.wait((m) => m.type === 'solved', from);
  assert.deepEqual([answer.table, answer.moves], ['full', Shortest]);
  await new Promise((resolve) => setTimeout(resolve, 500));
  assert.equal(files.files.get(FullFile).length, 115010610 + 32);
});
