// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The live regions: how a sentence of the core reaches a screen reader
// without moving the focus.

// A polite live region speaks each new text once, and a screen reader may
// pass over a text it has just said. Two regions take turns, the second
// ending its sentence with a blank no one hears, so that a sentence said
// again, as "Изчисли" pressed again says the result, is new text, and new
// to the screen reader too.
const speakers = [$('spoken'), $('spoken-again')];
let speaker = 0;
let sentencesSaid = 0;
function say(sentence) {
  if (!sentence) return;
  sentencesSaid += 1;
  speakers[1 - speaker].textContent = '';
  speakers[speaker].textContent = speaker ? `${sentence}\u00a0` : sentence;
  speaker = 1 - speaker;
}

// Both regions emptied, so that nothing said before is said again when
// the page behind a dialog comes back into a screen reader's reach.
function hush() {
  for (const region of speakers) region.textContent = '';
}
