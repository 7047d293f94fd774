// The page's controller: opens the session, routes taps and keys to it, hands its solve requests
// to the solver worker and draws its view. It holds no rule of the puzzle: the session does.
import { texts, chooseLanguage, moveWords, faultWords } from './texts.js';
import { DrumView, BALL_COLOURS } from './drum.js';
import { openingText, linkFor } from './links.js';

const SAVED = 'trommelquirl.session';
const LANGUAGE = 'trommelquirl.language';
const DIGITS = 'trommelquirl.digits';
const PLAY_MS = 600;  // one move of play, as in the desktop solver window

const $ = (id) => document.getElementById(id);
const ICONS = {
  first: 'M6 5h2v14H6zM20 5v14L9 12z',
  previous: 'M18 5v14L7 12z',
  play: 'M7 5v14l11-7z',
  pause: 'M6 5h4v14H6zM14 5h4v14h-4z',
  'step-next': 'M6 5v14l11-7z',
  last: 'M16 5h2v14h-2zM4 5v14l11-7z',
  undo: 'M9 7V3L2 9l7 6v-4h6a4 4 0 0 1 0 8h-3v2h3a6 6 0 0 0 0-12z',
  redo: 'M15 7V3l7 6-7 6v-4H9a4 4 0 0 0 0 8h3v2H9A6 6 0 0 1 9 7z',
};
const MOVE_ICONS = {
  1: 'M3 9h14V5l5 6-5 6v-4H3z', 2: 'M21 9H7V5l-5 6 5 6v-4h14z',
  3: 'M3 11h14V7l5 6-5 6v-4H3z', 4: 'M21 11H7V7l-5 6 5 6v-4h14z',
  5: 'M11 3h2v12h4l-5 6-5-6h4z',
};
// Writes only what changed: rewriting equal text still makes the browser lay the page out again.
function setText(node, text) {
  if (node.textContent !== text) node.textContent = text;
}
const icon = (d) => `<svg viewBox="0 0 24 24" aria-hidden="true" focusable="false"><path d="${d}"/></svg>`;

function storage() {
  try { return window.localStorage; } catch { return null; }
}
const store = {
  get: (key) => { try { return storage()?.getItem(key) ?? null; } catch { return null; } },
  set: (key, value) => { try { storage()?.setItem(key, value); } catch { /* full or blocked: kept for this visit only */ } },
};

class Page {
  constructor(core, worker) {
    this.core = core;
    this.worker = worker;
    this.language = store.get(LANGUAGE) || chooseLanguage(navigator.languages || [navigator.language]);
    if (!texts[this.language]) this.language = 'en';
    this.digits = store.get(DIGITS) === '1';
    this.colour = null;  // the palette's choice: null selects slots only, -1 empties, 0..5
    this.table = { small: null, full: null };
    this.solvedNote = '';
    this.timer = null;
    this.drum = new DrumView($('drum'), {
      onSlot: (slot) => this.tapSlot(slot),
      onKeyValue: (slot, value) => this.change(() => this.session.Edit(slot, value)),
    });
    this.session = this.open();
    this.wire();
    this.render();
    // A position opened by link or kept without its solution is solved at once, as a person
    // expects; a kept solution stays at its step.
    if (!this.view.path && this.view.valid && !this.view.solved) this.change(() => this.session.RequestSolution());
  }

  get t() { return texts[this.language]; }

  open() {
    const opening = openingText(location.search, store.get(SAVED));
    if (opening.layout !== null) {
      // The link has been read: without it in the address bar a reload keeps the steps taken
      // since, instead of opening the link's position again.
      const plain = new URL(location.href);
      plain.searchParams.delete('layout');
      history.replaceState(null, '', plain.href);
      const session = new this.core.Session(opening.layout);
      if (opening.refused) {
        session.Paste(opening.refused);
        this.pendingStatus = () => this.pasteWords(JSON.parse(session.View()).pasteFault);
      }
      return session;
    }
    if (opening.saved !== null) return this.core.SessionFromSavedText(opening.saved);
    return new this.core.Session('30000_111132222_444435555_');
  }

