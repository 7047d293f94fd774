// The drum drawn in SVG: its slots as keyboard-operable controls, the marks for faults and the
// arrow of the next move. It draws what the session's view says and reports taps and keys.

const NS = 'http://www.w3.org/2000/svg';
const PITCH = 64;       // between column centres
const ROW = 56;         // between row centres inside the drum
const CAP_GAP = 14;     // extra space that sets the long columns' end slots apart from the drum
const RADIUS = 24;      // a ball; 48 units is at least 44 CSS px at the page's smallest drum
const SIDE = 44;        // room for the neighbouring columns drawn at each side
const TOP = 34;         // room for the column numbers

export const BALL_COLOURS = ['#1d4ed8', '#facc15', '#f97316', '#6b7280', '#16a34a', '#dc2626'];
// Digits drawn on a ball: dark on light colours, white on dark ones, for contrast above 4.5:1.
const DIGIT_COLOURS = ['#ffffff', '#111111', '#111111', '#ffffff', '#111111', '#ffffff'];

const isLong = (column) => column % 2 === 0;
export const slotOf = (column, row) => 5 * column + row;
export const hasSlot = (column, row) => (isLong(column) ? row >= 0 && row <= 5 : row >= 1 && row <= 4);
const columnX = (column) => SIDE + column * PITCH + PITCH / 2;
const rowY = (row) => TOP + RADIUS + 6 + row * ROW + (row >= 1 ? CAP_GAP : 0) + (row >= 5 ? CAP_GAP : 0);
export const WIDTH = 2 * SIDE + 5 * PITCH;
export const HEIGHT = rowY(5) + RADIUS + 10;

function element(name, attributes, parent) {
  const node = document.createElementNS(NS, name);
  for (const [key, value] of Object.entries(attributes || {})) node.setAttribute(key, String(value));
  if (parent) parent.appendChild(node);
  return node;
}

// The slot the arrow keys lead to from (column, row), wrapping round the drum as the drum does.
export function neighbour(column, row, key) {
  if (key === 'ArrowLeft' || key === 'ArrowRight') {
    const step = key === 'ArrowRight' ? 1 : -1;
    let c = column;
    do { c = (c + step + 5) % 5; } while (!hasSlot(c, row));
    return [c, row];
  }
  if (key === 'ArrowUp' || key === 'ArrowDown') {
    const r = row + (key === 'ArrowDown' ? 1 : -1);
    return hasSlot(column, r) ? [column, r] : [column, row];
  }
  return [column, row];
}

export class DrumView {
  // `svg` is an empty <svg>; `handlers` has onSlot(slot) for a tap or Enter and
  // onKeyValue(slot, value) for a digit (value -1 for an empty slot).
  constructor(svg, handlers) {
    this.svg = svg;
    this.handlers = handlers;
    this.slots = new Map();
    this.focused = slotOf(0, 1);
    svg.setAttribute('viewBox', `0 0 ${WIDTH} ${HEIGHT}`);
    svg.setAttribute('role', 'group');
    this.build();
  }

  build() {
    const svg = this.svg;
    const body = element('g', { class: 'drum-body', 'aria-hidden': 'true' }, svg);
    const drumTop = rowY(1) - ROW / 2 - 2, drumBottom = rowY(4) + ROW / 2 + 2;
    element('rect', { x: 4, y: drumTop, width: WIDTH - 8, height: drumBottom - drumTop, rx: 18, class: 'barrel' }, body);
    for (const c of [0, 2, 4]) {
      const x = columnX(c) - RADIUS - 5;
      element('rect', { x, y: rowY(0) - RADIUS - 5, width: 2 * RADIUS + 10, height: rowY(5) - rowY(0) + 2 * RADIUS + 10, rx: RADIUS + 5, class: 'track' }, body);
    }
    const middle = (rowY(2) + rowY(3)) / 2;
    element('line', { x1: 8, x2: WIDTH - 8, y1: middle, y2: middle, class: 'halves' }, body);
    this.numbers = [];
    for (let c = 0; c < 5; ++c) {
      const label = element('text', { x: columnX(c), y: TOP - 10, class: 'column-number' }, body);
      label.textContent = String(c + 1);
    }
    // The neighbours round the drum: column 5 left of column 1 and column 1 right of column 5.
    this.ghosts = [];
    for (const [c, x] of [[4, SIDE - PITCH / 2], [0, WIDTH - SIDE + PITCH / 2]]) {
      const label = element('text', { x: x + (c === 4 ? 8 : -8), y: TOP - 10, class: 'column-number ghost-number' }, body);
      label.textContent = String(c + 1);
      for (let row = 1; row <= 4; ++row) {
        this.ghosts.push({ slot: slotOf(c, row), node: element('circle', { cx: x, cy: rowY(row), r: RADIUS, class: 'ghost' }, body) });
      }
    }
    const slots = element('g', { class: 'slots' }, svg);
    // The colour digits sit in a layer of their own above the slots: the slot's label already
    // names the colour and its digit, and a text inside the control would be read twice.
    this.digitLayer = element('g', { class: 'digits', 'aria-hidden': 'true' }, svg);
    for (let c = 0; c < 5; ++c) {
      for (let row = 0; row <= 5; ++row) {
        if (!hasSlot(c, row)) continue;
        const slot = slotOf(c, row);
        const g = element('g', { class: 'slot', role: 'button', tabindex: slot === this.focused ? 0 : -1, 'data-slot': slot }, slots);
        const cx = columnX(c), cy = rowY(row);
        // The whole cell answers a tap: 64 by 56 units stay 44 CSS px high on a 360 px phone.
        element('rect', { x: cx - PITCH / 2, y: cy - ROW / 2, width: PITCH, height: ROW, class: 'hit' }, g);
        element('circle', { cx, cy, r: RADIUS + 10, class: 'focus-ring' }, g);
        element('circle', { cx, cy, r: RADIUS + 4, class: 'fault-ring' }, g);
        const ball = element('circle', { cx, cy, r: RADIUS, class: 'ball' }, g);
        const shine = element('ellipse', { cx: cx - 8, cy: cy - 9, rx: 8, ry: 5, class: 'shine' }, g);
        const digit = element('text', { x: cx, y: cy + 7, class: 'digit' }, this.digitLayer);
        g.addEventListener('click', () => this.handlers.onSlot(slot));
        g.addEventListener('keydown', (event) => this.key(event, c, row));
        g.addEventListener('focus', () => { this.focused = slot; });
        this.slots.set(slot, { g, ball, shine, digit, column: c, row });
      }
    }
    this.arrow = element('g', { class: 'arrow', 'aria-hidden': 'true' }, svg);
  }

