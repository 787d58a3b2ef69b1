// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, and a run-time error: the module compiles while the window is
// built from the face; then the exercise starts and the page takes input.
// A failure at any point of start-up says so in Bulgarian instead of
// leaving a blank page: a browser that cannot run the page is told what it
// lacks; a run-time error of the core, before or after, gives its report.

let ended = false;
let face = null;

// The core's run-time error: the exercise ends with its report, as the
// window's message box ends it, and takes no more input.
function stopped(report) {
  if (ended) return;
  ended = true;
  if (!document.body.classList.contains('ready')) {
    unsupported(report);
    return;
  }
  win.inert = true;
  $('failure-title').textContent = face.failureTitle;
  $('failure-close').textContent = face.failureButton;
  $('failure-text').textContent = report;
  $('failure').showModal();
}

// In place of the window: the core's report, or the page's own message for
// a browser too old for what the page needs.
function unsupported(report) {
  $('stage').remove();
  $('help-open').remove();
  const message = $('unsupported');
  if (report) message.textContent = report;
  message.hidden = false;
}

async function startUp() {
  const compiling = compileCore();
  const core = await connectCore(await compiling, stopped);
  face = core.face();
  document.title = face.caption.spoken;
  let lastFocus = null;
  // The user's action, as the core takes it: a row selected, a button
  // pressed or a mode selected, by the numbers the core gives them.
  const act = (kind, index, row = -1) => {
    if (ended) return;
    lastFocus = document.activeElement;
    let outcome;
    try {
      outcome = core.step(kind, index, row);
    } catch (trap) {
      // The core stopped at a run-time error; kv_failed told the page why.
      stopped(String(trap));
      return;
    }
    draw(outcome);
    keepFocus(lastFocus);
    if (outcome.ran) say(outcome.announcement);
  };
  const built = buildWindow(face, { act, rowForKey: core.rowForKey });
  buildHelp(face.help, {
    tellState: () => { if (!ended) say(core.tellState().announcement); },
  });
  $('describe').textContent = face.description;
  draw(core.start());
  fitter(face, built);
  document.body.classList.add('ready');
  // Installed from a web server, the page starts offline too.
  if (location.protocol.startsWith('http') && 'serviceWorker' in navigator) {
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'kvelmor.webmanifest';
    document.head.append(manifest);
    navigator.serviceWorker.register('kvelmor-sw.js').catch(() => {});
  }
  win.querySelector('[role=textbox]')?.focus({ preventScroll: true });
  // How to get help, said once as the page is ready, as the window says it
  // with its name.
  say(face.description);
}

startUp().catch((error) => {
  console.error(error);
  if (!ended) {
    ended = true;
    unsupported('');
  }
});