  wire() {
    for (const [id, d] of Object.entries(ICONS)) { const b = $(id); if (b) b.innerHTML = icon(d); }
    for (const button of document.querySelectorAll('[data-move]')) {
      const code = Number(button.dataset.move);
      button.innerHTML = icon(MOVE_ICONS[code]) + '<span></span>';
      button.addEventListener('click', () => this.change(() => this.session.Move(code)));
    }
    const act = (id, call) => $(id).addEventListener('click', () => this.change(call));
    act('first', () => this.session.First());
    act('previous', () => this.session.Previous());
    act('step-next', () => this.session.Next());
    act('last', () => this.session.Last());
    act('undo', () => this.session.Undo());
    act('redo', () => this.session.Redo());
    act('reset', () => this.session.Reset());
    act('scramble', () => this.session.Scramble(crypto.getRandomValues(new Uint32Array(1))[0]));
    act('solve', () => this.session.RequestSolution());
    act('hint', () => this.session.RequestHint());
    $('play').addEventListener('click', () => {
      if (this.view.playing) this.change(() => this.session.Pause());
      else this.change(() => this.session.Play());
    });
    $('layout-form').addEventListener('submit', (event) => {
      event.preventDefault();
      this.paste($('layout').value);
    });
    $('copy-solution').addEventListener('click', () => this.copy($('solution-digits').value));
    $('copy-link').addEventListener('click', () => this.copy($('link').href));
    if (navigator.share) {
      $('share').hidden = false;
      $('share').addEventListener('click', () => navigator.share({ title: this.t.title, url: $('link').href }).catch(() => {}));
    }
    $('digits').checked = this.digits;
    $('digits').addEventListener('change', () => {
      this.digits = $('digits').checked;
      store.set(DIGITS, this.digits ? '1' : '0');
      this.render();
    });
    $('language').addEventListener('change', () => {
      this.language = $('language').value;
      store.set(LANGUAGE, this.language);
      this.render();
    });
    $('steps').addEventListener('click', (event) => {
      const button = event.target.closest('button[data-step]');
      if (button) this.change(() => this.session.StepTo(Number(button.dataset.step)));
    });
    this.buildPalette();
    document.addEventListener('keydown', (event) => this.key(event));
    document.addEventListener('paste', (event) => {
      if (event.target.closest('input, textarea')) return;
      const text = event.clipboardData?.getData('text') ?? '';
      if (text) { event.preventDefault(); this.paste(text); }
    });
    this.worker?.addEventListener('message', (event) => this.fromWorker(event.data));
    if (this.worker?.lost) this.worker = null;
    this.worker?.addEventListener('error', () => { this.worker = null; this.solverLost(); });
  }

  buildPalette() {
    const box = $('palette');
    const choices = [null, -1, 0, 1, 2, 3, 4, 5];
    for (const value of choices) {
      const label = document.createElement('label');
      label.className = 'swatch';
      const input = document.createElement('input');
      input.type = 'radio';
      input.name = 'colour';
      input.value = value === null ? '' : String(value);
      input.checked = value === this.colour;
      input.addEventListener('change', () => { this.colour = value; });
      const dot = document.createElement('span');
      dot.className = value === null ? 'dot none' : value < 0 ? 'dot hole' : 'dot';
      if (value !== null && value >= 0) dot.style.background = BALL_COLOURS[value];
      dot.setAttribute('aria-hidden', 'true');
      dot.dataset.value = value === null ? '' : String(value);
      const name = document.createElement('span');
      name.className = 'visually-hidden swatch-name';
      label.append(input, dot, name);
      box.appendChild(label);
    }
  }

  // Runs one call on the session, then passes on its solve request, keeps it and draws it.
  change(call) {
    const before = this.view;
    call();
    this.takeRequest();
    store.set(SAVED, this.session.SavedText());
    this.render(before);
  }

  takeRequest() {
    const text = this.session.TakeSolveRequest();
    if (!text) return;
    const request = JSON.parse(text);
    this.solvedNote = '';
    this.asked = request.number;
    if (this.worker) this.worker.postMessage({ type: 'solve', number: request.number, layout: request.layout });
    else this.solverLost();
  }

  fromWorker(message) {
    if (message.type === 'table') {
      this.table[message.kind] = message;
      this.renderTable();
    } else if (message.type === 'solved') {
      const use = this.session.Answer(message.number, message.moves);
      if (use === 'taken') this.solvedNote = this.t.solvedIn(Math.round(message.ms), message.table);
      this.change(() => {});
    } else if (message.type === 'failed') {
      this.session.AnswerFailed(message.number);
      this.say(this.t.solverFailed(message.reason || ''));
      this.change(() => {});
    }
  }

  // No solver (its script failed to load or crashed): the wait ends and the page says so,
  // rather than showing "Solving…" for ever.
  solverLost() {
    if (this.asked !== undefined) this.session.AnswerFailed(this.asked);
    this.say(this.t.coreFailed);
    this.render(this.view);
  }

  tapSlot(slot) {
    this.drum.focus(slot);
    if (this.colour !== null) this.change(() => this.session.Edit(slot, this.colour));
  }

  paste(text) {
    const result = this.session.Paste(text);
    this.change(() => {});
    const view = this.view;
    if (result === 'refused') this.say(this.pasteWords(view.pasteFault));
    else this.say(result === 'same' ? this.t.pastedSame : this.t.pasted);
  }

  pasteWords(fault) {
    return this.t.pasteRefused(fault ? faultWords(this.t, fault) : '');
  }

