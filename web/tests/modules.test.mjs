// The page's own modules without a browser: where a position comes from, the links it offers,
// its two languages and the drum's keyboard moves.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const pageDir = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../page');
// The page's modules are plain browser modules; loading them from their text keeps them so.
const load = async (name) => import('data:text/javascript,' + encodeURIComponent(await fs.readFile(path.join(pageDir, name), 'utf8')));
const { openingText, linkFor, layoutFromLink } = await load('links.js');
const { texts, chooseLanguage, moveWords, faultWords } = await load('texts.js');
// drum.js touches the document only when a view is made; its geometry helpers need none.
const { neighbour, hasSlot, slotOf } = await load('drum.js');

const START = '30000 111132222 444435555 ';

test('a link made for any layout opens that layout again', () => {
  const samples = [START, ' 000053111 222213444 35554', '1'.repeat(26), '_'.repeat(26), '012345'.repeat(4) + '_ '];
  for (const layout of samples) {
    for (const page of ['http://127.0.0.1:8000/', 'https://example.test/tq/index.html?layout=x#top']) {
      const url = new URL(linkFor(page, layout));
      assert.equal(url.hash, '');
      assert.equal(layoutFromLink(url.search), layout.replace(/ /g, '_'));
      const opening = openingText(url.search, 'kept');
      assert.equal(opening.layout.replace(/_/g, ' '), layout.replace(/_/g, ' '));
      assert.equal(opening.refused, null);
    }
  }
});

test('a link wins over the kept session; without one the kept session opens', () => {
  assert.deepEqual(openingText('', 'kept text'), { layout: null, refused: null, saved: 'kept text' });
  assert.deepEqual(openingText('?other=1', null), { layout: null, refused: null, saved: null });
  assert.deepEqual(openingText('', ''), { layout: null, refused: null, saved: null });
  assert.equal(openingText(`?layout=${START.replace(/ /g, '_')}`, 'kept').saved, null);
});

test('a link that is no layout opens the start position and keeps the text to say why', () => {
  for (const text of ['', '123', '6'.repeat(26), START + '0', '<script>'.padEnd(26, '0')]) {
    const opening = openingText('?layout=' + encodeURIComponent(text), 'kept');
    assert.equal(opening.layout.replace(/_/g, ' '), START);
    assert.equal(opening.refused, text);
  }
});

test('German has every text English has, of the same kind', () => {
  const shape = (value) => (Array.isArray(value) ? `array ${value.length}` : typeof value === 'object' ? Object.keys(value).sort().join() : typeof value);
  for (const key of Object.keys(texts.en)) assert.equal(shape(texts.de[key]), shape(texts.en[key]), key);
  assert.deepEqual(Object.keys(texts.de).sort(), Object.keys(texts.en).sort());
});

test('the language is the first of the browser\'s that the page speaks', () => {
  assert.equal(chooseLanguage(['de-AT', 'en']), 'de');
  assert.equal(chooseLanguage(['fr-FR', 'DE']), 'de');
  assert.equal(chooseLanguage(['fr', 'it']), 'en');
  assert.equal(chooseLanguage([]), 'en');
  assert.equal(chooseLanguage(undefined), 'en');
});

test('every move and every fault has words in both languages, even a fault kind not known yet', () => {
  const faults = [
    { kind: 'length', count: 25, needed: 26 }, { kind: 'character', position: 3, character: 'x' },
    { kind: 'emptyCount', count: 1, needed: 3 }, { kind: 'colourCount', colour: 5, count: 5, needed: 4 },
    { kind: 'emptyPlace' }, { kind: 'emptyInShortColumn' }, { kind: 'somethingNew' },
  ];
  for (const t of Object.values(texts)) {
    for (let code = 1; code <= 5; ++code) {
      for (const up of [true, false]) assert.ok(moveWords(t, code, up).length > 5);
    }
    assert.notEqual(moveWords(t, 5, true), moveWords(t, 5, false));
    for (const fault of faults) {
      const words = faultWords(t, fault);
      assert.ok(words.length > 10 && !/undefined|NaN/.test(words), `${fault.kind}: ${words}`);
    }
    assert.match(faultWords(t, { kind: 'somethingNew' }), /somethingNew/);
  }
});

test('arrow keys always lead to a slot of the drum, and left and right undo each other', () => {
  const keys = ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown'];
  const back = { ArrowLeft: 'ArrowRight', ArrowRight: 'ArrowLeft' };
  let slots = 0;
  for (let column = 0; column < 5; ++column) {
    for (let row = 0; row < 6; ++row) {
      if (!hasSlot(column, row)) continue;
      ++slots;
      for (const key of keys) {
        const [c, r] = neighbour(column, row, key);
        assert.ok(hasSlot(c, r), `${key} from ${column},${row}`);
        if (back[key]) assert.deepEqual(neighbour(c, r, back[key]), [column, row]);
      }
    }
  }
  assert.equal(slots, 26);
  assert.equal(slotOf(4, 5), 25);
});
