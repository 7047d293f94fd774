// The solving session as the page calls it: View() after a few calls, answers to requests old
// and new, saved texts that load back, every native solution replayed to solved, and a View()
// that parses and holds together whatever the page calls in whatever order.
import assert from 'node:assert/strict';
import test from 'node:test';

import { loadModule } from './load_core.mjs';

const core = await loadModule('tq-session');
const Start = '30000_111132222_444435555_';
const FaultKinds = new Set(['length', 'character', 'emptyCount', 'colourCount', 'emptyPlace', 'emptyInShortColumn']);

// Every session made here is deleted at the end of its test.
function open(layout, made) {
  const session = new core.Session(layout);
  made.push(session);
  return session;
}
const view = (session) => JSON.parse(session.View());

test('a move, a request and its answer, followed to solved', () => {
  const made = [];
  const session = open(Start, made);
  let v = view(session);
  assert.equal(v.layout, Start.replaceAll('_', ' '));
  assert.deepEqual([v.valid, v.solved, v.canUndo, v.path, v.waiting, v.step, v.faults], [true, true, false, null, 'nothing', -1, []]);

  assert.equal(session.Move(1), true);
  v = view(session);
  assert.deepEqual([v.solved, v.lastMove, v.canUndo, v.undoKind, v.redoKind], [false, 1, true, 'move', null]);

  assert.equal(session.RequestSolution(), true);
  const request = JSON.parse(session.TakeSolveRequest());
  assert.equal(session.TakeSolveRequest(), '');  // taken once
  assert.equal(request.layout, v.layout);
  assert.equal(view(session).waiting, 'solution');
  assert.equal(session.Answer(request.number + 1, '2'), 'stale');
  assert.equal(session.Answer(request.number, '2'), 'taken');
  v = view(session);
  assert.equal(v.waiting, 'nothing');
  assert.deepEqual([v.path.moves, v.path.length, v.path.positions.length, v.step, v.nextMove], ['2', 1, 2, 0, 2]);
  assert.equal(v.path.positions[0], v.layout);

  assert.equal(session.Next(), true);
  v = view(session);
  assert.deepEqual([v.solved, v.atEnd, v.step, v.layout], [true, true, 1, Start.replaceAll('_', ' ')]);
  assert.equal(session.Undo(), true);
  assert.equal(view(session).canRedo, true);
  made.forEach((s) => s.delete());
});

test('a position that cannot be solved says why and marks its slots', () => {
  const made = [];
  const session = open(Start, made);
  assert.equal(session.Edit(1, -1), true);
  const v = view(session);
  assert.equal(v.valid, false);
  assert.ok(v.faults.length > 0);
  for (const fault of v.faults) {
    assert.ok(FaultKinds.has(fault.kind), fault.kind);
    assert.ok(fault.slots.every((slot) => slot >= 0 && slot < 26));
  }
  assert.equal(session.RequestSolution(), false);
  // An empty slot in a short column (column 1, row 1) is named and marked as such.
  assert.equal(session.Edit(6, -1), true);
  const shortColumn = view(session).faults.find((fault) => fault.kind === 'emptyInShortColumn');
  assert.ok(shortColumn && shortColumn.column === 1 && shortColumn.slots.includes(6), JSON.stringify(view(session).faults));
  assert.equal(session.Paste('not a layout'), 'refused');
  assert.equal(view(session).pasteFault.kind, 'length');
  assert.equal(session.Paste(Start), 'pasted');
  assert.equal(session.Paste(Start.replaceAll('_', ' ')), 'same');
  made.forEach((s) => s.delete());
});

test('every native shortest solution replays to solved', () => {
  const made = [];
  for (const [layout, moves] of [
    ['04045_315130522_435221410_', '51135253513353513354511515'],
    ['_534513004_421250022_35114', '35224451335353522511445115115'],
    ['_350003011_112223244_44555', '25'],
  ]) {
    const session = open(layout, made);
    assert.equal(view(session).solved, false);
    for (const code of moves) assert.equal(session.Move(Number(code)), true);
    assert.equal(view(session).solved, true, layout);
  }
  made.forEach((s) => s.delete());
});

test('a saved text loads back the same, and garbage opens a usable session', () => {
  const made = [];
  const session = open('_350003011_112223244_44555', made);
  session.RequestSolution();
  session.Answer(JSON.parse(session.TakeSolveRequest()).number, '25');
  session.Next();
  const again = core.SessionFromSavedText(session.SavedText());
  made.push(again);
  const [a, b] = [view(session), view(again)];
  assert.deepEqual([b.layout, b.path, b.step], [a.layout, a.path, a.step]);
  for (const text of ['', '\0\0\0', 'x'.repeat(10000), session.SavedText().slice(0, 20), '{"layout":1}']) {
    const opened = core.SessionFromSavedText(text);
    made.push(opened);
    assert.equal(view(opened).layout.length, 26);
  }
  made.forEach((s) => s.delete());
});

test('View() parses and holds together after any calls in any order', () => {
  const made = [];
  const session = open(Start, made);
  let seed = 7;
  const random = (n) => ((seed = (seed * 1103515245 + 12345) >>> 0) >>> 8) % n;
  const texts = [Start, '', '_', 'zzzzzzzzzzzzzzzzzzzzzzzzzz', '"\\\n\u00e9', '04045_315130522_435221410_'];
  const calls = [
    () => session.Move(random(7) - 1), () => session.Edit(random(30) - 2, random(8) - 2), () => session.Undo(),
    () => session.Redo(), () => session.Scramble(random(100000)), () => session.Reset(), () => session.Next(),
    () => session.Previous(), () => session.First(), () => session.Last(), () => session.StepTo(random(40) - 2),
    () => session.Play(), () => session.PlayTick(), () => session.Pause(), () => session.Paste(texts[random(texts.length)]),
    () => session.RequestSolution(), () => session.RequestHint(), () => session.AnswerFailed(random(5)),
    () => {
      const request = session.TakeSolveRequest();
      if (request) session.Answer(JSON.parse(request).number, ['', '1', '25', '9x'][random(4)]);
    },
  ];
  for (let i = 0; i < 2000; ++i) {
    calls[random(calls.length)]();
    const v = view(session);
    assert.equal(v.layout.length, 26);
    assert.equal(v.valid, v.faults.length === 0);
    assert.ok(!v.solved || v.valid);
    if (v.path) {
      assert.equal(v.path.positions.length, v.path.length + 1);
      assert.ok(v.step >= -1 && v.step <= v.path.length);
      if (v.step >= 0) assert.equal(v.path.positions[v.step], v.layout);
    } else {
      assert.equal(v.step, -1);
    }
    assert.ok(v.nextMove >= 0 && v.nextMove <= 5 && v.lastMove >= 0 && v.lastMove <= 5);
  }
  made.forEach((s) => s.delete());
});
