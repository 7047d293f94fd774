// The page's words in English and German, and the choice of language from the browser's list.

const colourNames = {
  en: ['blue', 'yellow', 'orange', 'grey', 'green', 'red'],
  de: ['Blau', 'Gelb', 'Orange', 'Grau', 'Grün', 'Rot'],
};

const plural = (n, one, many) => (n === 1 ? one : many).replace('%n', String(n));

const en = {
  title: 'Trommelquirl',
  tagline: 'Set up your drum, get its shortest solution, follow it.',
  language: 'Language',
  digits: 'Colour digits',
  drum: 'The drum',
  column: (c) => `column ${c}`,
  slotLabel: (column, row, what) => `column ${column}, row ${row}: ${what}`,
  empty: 'empty',
  colour: (c) => colourNames.en[c],
  move: [
    '',
    'turn the upper half right',
    'turn the upper half left',
    'turn the lower half right',
    'turn the lower half left',
    'slide the long columns',
  ],
  slide: (up) => (up ? 'slide the long columns down' : 'slide the long columns up'),
  next: (words, step, length) => `Next: ${words}\u00a0— ${step}\u00a0of\u00a0${length}`,
  hint: (words) => `Hint: ${words}`,
  solvedEnd: (length) => `Solved — ${plural(length, '%n move', '%n moves')} followed.`,
  drumSolved: 'The drum is solved.',
  solve: 'Solve',
  hintButton: 'Hint',
  first: 'To the start',
  previous: 'Previous move',
  next1: 'Next move',
  last: 'To the end',
  play: 'Play',
  pause: 'Pause',
  undo: 'Undo',
  redo: 'Redo',
  undoKind: { move: 'Undo move', step: 'Undo step', edit: 'Undo edit', paste: 'Undo paste', scramble: 'Undo scramble', reset: 'Undo reset' },
  redoKind: { move: 'Redo move', step: 'Redo step', edit: 'Redo edit', paste: 'Redo paste', scramble: 'Redo scramble', reset: 'Redo reset' },
  scramble: 'Scramble',
  reset: 'Reset',
  moves: 'Moves',
  moveButton: ['', 'Upper half right (1)', 'Upper half left (2)', 'Lower half right (3)', 'Lower half left (4)', 'Slide (5)'],
  solution: 'Solution',
  lengthText: (n) => (n === 0 ? 'Solved: no moves needed.' : plural(n, '%n move; none shorter', '%n moves; none shorter')),
  solutionDigits: 'The solution as digits',
  copySolution: 'Copy moves',
  start: 'Start',
  stepItem: (n, words) => `${n}. ${words}`,
  noSolution: 'Press Solve for a shortest solution.',
  solving: 'Solving…',
  solvedIn: (ms, table) => `Solved in ${ms} ms${table === 'small' ? ' (quick table)' : ''}.`,
  setUp: 'Set up',
  setUpHelp: 'Choose a colour, then tap slots. Or type the layout: 26 characters, column by column from the top, _ for an empty slot.',
  palette: 'Colour to place',
  noColour: 'None',
  noColourLabel: 'No colour: tapping a slot only selects it',
  layout: 'Layout',
  apply: 'Set layout',
  copyLayout: 'Copy layout',
  link: 'Link to this position',
  copyLink: 'Copy link',
  share: 'Share…',
  copied: 'Copied.',
  copyFailed: 'Could not copy; select the text and copy it by hand.',
  faultsHeading: 'Why this position cannot be solved',
  fault: {
    length: (f) => `It has ${plural(f.count, '%n character', '%n characters')}; a layout has ${f.needed}.`,
    character: (f) => `Character ${f.position} is “${f.character}”, not “_”, a space or a colour 0 to 5.`,
    emptyCount: (f) => `There ${f.count === 1 ? 'is' : 'are'} ${plural(f.count, '%n empty slot', '%n empty slots')}; the drum has ${f.needed}.`,
    colourCount: (f) => `Colour ${f.colour} (${colourNames.en[f.colour]}) has ${plural(f.count, '%n ball', '%n balls')}; it needs ${f.needed}.`,
    emptyPlace: () => 'The long columns’ empty slots must all be at the top or all at the bottom.',
    emptyInShortColumn: () => 'The short columns have no empty slot.',
    other: (f) => `This layout cannot be reached by the moves (${f.kind}).`,
  },
  pasteRefused: (words) => `Not set. ${words}`,
  pasted: 'Set the new position.',
  pastedSame: 'The drum shows this position already.',
  table: 'Solver’s table',
  tableBuilding: (p) => `Building the full table (once): ${p}\u00a0%. The quick table answers meanwhile.`,
  tableReadyBuilt: 'The full table is built and kept for the next visit.',
  tableReadyStored: 'The full table was loaded from this browser’s storage.',
  tableFailed: (why) => `The full table could not be built (${why}); the quick table answers.`,
  solverFailed: (why) => `The solver gave no answer: ${why}`,
  coreFailed: 'The solver could not be loaded in this browser.',
  offlineReady: 'Ready to use offline.',
  footer: 'Works offline once opened. Your position is kept in this browser.',
};

