// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Help on a key: F1, or the page's own control, opens the help as a modal
// dialog, one row per key, shown as the key and what it does and read as
// one sentence; Escape or its button closes it, and the focus goes back
// where it was. F2 says the whole state. The exercise is untouched.

function buildHelp(help, { tellState, running }) {
  const dialog = $('help');
  $('help-title').textContent = help.title;
  $('help-close').textContent = help.close;
  $('help-open').textContent = help.button;
  $('help-open').setAttribute('aria-label', help.buttonName);
  $('help-open').setAttribute('aria-keyshortcuts', help.key);
  $('help-rows').replaceChildren(...help.rows.map(({ keys, action, spoken }) => {
    const row = document.createElement('li');
    const [key, what, heard] = ['kbd', 'span', 'span'].map((tag) => document.createElement(tag));
    key.textContent = keys;
    what.textContent = action;
    key.setAttribute('aria-hidden', 'true');
    what.setAttribute('aria-hidden', 'true');
    heard.className = 'unseen';
    heard.textContent = spoken;
    row.append(key, what, heard);
    return row;
  }));
  let from = null;
  // Once the exercise has ended, there is no window to help with.
  const open = () => {
    if (!running() || dialog.open || document.querySelector('dialog[open]')) return;
    from = document.activeElement;
    hush();
    dialog.showModal();
    // The dialog itself takes the focus, so that a screen reader names it
    // and reads its rows, all the page behind it gone out of reach; shown
    // from its title.
    dialog.focus();
    dialog.scrollTop = 0;
  };
  dialog.addEventListener('close', () => {
    if (from && from.isConnected) from.focus();
    from = null;
  });
  $('help-open').addEventListener('click', open);
  // The keys are the page's wherever the focus is, before the browser's own
  // F1 help; while the help is open, F2 says nothing.
  addEventListener('keydown', (event) => {
    if (event.ctrlKey || event.altKey || event.metaKey || event.shiftKey) return;
    if (event.key === help.key) {
      event.preventDefault();
      open();
    } else if (event.key === help.stateKey) {
      event.preventDefault();
      if (!document.querySelector('dialog[open]')) tellState();
    }
  }, true);
}
