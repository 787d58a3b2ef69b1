// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, and a run-time error. The window is built and drawn at once
// from the face and the view of the start that the core gave as the page
// was made, and takes input from then on; the core compiles meanwhile, and
// input that comes before it waits for it, in order. A failure at any point
// of start-up says so in Bulgarian instead of leaving a blank page: a
// browser that cannot run the page is told what it lacks; a run-time error
// of the core gives its report, in place of the window if the exercise had
// not yet started, else as the window's message box gives it.

let ended = false;
let started = false;
let face = null;

// The core's run-time error: the exercise ends with its report and takes
// no more input.
function stopped(report) {
  if (ended) return;
  ended = true;
  if (!started) {
    unsupported(report);
    return;
  }
  win.inert = true;
  $('failure-title').textContent = face.failureTitle;
  $('failure-close').textContent = face.failureButton;
  $('failure-text').textContent = report;
  // Closed, the report stays in place of the window, as the program ends
  // after its message box.
  $('failure').addEventListener('close', () => unsupported(report), { once: true });
  $('failure').showModal();
}

// In place of the window: the core's report, or the page's own message,
// for a browser too old for what the page needs or for a page that could
// not start otherwise.
function unsupported(report, message = $('unsupported')) {
  $('stage').remove();
  $('help-open').remove();
  if (report) message.textContent = report;
  message.hidden = false;
}

async function startUp() {
  needed();
  const compiling = compileCore();
  face = JSON.parse($('face').textContent);
  // Each step of start-up marked, for whoever measures it (bench/page_startup.mjs).
  performance.mark('kvelmor:face');
  const { selectRow } = face.actions;
  let core = null;
  const waiting = [];
  const withCore = (use) => {
    if (ended) return;
    if (core) use(core);
    else waiting.push(use);
  };
  let lastFocus = null;
  // The user's action, as the core takes it: a row selected, a button
  // pressed or a mode selected, by the numbers the core gives them.
  // A row may be given as how to find it when the core takes the action.
  const act = (kind, index, row = -1) => withCore((ready) => {
    lastFocus = document.activeElement;
    let outcome;
    try {
      outcome = ready.step(kind, index, typeof row === 'function' ? row() : row);
    } catch (trap) {
      // The core stopped at a run-time error; kv_failed told the page why,
      // or else it stopped with no report.
      console.error(trap);
      stopped(face.failureLead);
      return;
    }
    draw(outcome);
    keepFocus(lastFocus);
    if (outcome.ran) say(outcome.announcement);
  });
  // A key in a list selects the row the core says it leads to; found() is
  // told at once where the core is already there.
  const chooseByKey = (index, key, typed, rows, found) => withCore((ready) => {
    const row = ready.rowForKey(index, key, typed, rows);
    if (row < 0) return;
    found();
    act(selectRow, index, row);
  });
  buildWindow(face, { act, chooseByKey });
  performance.mark('kvelmor:built');
  buildHelp(face.help, {
    tellState: () => withCore((ready) => say(ready.tellState().announcement)),
    running: () => !ended,
  });
  $('describe').textContent = face.description;
  draw(JSON.parse($('started').textContent));
  fitter(face);
  document.body.classList.add('ready');
  performance.mark('kvelmor:ready');
  // The page's icon, once the pictures are read.
  pictures.then(({ icon }) => {
    const link = document.createElement('link');
    link.rel = 'icon';
    link.href = icon;
    document.head.append(link);
  });
  // Installed from a web server, the page starts offline too.
  if (location.protocol.startsWith('http') && 'serviceWorker' in navigator) {
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'kvelmor.webmanifest';
    document.head.append(manifest);
    navigator.serviceWorker.register('kvelmor-sw.js').catch(() => {});
  }
  // The focus on the instructions, as in the window, as the page is first
  // drawn: asked for now, it would lay the page out before its time.
  requestAnimationFrame(() => win.querySelector('[role=textbox]')?.focus({ preventScroll: true }));
  // How to get help, said once as the page has loaded, as the window says
  // it with its name. The browser tells a screen reader that the page has
  // loaded in an accessibility update after the load event; what a live
  // region says before that, or in the same update, Orca 48 takes as said on
  // a page that is not yet the active one, and passes over. Two frames on,
  // the sentence comes after it. Not once the exercise has ended, nor behind
  // the help, if the pupil has opened it by then; nor over what the pupil's
  // first action said, which the browser may not have passed on yet: the
  // main region still carries it as its description.
  const hint = () => requestAnimationFrame(() => requestAnimationFrame(() => {
    if (!ended && !$('help').open && sentencesSaid === 0) say(face.description);
  }));
  if (document.readyState === 'complete') hint();
  else addEventListener('load', hint, { once: true });

  // The exercise starts in the core as it started on the page, and what
  // the pupil did meanwhile follows.
  const connected = await connectCore(await compiling, stopped);
  draw(connected.start());
  started = true;
  performance.mark('kvelmor:started');
  core = connected;
  for (const use of waiting.splice(0)) withCore(use);
}

// A call the browser does not have is a TypeError; a damaged core will not
// compile or stops with no report.
startUp().catch((error) => {
  console.error(error);
  if (!ended) {
    ended = true;
    unsupported('', error instanceof Lacking || error instanceof TypeError ? $('unsupported') : $('broken'));
  }
});