  async copy(text) {
    try {
      await navigator.clipboard.writeText(text);
      this.say(this.t.copied);
    } catch {
      this.say(this.t.copyFailed);
    }
  }

  say(words) {
    $('status').textContent = words;
  }

  // Keys for the whole page, as in the desktop solver window; slots and form fields handle
  // their own, and Space and Enter stay with a focused button.
  key(event) {
    if (event.target.closest('input, select, textarea, .slot') || event.altKey || event.metaKey) return;
    const onButton = !!event.target.closest('button');
    const v = this.view;
    const plain = !event.ctrlKey && !event.shiftKey;
    const action = {
      'z': event.ctrlKey && !event.shiftKey && (() => this.session.Undo()),
      'Z': event.ctrlKey && event.shiftKey && (() => this.session.Redo()),
      'y': event.ctrlKey && (() => this.session.Redo()),
      'ArrowRight': plain && v.path && (() => this.session.Next()),
      'ArrowLeft': plain && v.path && (() => this.session.Previous()),
      'Home': plain && v.path && (() => this.session.First()),
      'End': plain && v.path && (() => this.session.Last()),
      ' ': plain && !onButton && v.path && (() => (v.playing ? this.session.Pause() : this.session.Play())),
      'h': plain && (() => this.session.RequestHint()),
      'Enter': event.ctrlKey && (() => this.session.RequestSolution()),
    }[event.key];
    if (action) { event.preventDefault(); this.change(action); }
  }

  renderTable() {
    const full = this.table.full;
    const t = this.t;
    const box = $('table');
    // Shown while the Full table builds, and when it failed; a stored one loads unannounced.
    box.hidden = !full || full.state === 'ready' || (full.state !== 'building' && full.state !== 'failed');
    if (!full) return;
    $('table-progress').hidden = full.state !== 'building';
    $('table-progress').value = full.percent || 0;
    setText($('table-words'), full.state === 'failed' ? t.tableFailed(full.reason || '') : t.tableBuilding(full.percent || 0));
    if (full.state === 'building') this.tableBuilding = true;
    if (full.state === 'ready' && this.tableBuilding) {
      this.tableBuilding = false;
      this.say(t.tableReadyBuilt);
    }
  }

  render(before) {
    const view = JSON.parse(this.session.View());
    this.view = view;
    const t = this.t;
    document.documentElement.lang = this.language;
    document.title = t.title;
    $('language').value = this.language;
    for (const node of document.querySelectorAll('[data-text]')) {
      const words = t[node.dataset.text];
      if (typeof words === 'string') setText(node, words);
    }
    const marked = new Set(view.faults.flatMap((f) => f.slots || []));
    this.drum.draw(view, t, this.digits, marked);
    if (before && view.lastMove && before.layout !== view.layout) this.drum.animate(view.lastMove, view.longColumnsUp);
    this.renderFollow(view, t);
    this.renderSolution(view, t, before);
    this.renderSetup(view, t, before);
    this.renderTable();
    if (this.pendingStatus) { this.say(this.pendingStatus()); this.pendingStatus = null; }
    this.schedulePlay(view);
  }

  renderFollow(view, t) {
    const words = (code) => moveWords(t, code, view.longColumnsUp);
    let next = '';
    if (view.path && view.atEnd) next = t.solvedEnd(view.path.length);
    else if (view.solved) next = t.drumSolved;
    else if (view.path && view.step >= 0 && view.nextMove) next = t.next(words(view.nextMove), view.step + 1, view.path.length);
    else if (view.hintMove) next = t.hint(words(view.hintMove));
    else if (view.waiting !== 'nothing') next = t.solving;
    else if (!view.valid) next = t.faultsHeading;  // the faults are listed just below
    setText($('next'), next);
    $('next').classList.toggle('done', view.solved);
    const onPath = !!view.path && view.step >= 0;
    const set = (id, label, enabled) => {
      const b = $(id);
      b.setAttribute('aria-label', label);
      b.title = label;
      b.disabled = !enabled;
    };
    set('first', t.first, onPath && view.step > 0);
    set('previous', t.previous, onPath && view.step > 0);
    set('step-next', t.next1, onPath && !view.atEnd);
    set('last', t.last, onPath && !view.atEnd);
    set('play', view.playing ? t.pause : t.play, onPath && view.path.length > 0);
    if ($('play').dataset.icon !== String(view.playing)) {
      $('play').dataset.icon = String(view.playing);
      $('play').innerHTML = icon(view.playing ? ICONS.pause : ICONS.play);
    }
    $('play').setAttribute('aria-pressed', String(view.playing));
    set('undo', view.undoKind ? t.undoKind[view.undoKind] : t.undo, view.canUndo);
    set('redo', view.redoKind ? t.redoKind[view.redoKind] : t.redo, view.canRedo);
    $('solve').disabled = !view.valid || view.waiting === 'solution';
    $('hint').disabled = !view.valid || view.solved;
    $('follow').setAttribute('aria-label', t.solution);
    for (const button of document.querySelectorAll('[data-move]')) {
      const code = Number(button.dataset.move);
      const label = code === 5 ? t.moveButton[5] : t.moveButton[code];
      setText(button.querySelector('span'), label);
      button.disabled = !view.valid;
      button.classList.toggle('suggested', code === view.nextMove);
      const path = button.querySelector('path');
      if (code === 5) path.setAttribute('transform', view.longColumnsUp ? '' : 'rotate(180 12 12)');
    }
  }

