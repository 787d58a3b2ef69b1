// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Focus and fitting to the screen: where the focus goes when its control
// goes away, and how the window meets the screen it is shown on.

// Where the focus goes when its control is hidden or disabled: on to the
// next control that takes it, as in the window.
function keepFocus(focused) {
  const gone = (e) => e.closest('[hidden]') || e.tabIndex < 0 || e.disabled;
  if (!focused || focused === document.body || !win.contains(focused) || !gone(focused)) return;
  const stops = [...win.querySelectorAll('[tabindex="0"], button')].filter((e) => !gone(e));
  const all = [...win.querySelectorAll('[role], button')];
  const after = stops.find((e) => all.indexOf(e) > all.indexOf(focused)) || stops[0];
  if (after) after.focus();
}

// A screen narrower than the window, as a media query.
const narrowScreen = (face) => `(max-width: ${face.width - 0.02}px)`;

// The window at its own size where it fits, pixel for pixel as the
// program's; scaled up to the width of a touch screen, so that a finger
// finds its rows; and where it does not fit, its controls laid out for a
// finger one below the other, in the order they are read. Nothing here
// asks the page for a size on a screen with a mouse, so that it is laid
// out once, as it is drawn.
function fitter(face) {
  const stage = $('stage');
  const help = $('help-open');
  const narrow = matchMedia(narrowScreen(face));
  const touch = matchMedia('(pointer: coarse)');
  // Room below the window for the help's own control.
  const roomy = matchMedia(`(min-height: ${face.height + 60}px)`);
  const fit = () => {
    // The width within any scroll bar; only a touch screen asks for it,
    // which draws the window as wide.
    const scale = !narrow.matches && touch.matches ? document.documentElement.clientWidth / face.width : 1;
    const changed = document.body.classList.contains('narrow') !== narrow.matches;
    document.body.classList.toggle('narrow', narrow.matches);
    document.body.classList.toggle('wide', !narrow.matches);
    win.style.transform = scale !== 1 ? `scale(${scale})` : '';
    stage.style.width = narrow.matches ? '' : `${face.width * scale}px`;
    stage.style.height = narrow.matches ? '' : `${face.height * scale}px`;
    // The help's own control where there is room for it beside the window,
    // so that the window keeps every pixel of the screen it fills.
    help.hidden = !narrow.matches && !touch.matches && !roomy.matches;
    // The lists' scroll bars and focus rings for the layout now in force.
    if (changed) relayOut();
  };
  fit();
  addEventListener('resize', fit);
  for (const query of [narrow, touch, roomy]) query.addEventListener('change', fit);
}