  key(event, column, row) {
    const slot = slotOf(column, row);
    if (event.key.startsWith('Arrow')) {
      const [c, r] = neighbour(column, row, event.key);
      this.focus(slotOf(c, r));
      event.preventDefault();
    } else if (/^[0-5]$/.test(event.key)) {
      this.handlers.onKeyValue(slot, Number(event.key));
      event.preventDefault();
    } else if (event.key === '.' || event.key === 'Delete' || event.key === 'Backspace') {
      this.handlers.onKeyValue(slot, -1);
      event.preventDefault();
    } else if (event.key === 'Enter' || event.key === ' ') {
      this.handlers.onSlot(slot);
      event.preventDefault();
    }
  }

  focus(slot) {
    for (const [number, s] of this.slots) s.g.setAttribute('tabindex', number === slot ? 0 : -1);
    this.focused = slot;
    this.slots.get(slot).g.focus();
  }

  // Draws `view` (the session's view) with the words of `t`; `digits` shows colour digits.
  draw(view, t, digits, marked) {
    this.svg.setAttribute('aria-label', t.drum);
    for (const [slot, s] of this.slots) {
      const ch = view.layout[slot];
      const empty = ch === ' ' || ch === '_' || ch === undefined;
      const colour = empty ? -1 : Number(ch);
      s.g.classList.toggle('empty', empty);
      s.g.classList.toggle('marked', marked.has(slot));
      s.ball.style.fill = empty ? '' : BALL_COLOURS[colour];
      const digit = !empty && digits ? String(colour) : '';
      if (s.digit.textContent !== digit) s.digit.textContent = digit;
      s.digit.style.fill = empty ? '' : DIGIT_COLOURS[colour];
      // The digit drawn on a ball is part of its name too, so that what is seen can be said.
      const words = empty ? t.empty : digits ? `${t.colour(colour)} (${colour})` : t.colour(colour);
      s.g.setAttribute('aria-label', t.slotLabel(s.column + 1, s.row, words));
    }
    for (const ghost of this.ghosts) {
      const ch = view.layout[ghost.slot];
      ghost.node.style.fill = ch === ' ' || ch === undefined ? '' : BALL_COLOURS[Number(ch)];
    }
    this.drawArrow(view.nextMove, view.longColumnsUp);
  }

  drawArrow(code, longColumnsUp) {
    this.arrow.replaceChildren();
    if (!code) return;
    if (code >= 1 && code <= 4) {
      const y = code <= 2 ? (rowY(1) + rowY(2)) / 2 : (rowY(3) + rowY(4)) / 2;
      const right = code === 1 || code === 3;
      const from = right ? 22 : WIDTH - 22, to = right ? WIDTH - 22 : 22;
      const head = right ? -18 : 18;
      element('path', { d: `M${from},${y} L${to + head},${y}`, class: 'arrow-shaft' }, this.arrow);
      element('path', { d: `M${to},${y} l${head},-14 l0,28 z`, class: 'arrow-head' }, this.arrow);
    } else if (code === 5) {
      const down = longColumnsUp;
      for (const c of [0, 2, 4]) {
        const x = columnX(c) + RADIUS + 9;
        const from = down ? rowY(1) : rowY(4), to = down ? rowY(4) : rowY(1);
        const head = down ? -14 : 14;
        element('path', { d: `M${x},${from} L${x},${to + head}`, class: 'arrow-shaft' }, this.arrow);
        element('path', { d: `M${x},${to} l-9,${head} l18,0 z`, class: 'arrow-head' }, this.arrow);
      }
    }
  }

  // Shows the last move as a short glide of the balls it moved; nothing when motion is unwelcome.
  animate(code, longColumnsUp) {
    if (!code || !this.svg.animate || matchMedia('(prefers-reduced-motion: reduce)').matches) return;
    for (const s of this.slots.values()) {
      let dx = 0, dy = 0;
      if (code <= 4) {
        const rows = code <= 2 ? [1, 2] : [3, 4];
        if (!rows.includes(s.row)) continue;
        dx = code % 2 === 1 ? -PITCH : PITCH;
      } else {
        if (!isLong(s.column)) continue;
        // After a slide down the long columns stand down, so the balls came from above.
        dy = longColumnsUp ? ROW : -ROW;
      }
      const frames = [{ transform: `translate(${dx}px, ${dy}px)` }, { transform: 'translate(0, 0)' }];
      s.g.animate(frames, { duration: 220, easing: 'ease-out' });
      s.digit.animate(frames, { duration: 220, easing: 'ease-out' });
    }
  }
}