const de = {
  title: 'Trommelquirl',
  tagline: 'Trommel aufbauen, kürzeste Lösung erhalten, ihr folgen.',
  language: 'Sprache',
  digits: 'Farbnummern',
  drum: 'Die Trommel',
  column: (c) => `Säule ${c}`,
  slotLabel: (column, row, what) => `Säule ${column}, Reihe ${row}: ${what}`,
  empty: 'leer',
  colour: (c) => colourNames.de[c],
  move: [
    '',
    'obere Hälfte nach rechts drehen',
    'obere Hälfte nach links drehen',
    'untere Hälfte nach rechts drehen',
    'untere Hälfte nach links drehen',
    'die langen Säulen schieben',
  ],
  slide: (up) => (up ? 'die langen Säulen hinunterschieben' : 'die langen Säulen hinaufschieben'),
  next: (words, step, length) => `Nächster Zug: ${words}\u00a0— ${step}\u00a0von\u00a0${length}`,
  hint: (words) => `Tipp: ${words}`,
  solvedEnd: (length) => `Gelöst — ${plural(length, '%n Zug', '%n Züge')} ausgeführt.`,
  drumSolved: 'Die Trommel ist gelöst.',
  solve: 'Lösen',
  hintButton: 'Tipp',
  first: 'Zum Anfang',
  previous: 'Voriger Zug',
  next1: 'Nächster Zug',
  last: 'Zum Ende',
  play: 'Abspielen',
  pause: 'Pause',
  undo: 'Rückgängig',
  redo: 'Wiederherstellen',
  undoKind: { move: 'Zug rückgängig', step: 'Schritt rückgängig', edit: 'Bearbeiten rückgängig', paste: 'Einfügen rückgängig', scramble: 'Mischen rückgängig', reset: 'Zurücksetzen rückgängig' },
  redoKind: { move: 'Zug wiederherstellen', step: 'Schritt wiederherstellen', edit: 'Bearbeiten wiederherstellen', paste: 'Einfügen wiederherstellen', scramble: 'Mischen wiederherstellen', reset: 'Zurücksetzen wiederherstellen' },
  scramble: 'Mischen',
  reset: 'Zurücksetzen',
  moves: 'Züge',
  moveButton: ['', 'Obere Hälfte rechts (1)', 'Obere Hälfte links (2)', 'Untere Hälfte rechts (3)', 'Untere Hälfte links (4)', 'Schieben (5)'],
  solution: 'Lösung',
  lengthText: (n) => (n === 0 ? 'Gelöst: kein Zug nötig.' : plural(n, '%n Zug; keiner ist kürzer', '%n Züge; keiner ist kürzer')),
  solutionDigits: 'Die Lösung als Ziffern',
  copySolution: 'Züge kopieren',
  start: 'Anfang',
  stepItem: (n, words) => `${n}. ${words}`,
  noSolution: '„Lösen“ findet eine kürzeste Lösung.',
  solving: 'Löse …',
  solvedIn: (ms, table) => `Gelöst in ${ms} ms${table === 'small' ? ' (schnelle Tabelle)' : ''}.`,
  setUp: 'Aufbauen',
  setUpHelp: 'Eine Farbe wählen, dann auf Plätze tippen. Oder die Stellung tippen: 26 Zeichen, Säule für Säule von oben, _ für einen leeren Platz.',
  palette: 'Farbe zum Setzen',
  noColour: 'Keine',
  noColourLabel: 'Keine Farbe: Tippen wählt den Platz nur aus',
  layout: 'Stellung',
  apply: 'Stellung setzen',
  copyLayout: 'Stellung kopieren',
  link: 'Link zu dieser Stellung',
  copyLink: 'Link kopieren',
  share: 'Teilen …',
  copied: 'Kopiert.',
  copyFailed: 'Kopieren ging nicht; bitte den Text markieren und von Hand kopieren.',
  faultsHeading: 'Warum diese Stellung nicht lösbar ist',
  fault: {
    length: (f) => `Sie hat ${f.count} Zeichen; eine Stellung hat ${f.needed}.`,
    character: (f) => `Zeichen ${f.position} ist „${f.character}“, kein „_“, kein Leerzeichen und keine Farbe 0 bis 5.`,
    emptyCount: (f) => `Es gibt ${plural(f.count, '%n leeren Platz', '%n leere Plätze')}; die Trommel hat ${f.needed}.`,
    colourCount: (f) => `Farbe ${f.colour} (${colourNames.de[f.colour]}) hat ${plural(f.count, '%n Kugel', '%n Kugeln')}; sie braucht ${f.needed}.`,
    emptyPlace: () => 'Die leeren Plätze der langen Säulen müssen alle oben oder alle unten sein.',
    emptyInShortColumn: () => 'Die kurzen Säulen haben keinen leeren Platz.',
    other: (f) => `Diese Stellung ist mit den Zügen nicht erreichbar (${f.kind}).`,
  },
  pasteRefused: (words) => `Nicht gesetzt. ${words}`,
  pasted: 'Die neue Stellung ist gesetzt.',
  pastedSame: 'Die Trommel zeigt diese Stellung schon.',
  table: 'Tabelle des Lösers',
  tableBuilding: (p) => `Die volle Tabelle wird gebaut (einmalig): ${p}\u00a0%. Bis dahin antwortet die schnelle Tabelle.`,
  tableReadyBuilt: 'Die volle Tabelle ist gebaut und für den nächsten Besuch gespeichert.',
  tableReadyStored: 'Die volle Tabelle wurde aus dem Speicher dieses Browsers geladen.',
  tableFailed: (why) => `Die volle Tabelle konnte nicht gebaut werden (${why}); die schnelle Tabelle antwortet.`,
  solverFailed: (why) => `Der Löser gab keine Antwort: ${why}`,
  coreFailed: 'Der Löser kann in diesem Browser nicht geladen werden.',
  offlineReady: 'Bereit für die Nutzung ohne Netz.',
  footer: 'Funktioniert nach dem ersten Öffnen ohne Netz. Die Stellung bleibt in diesem Browser gespeichert.',
};

export const texts = { en, de };
export const languages = ['en', 'de'];

// The first of the browser's languages the page speaks, English otherwise.
export function chooseLanguage(preferred) {
  for (const tag of preferred || []) {
    const base = String(tag).toLowerCase().split('-')[0];
    if (languages.includes(base)) return base;
  }
  return 'en';
}

// The words for a move, naming the slide's direction when the position tells it.
export function moveWords(t, code, longColumnsUp) {
  if (code === 5) return t.slide(longColumnsUp);
  return t.move[code] || '';
}

// One fault in words; a kind this page does not know yet is still said, never dropped.
export function faultWords(t, fault) {
  const say = t.fault[fault.kind] || t.fault.other;
  return say(fault);
}
