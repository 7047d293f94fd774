// The tables in WebAssembly: the Small table's file is the native one byte for byte, goes
// through bytes and back unchanged, and anything but an intact file of its kind is refused.
import assert from 'node:assert/strict';
import test from 'node:test';

import { fileOf, loadFile, loadModule } from './load_core.mjs';

const core = await loadModule('tq-solver-worker');
const built = new core.Solver();
assert.ok(built.Build('small', null));
const file = fileOf(built, 'small');

// The header of the Small table that the native build writes: mark, version, kind, entry count
// and the checksum of the entries.
const NativeHeader = [84, 81, 84, 65, 66, 76, 69, 10, 1, 0, 0, 0, 1, 0, 0, 0, 61, 127, 67, 0, 0, 0, 0, 0,
  122, 159, 212, 67, 247, 214, 216, 79];

test('the Small table built here is the native one', () => {
  assert.equal(file.length, built.FileSize('small'));
  assert.deepEqual([...file.subarray(0, 32)], NativeHeader);
});

test('the file loads back entry for entry and solves alike', () => {
  const loaded = new core.Solver();
  assert.equal(loadFile(loaded, 'small', file), 'loaded');
  assert.ok(loaded.Has('small'));
  assert.deepEqual(fileOf(loaded, 'small'), file);
  for (const layout of ['_350003011_112223244_44555', '25412_505123424_103301045_']) {
    assert.equal(JSON.parse(loaded.Solve(layout)).moves, JSON.parse(built.Solve(layout)).moves);
  }
  loaded.delete();
});

test('a changed byte, a wrong length or the wrong kind is refused and leaves no table', () => {
  const solver = new core.Solver();
  const refused = (bytes, kind, why) => {
    assert.equal(loadFile(solver, kind, bytes), why);
    assert.equal(solver.Has(kind), false);
  };
  for (const at of [0, 8, 12, 16]) {
    const changed = file.slice();
    changed[at] ^= 1;
    refused(changed, 'small', 'foreign');
  }
  for (const at of [24, 32, file.length >> 1, file.length - 1]) {
    const changed = file.slice();
    changed[at] ^= 0x40;
    refused(changed, 'small', 'damaged');
  }
  refused(file.subarray(0, file.length - 1), 'small', 'damaged');
  refused(file.subarray(0, 10), 'small', 'damaged');
  refused(file, 'full', 'foreign');
  assert.equal(solver.Load('small', file.length, () => false), 'damaged');  // not even a header
  assert.equal(solver.Load('small', file.length, (at, view) => {
    if (at > 0) return false;
    view.set(file.subarray(0, view.length));
    return true;
  }), 'unreadable');
  solver.delete();
});

test('garbage of any length is refused', () => {
  const solver = new core.Solver();
  let seed = 12345;
  const next = () => (seed = (seed * 1103515245 + 12345) >>> 0) >>> 24;
  for (const length of [0, 1, 31, 32, 33, 1000, file.length]) {
    const garbage = Uint8Array.from({ length }, next);
    assert.notEqual(loadFile(solver, 'small', garbage), 'loaded');
  }
  solver.delete();
});
