// A stand-in for the solver worker: the same messages, the Small table at once and a Full table
// that "builds" over a second, answers by a plain search of up to 10 moves (tests use short ones).
/* global FakeDrum */
// The test server puts drum-rules.js in front of this script, so it needs nothing else offline.

function solve(start) {
  for (let depth = 0; depth <= 10; ++depth) {
    const moves = [];
    const walk = (layout, left, last) => {
      if (left === 0) return FakeDrum.solved(layout);
      for (let m = 1; m <= 5; ++m) {
        if ((m === 1 && last === 2) || (m === 2 && last === 1) || (m === 3 && last === 4) || (m === 4 && last === 3) || (m === 5 && last === 5)) continue;
        moves.push(m);
        if (walk(FakeDrum.move(layout, m), left - 1, m)) return true;
        moves.pop();
      }
      return false;
    };
    if (walk(start, depth, 0)) return moves.join('');
  }
  return null;
}

let full = false;
self.onmessage = (event) => {
  const message = event.data;
  if (message.type === 'prepare') {
    postMessage({ type: 'table', kind: 'small', state: 'ready', source: 'built', percent: 100, reason: null });
    let percent = 0;
    const timer = setInterval(() => {
      percent += 20;
      full = percent >= 100;
      postMessage({ type: 'table', kind: 'full', state: full ? 'ready' : 'building', source: full ? 'built' : null, percent, reason: null });
      if (full) clearInterval(timer);
    }, 200);
  } else if (message.type === 'solve') {
    const began = Date.now();
    const moves = solve(message.layout.replace(/_/g, ' '));
    if (moves === null) postMessage({ type: 'failed', number: message.number, reason: 'too far for the stand-in' });
    else postMessage({ type: 'solved', number: message.number, layout: message.layout, moves, ms: Date.now() - began, table: full ? 'full' : 'small' });
  }
};