  renderSolution(view, t, before) {
    const path = view.path;
    $('solution-copy').hidden = !path;
    let length = t.noSolution;
    if (view.waiting === 'solution') length = t.solving;
    else if (path) length = t.lengthText(path.length);
    setText($('solution-length'), length);
    setText($('solved-note'), path && view.waiting !== 'solution' ? this.solvedNote : '');
    if (!path) { $('steps').replaceChildren(); return; }
    $('solution-digits').value = path.moves;
    const key = path.start + path.moves + this.language + view.longColumnsUp;
    const list = $('steps');
    if (list.dataset.key !== key) {
      list.dataset.key = key;
      const items = [];
      for (let step = 0; step <= path.length; ++step) {
        const li = document.createElement('li');
        const button = document.createElement('button');
        button.type = 'button';
        button.dataset.step = String(step);
        const code = step > 0 ? Number(path.moves[step - 1]) : 0;
        // A slide's direction: the long columns stand up when their bottom slot (slot 5) is empty.
        const up = step > 0 && path.positions[step - 1][5] === ' ';
        button.textContent = step === 0 ? t.start : t.stepItem(step, moveWords(t, code, up));
        li.appendChild(button);
        items.push(li);
      }
      list.replaceChildren(...items);
    }
    for (const button of list.querySelectorAll('button')) {
      const current = Number(button.dataset.step) === view.step;
      if (current) button.setAttribute('aria-current', 'step'); else button.removeAttribute('aria-current');
    }
    if (before && before.step !== view.step && view.step >= 0) {
      // Scroll the list alone: the page must stay on the drum the person is following. Measured
      // in the next frame, whose layout is due anyway (read at once it forced a second one).
      const item = list.querySelector(`[data-step="${view.step}"]`);
      if (item) requestAnimationFrame(() => {
        const top = item.offsetTop, bottom = top + item.offsetHeight;
        if (top < list.scrollTop) list.scrollTop = top;
        else if (bottom > list.scrollTop + list.clientHeight) list.scrollTop = bottom - list.clientHeight;
      });
    }
  }

  renderSetup(view, t, before) {
    const layoutField = $('layout');
    const shown = view.layout.replace(/ /g, '_');
    if (!before || before.layout !== view.layout || document.activeElement !== layoutField) layoutField.value = shown;
    const link = linkFor(location.href, view.layout);
    $('link').href = link;
    const list = $('fault-list');
    const words = view.faults.map((fault) => faultWords(t, fault));
    if (list.dataset.words !== words.join('\n')) {
      list.dataset.words = words.join('\n');
      list.replaceChildren(...words.map((text) => {
        const li = document.createElement('li');
        li.textContent = text;
        return li;
      }));
    }
    $('faults').hidden = view.faults.length === 0;
    for (const dot of document.querySelectorAll('#palette .dot')) {
      const value = dot.dataset.value;
      const name = value === '' ? t.noColourLabel : value === '-1' ? t.empty : `${value} ${t.colour(Number(value))}`;
      setText(dot.nextElementSibling, name);
      setText(dot, value === '' ? t.noColour : this.digits && value !== '-1' ? value : '');
    }
  }

  schedulePlay(view) {
    if (view.playing && !this.timer) {
      this.timer = setInterval(() => this.change(() => this.session.PlayTick()), PLAY_MS);
    } else if (!view.playing && this.timer) {
      clearInterval(this.timer);
      this.timer = null;
    }
  }
}

function startWorker() {
  try {
    const worker = new Worker('tq-solver-worker.js');
    // A script that fails may do so while the session still loads, before the page listens.
    worker.addEventListener('error', () => { worker.lost = true; });
    worker.postMessage({ type: 'prepare' });
    return worker;
  } catch {
    return null;
  }
}

async function main() {
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
  navigator.storage?.persist?.().catch(() => {});
  const worker = startWorker();
  let core;
  try {
    core = await window.createTqSession();
  } catch (error) {
    document.getElementById('status').textContent = texts[chooseLanguage(navigator.languages)].coreFailed;
    throw error;
  }
  window.trommelquirl = new Page(core, worker);
  document.documentElement.dataset.ready = 'true';
}

main();
