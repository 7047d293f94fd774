// Where the page's position comes from when it opens, and the link that opens a position again.

// A link's layout text: "_" for an empty slot, so that it survives being copied and pasted.
export function layoutFromLink(search) {
  const value = new URLSearchParams(search).get('layout');
  return value === null ? null : value;
}

// What to open: {layout, refused, saved}. A link's layout wins over the kept session; a link
// whose text is no layout at all (wrong length, other characters) opens the start position and
// reports `refused`, so that the person learns why the link did not open. Checking the text's
// shape here only decides how to open it; the session judges the position.
export function openingText(search, saved) {
  const linked = layoutFromLink(search);
  if (linked !== null) {
    const text = linked.replace(/_/g, ' ');
    if (text.length === 26 && /^[ 0-5]*$/.test(text)) return { layout: linked, refused: null, saved: null };
    return { layout: '30000_111132222_444435555_', refused: linked, saved: null };
  }
  return { layout: null, refused: null, saved: typeof saved === 'string' && saved !== '' ? saved : null };
}

// The page's own address with ?layout= for `layout` (spaces written as "_"), and nothing else.
export function linkFor(href, layout) {
  const url = new URL(href);
  url.search = '';
  url.hash = '';
  url.searchParams.set('layout', layout.replace(/ /g, '_'));
  return url.href;
}
