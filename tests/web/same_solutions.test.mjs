// The solver in WebAssembly finds the same shortest solutions as the native one: on the Full
// table the very same moves, on the Small table (which the page answers from while the Full one
// builds) solutions just as short.
import assert from 'node:assert/strict';
import test from 'node:test';

import { loadModule } from './load_core.mjs';

// Positions of 2,000 random moves (seeds 1 to 6) and one of 6, with the native optimal solver's
// answers (trommelquirl-cli optimal).
const NativeAnswers = [
  ['04045_315130522_435221410_', '51135253513353513354511515'],
  ['25412_505123424_103301045_', '51335254523513515135445352351'],
  ['_534513004_421250022_35114', '35224451335353522511445115115'],
  ['25502_353052012_140414134_', '23522445251522535144525251452235'],
  ['_401053125_521432021_54034', '151351351511351335145235452445'],
  ['22201_023540351_451345104_', '45454544513522352352251511515'],
  ['_350003011_112223244_44555', '25'],
];

const core = await loadModule('tq-solver-worker');
const solver = new core.Solver();

test('without a table nothing is solved', () => {
  assert.equal(JSON.parse(solver.Solve(NativeAnswers[0][0])).status, 'noTable');
});

test('the Small table gives solutions as short as the native ones', () => {
  assert.ok(solver.Build('small', null));
  // The easier ones: the Small table's weaker estimate makes the longest take seconds.
  for (const [layout, moves] of NativeAnswers.filter(([, moves]) => moves.length <= 26)) {
    const answer = JSON.parse(solver.Solve(layout));
    assert.equal(answer.table, 'small');
    assert.equal(answer.moves.length, moves.length, layout);
  }
});

test('the Full table gives the native solutions, move for move', () => {
  const levels = [];
  assert.ok(solver.Build('full', (percent) => levels.push(percent)));
  assert.ok(levels.length > 5 && levels.at(-1) === 100, `progress ${levels}`);
  assert.deepEqual([...levels].sort((a, b) => a - b), levels);
  for (const [layout, moves] of NativeAnswers) {
    const answer = JSON.parse(solver.Solve(layout));
    assert.deepEqual([answer.status, answer.table, answer.moves], ['solved', 'full', moves], layout);
  }
});

test('a layout the moves cannot reach is refused, with "_" or " " for the empty slots', () => {
  assert.equal(JSON.parse(solver.Solve('30000_111133222_444435555_')).status, 'badLayout');
  assert.equal(JSON.parse(solver.Solve('30000 111132222 444435555 ')).moves, '');
  assert.equal(JSON.parse(solver.Solve('')).status, 'badLayout');
});
