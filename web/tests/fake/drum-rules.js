// A test double's copy of the drum's moves, shared by the fake session and the fake solver; the
// page itself never holds these rules, it takes every position from the session.
/* exported FakeDrum */
var FakeDrum = (function () {
  const START = '30000 111132222 444435555 ';
  const slot = (column, row) => 5 * column + row;

  function turn(layout, firstRow, direction) {
    const s = layout.split('');
    for (const row of [firstRow, firstRow + 1]) {
      const was = [0, 1, 2, 3, 4].map((c) => s[slot(c, row)]);
      for (let c = 0; c < 5; ++c) s[slot((c + direction + 5) % 5, row)] = was[c];
    }
    return s.join('');
  }

  function longColumnsUp(layout) {
    return layout[5] === ' ' && layout[15] === ' ' && layout[25] === ' ';
  }

  function slide(layout) {
    const s = layout.split('');
    const down = longColumnsUp(layout);
    for (const c of [0, 2, 4]) {
      const column = [0, 1, 2, 3, 4, 5].map((r) => s[slot(c, r)]);
      const moved = down ? [' '].concat(column.slice(0, 5)) : column.slice(1).concat([' ']);
      for (let r = 0; r < 6; ++r) s[slot(c, r)] = moved[r];
    }
    return s.join('');
  }

  function move(layout, code) {
    switch (code) {
      case 1: return turn(layout, 1, 1);
      case 2: return turn(layout, 1, -1);
      case 3: return turn(layout, 3, 1);
      case 4: return turn(layout, 3, -1);
      case 5: return slide(layout);
      default: return layout;
    }
  }

  function solved(layout) {
    for (let c = 0; c < 5; ++c) {
      const first = layout[slot(c, 1)];
      for (let r = 2; r <= 4; ++r) if (layout[slot(c, r)] !== first) return false;
    }
    return true;
  }

  // Every fault with its slots; the real session's order and kinds, simpler wording of none.
  function faults(layout) {
    const found = [];
    if (layout.length !== 26) return [{ kind: 'length', count: layout.length, needed: 26, slots: [] }];
    for (let i = 0; i < 26; ++i) {
      if (!' 012345'.includes(layout[i])) {
        return [{ kind: 'character', position: i + 1, character: layout[i], slots: [i] }];
      }
    }
    const empties = [];
    for (let i = 0; i < 26; ++i) if (layout[i] === ' ') empties.push(i);
    if (empties.length !== 3) found.push({ kind: 'emptyCount', count: empties.length, needed: 3, slots: empties });
    const needed = [4, 4, 4, 3, 4, 4];
    for (let colour = 0; colour < 6; ++colour) {
      const slots = [];
      for (let i = 0; i < 26; ++i) if (layout[i] === String(colour)) slots.push(i);
      if (slots.length !== needed[colour]) {
        found.push({ kind: 'colourCount', colour, count: slots.length, needed: needed[colour], slots });
      }
    }
    if (empties.length === 3 && !longColumnsUp(layout) && !(layout[0] === ' ' && layout[10] === ' ' && layout[20] === ' ')) {
      found.push({ kind: 'emptyPlace', slots: empties });
    }
    return found;
  }

  return { START, move, solved, faults, longColumnsUp };
})();
if (typeof module !== 'undefined') module.exports = FakeDrum;
