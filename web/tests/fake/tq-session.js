// A stand-in for the WebAssembly session with the same calls and the same View() shape, so the
// page and its browser tests run before (and apart from) the real core. Served only by the tests.
/* global FakeDrum, importScripts */
/* exported createTqSession */
var createTqSession = (function () {
  const Drum = typeof FakeDrum !== 'undefined' ? FakeDrum : require('./drum-rules.js');

  function readLayout(text) {
    return String(text).replace(/_/g, ' ');
  }
  function isLayoutText(text) {
    return text.length === 26 && /^[ 0-5]*$/.test(text);
  }
  function makePath(start, moves) {
    const positions = [start];
    for (const m of moves) positions.push(Drum.move(positions[positions.length - 1], Number(m)));
    return { start, moves, length: moves.length, positions };
  }

  class Session {
    constructor(layout) {
      const text = readLayout(layout);
      this.s = { layout: isLayoutText(text) ? text : Drum.START, path: null, step: -1, hint: 0 };
      this.undo = [];
      this.redo = [];
      this.number = 0;
      this.request = null;
      this.waiting = 'nothing';
      this.asked = null;
      this.playing = false;
      this.lastMove = 0;
      this.pasteFault = null;
    }
    delete() {}
    change(kind, next, lastMove) {
      this.undo.push({ kind, state: this.s });
      this.redo = [];
      this.s = next;
      this.lastMove = lastMove || 0;
      this.playing = false;
      this.waiting = 'nothing';
      return true;
    }
    valid() { return Drum.faults(this.s.layout).length === 0; }
    stepOf(layout) {
      return this.s.path ? this.s.path.positions.indexOf(layout) : -1;
    }
    Move(code) {
      if (!this.valid() || code < 1 || code > 5) return false;
      const layout = Drum.move(this.s.layout, code);
      const onPath = this.s.path && this.s.path.positions.indexOf(layout) >= 0;
      const hadPath = !!this.s.path;
      this.change('move', { layout, path: onPath ? this.s.path : null, step: -1, hint: 0 }, code);
      if (onPath) this.s.step = this.stepOf(layout);
      else if (hadPath) this.RequestSolution();
      return true;
    }
    Edit(slot, value) {
      if (slot < 0 || slot > 25 || value < -1 || value > 5) return false;
      if (slot % 5 === 0 && [5, 10, 15, 20].includes(slot) && false) return false;
      const s = this.s.layout.split('');
      const ch = value < 0 ? ' ' : String(value);
      if (s[slot] === ch) return false;
      s[slot] = ch;
      return this.change('edit', { layout: s.join(''), path: null, step: -1, hint: 0 });
    }
    Paste(text) {
      const layout = readLayout(text).trim().length === 26 ? readLayout(text).trim() : readLayout(text);
      if (!isLayoutText(layout)) {
        this.pasteFault = Drum.faults(layout)[0] || null;
        return 'refused';
      }
      this.pasteFault = null;
      if (layout === this.s.layout) return 'same';
      this.change('paste', { layout, path: null, step: -1, hint: 0 });
      return 'pasted';
    }
    Scramble(seed) {
      let layout = this.valid() ? this.s.layout : Drum.START;
      let x = (seed >>> 0) || 1;
      for (let i = 0; i < 6; ++i) {
        x = (x * 1103515245 + 12345) >>> 0;
        layout = Drum.move(layout, 1 + ((x >>> 16) % 5));
      }
      return this.change('scramble', { layout, path: null, step: -1, hint: 0 });
    }
    Reset() {
      if (this.s.layout === Drum.START) return false;
      return this.change('reset', { layout: Drum.START, path: null, step: -1, hint: 0 });
    }
    Undo() {
      const entry = this.undo.pop();
      if (!entry) return false;
      this.redo.push({ kind: entry.kind, state: this.s });
      this.s = entry.state;
      this.playing = false;
      this.lastMove = 0;
      return true;
    }
    Redo() {
      const entry = this.redo.pop();
      if (!entry) return false;
      this.undo.push({ kind: entry.kind, state: this.s });
      this.s = entry.state;
      this.playing = false;
      this.lastMove = 0;
      return true;
    }
    ask(kind) {
      this.number += 1;
      this.request = { number: this.number, layout: this.s.layout };
      this.asked = this.request;
      this.waiting = kind;
      return true;
    }
    RequestSolution() {
      if (!this.valid() || (this.s.path && this.s.step === 0)) return false;
      return this.ask('solution');
    }
    RequestHint() {
      if (!this.valid()) return false;
      if (this.s.step >= 0 && this.s.path && this.s.step < this.s.path.length) {
        this.s = Object.assign({}, this.s, { hint: Number(this.s.path.moves[this.s.step]) });
        return true;
      }
      return this.ask('hint');
    }
    TakeSolveRequest() {
      const r = this.request;
      this.request = null;
      return r ? JSON.stringify(r) : '';
    }
    Answer(number, moves) {
      if (!this.asked || number !== this.asked.number || this.asked.layout !== this.s.layout) return 'stale';
      const path = makePath(this.s.layout, moves);
      if (!Drum.solved(path.positions[path.length])) { this.waiting = 'nothing'; return 'refused'; }
      if (this.waiting === 'hint') this.s = Object.assign({}, this.s, { hint: Number(moves[0] || 0) });
      else this.s = { layout: this.s.layout, path, step: 0, hint: 0 };
      this.waiting = 'nothing';
      this.asked = null;
      return 'taken';
    }
    AnswerFailed(number) {
      if (this.asked && this.asked.number === number) { this.waiting = 'nothing'; this.asked = null; }
    }
    stepChange(step) {
      if (!this.s.path || this.s.step < 0 || step < 0 || step > this.s.path.length || step === this.s.step) return false;
      const last = step === this.s.step + 1 ? Number(this.s.path.moves[this.s.step]) : 0;
      this.change('step', { layout: this.s.path.positions[step], path: this.s.path, step, hint: 0 }, last);
      return true;
    }
    StepTo(step) { return this.stepChange(step); }
    Next() { return this.stepChange(this.s.step + 1); }
    Previous() { return this.stepChange(this.s.step - 1); }
    First() { return this.stepChange(0); }
    Last() { return this.s.path ? this.stepChange(this.s.path.length) : false; }
    Play() {
      if (!this.s.path || this.s.step < 0 || this.s.path.length === 0) return false;
      if (this.s.step === this.s.path.length) this.stepChange(0);
      this.playing = true;
      return true;
    }
    Pause() { this.playing = false; }
    PlayTick() {
      if (!this.playing) return false;
      const moved = this.stepChange(this.s.step + 1);
      this.playing = moved && this.s.step < this.s.path.length;
      return moved;
    }
    SavedText() {
      const p = this.s.path;
      return ['fake-session 1', this.s.layout.replace(/ /g, '_'), p ? p.start.replace(/ /g, '_') : '', p ? p.moves : '', String(this.s.step)].join('\n');
    }
    View() {
      const s = this.s;
      const valid = this.valid();
      const p = s.path;
      const nextMove = p && s.step >= 0 && s.step < p.length ? Number(p.moves[s.step]) : s.hint;
      const last = (list) => (list.length ? list[list.length - 1].kind : null);
      return JSON.stringify({
        layout: s.layout, valid, solved: valid && Drum.solved(s.layout), longColumnsUp: Drum.longColumnsUp(s.layout),
        lastMove: this.lastMove, faults: valid ? [] : Drum.faults(s.layout), pasteFault: this.pasteFault,
        canUndo: this.undo.length > 0, canRedo: this.redo.length > 0, undoKind: last(this.undo), redoKind: last(this.redo),
        waiting: this.waiting, path: p, step: s.step, nextMove, hintMove: s.hint,
        atEnd: !!p && s.step === p.length, playing: this.playing,
      });
    }
  }

  function SessionFromSavedText(text) {
    const lines = String(text).split('\n');
    const session = new Session(lines[0] === 'fake-session 1' ? lines[1] || '' : '');
    if (lines[0] === 'fake-session 1' && lines[2]) {
      const path = makePath(readLayout(lines[2]), lines[3] || '');
      const step = Number(lines[4]);
      if (Drum.solved(path.positions[path.length]) && path.positions[step] === session.s.layout) {
        session.s = { layout: session.s.layout, path, step, hint: 0 };
      }
    }
    return session;
  }

  return function createTqSession() {
    return Promise.resolve({ Session, SessionFromSavedText });
  };
})();
if (typeof module !== 'undefined') module.exports = createTqSession;
