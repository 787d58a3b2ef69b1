// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page only draws: every place, colour, text and sentence of the window,
// and every decision of the exercise, comes from the program's core,
// compiled to WebAssembly and carried in this file. The page builds the
// controls the core describes, hands it each of the user's actions, draws
// the state it answers and passes its sentences to a screen reader. Only
// how each kind of control looks is its own, and the message for a browser
// that cannot run the core at all.
'use strict';

const $ = (id) => document.getElementById(id);
let ended = false;

(async () => {
  if (typeof WebAssembly !== 'object' || typeof DecompressionStream !== 'function') {
    throw new Error('no WebAssembly or DecompressionStream');
  }

  // The module, gzipped and in base64.
  const base64 = $('core').textContent.trim();
  const packed = Uint8Array.fromBase64 ? Uint8Array.fromBase64(base64)
    : Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const bytes = await new Response(
    new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
  const pictures = JSON.parse($('pictures').textContent);
  const utf8 = new TextDecoder();
  let core = null;
  const text = (pointer, length) =>
    utf8.decode(new Uint8Array(core.memory.buffer, pointer, length));
  const answer = (pointer) => JSON.parse(text(pointer, core.kv_length()));
  const { instance } = await WebAssembly.instantiate(bytes, {
    // A run-time error: the core reports it, then stops.
    env: { kv_failed: (pointer, length) => end(text(pointer, length)) },
  });
  core = instance.exports;
  core._initialize();

  const face = answer(core.kv_face());
  const win = $('window');
  const spoken = $('spoken');
  const lists = [];
  const captions = [];
  const modes = [];
  let result = null;
  let lastFocus = null;

  // Shown as it is, read for the ear where the two differ.
  function words(element, { shown, spoken: said }) {
    element.replaceChildren();
    if (said === shown) {
      element.textContent = shown;
      return;
    }
    const seen = document.createElement('span');
    seen.setAttribute('aria-hidden', 'true');
    seen.textContent = shown;
    const heard = document.createElement('span');
    heard.className = 'unseen';
    heard.textContent = said;
    element.append(seen, heard);
  }

  // Controls made later lie over those made earlier, as in the window,
  // whatever their place in the focus order.
  const made = face.controls.map((control) => control.name);

  function place(element, control, parent) {
    element.id = control.name.replace(/[()]/g, '');
    element.style.zIndex = made.indexOf(control.name);
    element.className = control.kind;
    Object.assign(element.style, {
      left: `${control.left}px`, top: `${control.top}px`,
      width: `${control.width}px`, height: `${control.height}px`,
    });
    if (control.background) element.style.setProperty('--face', control.background);
    if (control.hidden) element.hidden = true;
    parent.append(element);
    return element;
  }

  // The user's action, as the core takes it: a row selected, a button
  // pressed or a mode selected, by the numbers the core gives them.
  const { selectRow, pressButton, selectMode } = face.actions;
  function act(kind, index, row = -1) {
    if (ended) return;
    lastFocus = document.activeElement;
    let outcome;
    try {
      outcome = answer(core.kv_step(kind, index, row));
    } catch (trap) {
      // The core stopped at a run-time error; kv_failed told the page why.
      if (!ended) end(String(trap));
      return;
    }
    draw(outcome);
    if (outcome.ran && outcome.announcement) say(outcome.announcement);
  }

  // A polite live region speaks each new text once, and a screen reader may
  // pass over a text it has just said. Two regions take turns, the second
  // ending its sentence with a blank no one hears, so that a sentence said
  // again, as "Изчисли" pressed again says the result, is new text, and new
  // to the screen reader too.
  let speaker = 0;
  function say(sentence) {
    const [now, before] = speaker ? [$('spoken-again'), spoken] : [spoken, $('spoken-again')];
    before.textContent = '';
    now.textContent = speaker ? `${sentence}\u00a0` : sentence;
    speaker = 1 - speaker;
  }

  const listKeys = {
    ArrowUp: face.listKeys.up, ArrowDown: face.listKeys.down, PageUp: face.listKeys.pageUp,
    PageDown: face.listKeys.pageDown, Home: face.listKeys.home, End: face.listKeys.end,
  };

  function buildList(control, parent) {
    const box = place(document.createElement('div'), control, parent);
    box.setAttribute('role', 'listbox');
    box.setAttribute('aria-label', control.accessibleName);
    const said = document.createElement('span');
    said.id = `${box.id}-said`;
    said.hidden = true;
    box.setAttribute('aria-describedby', said.id);
    // The rows only show the items: the list takes the focus, and its own
    // scroll bar, drawn as the window's, scrolls them when they overflow.
    const rows = document.createElement('div');
    rows.className = 'rows';
    rows.setAttribute('role', 'none');
    rows.addEventListener('wheel', (event) => {
      event.preventDefault();
      rows.scrollBy(0, Math.sign(event.deltaY) * 3 * (rows.firstElementChild?.offsetHeight ?? 18));
    }, { passive: false });
    // A finger drawn along the rows scrolls them as the wheel does, in the
    // window's own pixels however the page is scaled; a tap stays a click.
    let drag = null;
    let swiped = false;
    rows.addEventListener('pointerdown', (event) => {
      if (event.pointerType === 'touch') drag = { y: event.clientY, top: rows.scrollTop };
    });
    rows.addEventListener('pointermove', (event) => {
      if (!drag || event.pointerType !== 'touch') return;
      const by = (drag.y - event.clientY) * rows.offsetHeight / rows.getBoundingClientRect().height;
      if (Math.abs(by) > 4) swiped = true;
      if (swiped) rows.scrollTop = drag.top + by;
    });
    for (const end of ['pointerup', 'pointercancel']) rows.addEventListener(end, () => { drag = null; });
    const bar = scrollBar(rows);
    box.append(rows, bar.element, said);
    const index = control.index;
    box.addEventListener('pointerdown', () => { swiped = false; }, true);
    box.addEventListener('click', (event) => {
      if (swiped) {
        swiped = false;
        return;
      }
      if (!box.classList.contains('off')) box.focus();
      // The scroll bar only scrolls.
      if (event.target.closest('.scrollbar')) return;
      const option = event.target.closest('[role=option]');
      act(selectRow, index, option ? Number(option.dataset.row) : -1);
    });
    box.addEventListener('keydown', (event) => {
      if (event.ctrlKey || event.altKey || event.metaKey) return;
      const other = face.listKeys.other;
      const key = listKeys[event.key] ?? other;
      const typed = key === other && event.key.length === 1 ? event.key.charCodeAt(0) : 0;
      if (key === other && !typed) return;
      const rowHeight = rows.firstElementChild ? rows.firstElementChild.offsetHeight : 1;
      const row = core.kv_row_for_key(index, key, typed, Math.floor(rows.clientHeight / rowHeight));
      // A blank selects nothing, nor scrolls the page.
      if (key !== other || row >= 0 || event.key === ' ') event.preventDefault();
      if (row >= 0) act(selectRow, index, row);
    });
    lists[index] = { box, rows, said, bar, selected: -1 };
    box.addEventListener('focus', () => showFocus(lists[index]));
  }

  function drawList({ box, rows, said }, state) {
    const shown = [...rows.children].map((option) => option.textContent);
    if (shown.join('\n') !== state.items.join('\n') || shown.length !== state.items.length) {
      rows.replaceChildren(...state.items.map((item, row) => {
        const option = document.createElement('div');
        option.setAttribute('role', 'option');
        option.id = `${box.id}-${row}`;
        option.dataset.row = row;
        option.textContent = item;
        option.setAttribute('aria-label', state.spokenItems[row]);
        return option;
      }));
    }
    [...rows.children].forEach((option, row) =>
      option.setAttribute('aria-selected', String(row === state.selected)));
    if (state.selected >= 0)
      box.setAttribute('aria-activedescendant', `${box.id}-${state.selected}`);
    else
      box.removeAttribute('aria-activedescendant');
    said.textContent = state.said;
    box.hidden = !state.visible;
    box.classList.toggle('off', !state.enabled);
    box.setAttribute('aria-disabled', String(!state.enabled));
    box.tabIndex = state.enabled ? 0 : -1;
  }

  // What depends on the lists' sizes, read once for all lists and then
  // written, so that the page is laid out once or twice per action, not
  // once per list: whether a list scrolls, a newly selected row brought into
  // sight, and where the focus is shown on the focused one.
  function layOutLists(states) {
    const shown = lists.filter(({ box }) => !box.hidden);
    const sizes = shown.map(({ rows }) => [rows.scrollHeight, rows.clientHeight,
      rows.firstElementChild?.offsetHeight ?? 0]);
    shown.forEach((list, i) => {
      const { box, rows, bar } = list;
      const [all, room, row] = sizes[i];
      box.classList.toggle('scrolls', all > room + 1);
      const { selected } = states[lists.indexOf(list)];
      if (selected >= 0 && row && selected !== list.selected) {
        const top = selected * row;
        if (top < rows.scrollTop) rows.scrollTop = top;
        else if (top + row > rows.scrollTop + room) rows.scrollTop = top + row - room;
      }
      list.selected = selected;
      bar.update();
    });
    const focused = lists.find(({ box }) => box === document.activeElement && !box.hidden);
    if (focused) showFocus(focused);
  }

  // Where the focus is shown on a list while nothing is selected: on the
  // first item, or within the empty list.
  function showFocus({ box, rows }) {
    const first = rows.firstElementChild;
    const ring = first
      ? [rows.offsetLeft + first.offsetLeft, rows.offsetTop + first.offsetTop, first.offsetWidth, first.offsetHeight]
      : [rows.offsetLeft + 1, rows.offsetTop + 1, rows.clientWidth - 2, rows.clientHeight - 2];
    ['left', 'top', 'width', 'height'].forEach((name, i) =>
      box.style.setProperty(`--ring-${name}`, `${ring[i]}px`));
    box.style.setProperty('--ring-bottom', `${(ring[2] - 1) % 3}px`);
    box.style.setProperty('--ring-side', `${(ring[3] - 2) % 3}px`);
  }

  function buildFrame(control, parent) {
    const frame = place(document.createElement('div'), control, parent);
    frame.setAttribute('role', 'radiogroup');
    const legend = document.createElement('span');
    legend.className = 'legend';
    legend.id = `${frame.id}-legend`;
    legend.textContent = control.caption.shown;
    frame.setAttribute('aria-labelledby', legend.id);
    frame.append(legend);
    return frame;
  }

  // The mark of a mode button, 12 pixels wide, drawn as the classic style
  // draws it: rings of 5.5 and 4.675 pixels, the white within of 3.97, the
  // dot of 1.99, each with a one-pixel line around it.
  const svg = (name, attributes = {}) => {
    const element = document.createElementNS('http://www.w3.org/2000/svg', name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
    return element;
  };
  function radioMark() {
    const mark = svg('svg', { class: 'mark', viewBox: '0 0 12 12', 'aria-hidden': 'true' });
    const circle = (r, c) => svg('circle', { cx: 6, cy: 6, r, class: c });
    const upper = svg('g', { class: 'upper' });
    upper.append(circle(5.5, 'dark'), circle(4.675, 'shadow'));
    const lower = svg('g', { class: 'lower' });
    lower.append(circle(5.5, 'light'), circle(4.675, 'midlight'));
    mark.append(upper, lower, circle(3.974, 'fill'), circle(1.987, 'dot'));
    return mark;
  }
  const clips = svg('svg', { width: 0, height: 0, class: 'clips', 'aria-hidden': 'true' });
  // Split along the diagonal as the classic style's pixel region splits it:
  // a pixel whose centre lies on it goes to the upper left.
  for (const [id, points] of [['upper-left', '0,0 0,12 0.25,12 12,0.25 12,0'],
    ['lower-right', '0.25,12 12,12 12,0.25']]) {
    const clip = svg('clipPath', { id });
    clip.append(svg('polygon', { points, 'shape-rendering': 'crispEdges' }));
    clips.append(clip);
  }
  document.body.append(clips);

  // Mode buttons as the window's: Tab stops on one of them, the arrows move
  // between them and select only when the one left was selected, and Space
  // selects.
  function buildMode(control, parent) {
    const mode = place(document.createElement('div'), control, parent);
    mode.setAttribute('role', 'radio');
    const mark = radioMark();
    const label = document.createElement('span');
    label.textContent = control.caption.shown;
    mode.append(mark, label);
    const index = control.index;
    mode.addEventListener('click', () => {
      if (mode.classList.contains('off')) return;
      mode.focus();
      act(selectMode, index);
    });
    mode.addEventListener('keydown', (event) => {
      if (event.key === ' ') {
        event.preventDefault();
        act(selectMode, index);
        return;
      }
      const step = { ArrowDown: 1, ArrowRight: 1, ArrowUp: -1, ArrowLeft: -1 }[event.key];
      if (!step) return;
      event.preventDefault();
      const others = modes.filter((m) => !m.classList.contains('off'));
      const next = others[(others.indexOf(mode) + step + others.length) % others.length];
      if (!next || next === mode) return;
      const wasChecked = mode.getAttribute('aria-checked') === 'true';
      next.focus();
      if (wasChecked) act(selectMode, modes.indexOf(next));
    });
    modes[index] = mode;
  }

  function drawModes(states) {
    const checked = states.findIndex((m) => m.checked);
    modes.forEach((mode, i) => {
      mode.setAttribute('aria-checked', String(states[i].checked));
      mode.setAttribute('aria-disabled', String(!states[i].enabled));
      mode.classList.toggle('off', !states[i].enabled);
      // One stop for the group: the selected one, else the first.
      mode.tabIndex = states[i].enabled && (checked < 0 ? i === 0 : i === checked) ? 0 : -1;
    });
  }

  function buildPicture(control, parent) {
    const frame = place(document.createElement('div'), control, parent);
    const photo = document.createElement('img');
    // The picture drawn for the screen's pixels: twice as fine on a fine
    // screen or zoomed in, else exactly as the window shows it.
    const sharpen = () => {
      photo.src = devicePixelRatio > 1 ? pictures['balance@2x'] : pictures.balance;
      matchMedia(`(resolution: ${devicePixelRatio}dppx)`)
        .addEventListener('change', sharpen, { once: true });
    };
    sharpen();
    photo.width = face.photoWidth;
    photo.height = face.photoHeight;
    photo.alt = control.accessibleName;
    frame.append(photo);
  }

  function buildButton(control, parent) {
    const button = place(document.createElement('button'), control, parent);
    button.type = 'button';
    button.textContent = control.caption.shown;
    button.addEventListener('click', () => act(pressButton, control.index));
  }

  // A read-only text, shown as it is and read in words.
  function buildText(control, parent) {
    const box = place(document.createElement('div'), control, parent);
    const content = document.createElement('div');
    content.className = 'content';
    content.setAttribute('role', 'textbox');
    content.setAttribute('aria-readonly', 'true');
    content.setAttribute('aria-label', control.accessibleName);
    content.tabIndex = 0;
    box.append(content);
    if (control.text) {
      content.setAttribute('aria-multiline', 'true');
      words(content, control.text);
      box.append(scrollBar(content).element);
    }
    return content;
  }

  // The window's scroll bar, drawn alike in every browser: the arrows move
  // a line, the trough a page, the thumb as far as it is dragged.
  function scrollBar(content) {
    const bar = document.createElement('div');
    bar.className = 'scrollbar';
    bar.setAttribute('aria-hidden', 'true');
    const part = (name) => {
      const element = document.createElement('div');
      element.className = name;
      return element;
    };
    const up = part('arrow up');
    const trough = part('trough');
    const thumb = part('thumb');
    const down = part('arrow down');
    trough.append(thumb);
    bar.append(up, trough, down);
    const line = () => content.firstElementChild?.getAttribute('role') === 'option'
      ? content.firstElementChild.offsetHeight : parseFloat(getComputedStyle(content).lineHeight);
    // The thumb is as long as a page is of all the rows or lines, as the
    // classic style counts them, and never shorter than nine pixels.
    const show = () => {
      const room = trough.clientHeight;
      const step = line() || 18;
      const page = Math.max(1, Math.floor(content.clientHeight / step));
      const all = Math.max(page, Math.round(content.scrollHeight / step));
      const size = Math.min(room, Math.max(9, Math.floor(page * room / all)));
      const travel = content.scrollHeight - content.clientHeight;
      thumb.style.height = `${size}px`;
      thumb.style.top = `${travel > 0 ? Math.round((room - size) * content.scrollTop / travel) : 0}px`;
    };
    content.addEventListener('scroll', show);
    const update = () => requestAnimationFrame(show);
    up.addEventListener('mousedown', () => content.scrollBy(0, -line()));
    down.addEventListener('mousedown', () => content.scrollBy(0, line()));
    trough.addEventListener('mousedown', (event) => {
      if (event.target !== trough) return;
      const page = content.clientHeight - line();
      content.scrollBy(0, event.offsetY < thumb.offsetTop ? -page : page);
    });
    thumb.addEventListener('pointerdown', (event) => {
      const from = event.clientY;
      const start = content.scrollTop;
      // The window may be drawn smaller on a narrow screen.
      const shrunk = trough.getBoundingClientRect().height / Math.max(1, trough.offsetHeight);
      const scale = (content.scrollHeight - content.clientHeight) /
        Math.max(1, (trough.clientHeight - thumb.offsetHeight) * shrunk);
      const drag = (move) => { content.scrollTop = start + (move.clientY - from) * scale; };
      thumb.setPointerCapture(event.pointerId);
      thumb.addEventListener('pointermove', drag);
      thumb.addEventListener('pointerup', () => thumb.removeEventListener('pointermove', drag),
        { once: true });
    });
    update();
    return { element: bar, update };
  }

  function build() {
    document.title = face.caption.shown;
    win.setAttribute('aria-label', face.caption.spoken);
    win.setAttribute('role', 'main');
    Object.assign(win.style, {
      width: `${face.width}px`, height: `${face.height}px`, background: face.background,
    });
    win.style.setProperty('--window', face.background);
    // Points are 4/3 of a CSS pixel: 12 points, 16 pixels.
    document.body.style.font = `${face.fontPoints * 4 / 3}px "${face.font}", serif`;
    // In the focus order, and so in the order a screen reader reads.
    const ordered = [...face.controls].sort((a, b) => a.tabIndex - b.tabIndex);
    const frames = {};
    for (const control of ordered) {
      const parent = control.container ? frames[control.container] : win;
      switch (control.kind) {
        case 'frame': frames[control.name] = buildFrame(control, win); break;
        case 'caption': {
          const caption = place(document.createElement('div'), control, parent);
          words(caption, control.caption);
          captions[control.index] = caption;
          break;
        }
        case 'list': buildList(control, parent); break;
        case 'modeButton': buildMode(control, parent); break;
        case 'picture': buildPicture(control, parent); break;
        case 'button': buildButton(control, parent); break;
        case 'resultBox': result = buildText(control, parent); break;
        case 'textBox': buildText(control, parent); break;
        default: break;
      }
    }
  }

  // Where the focus goes when its control is hidden or disabled: on to the
  // next control that takes it, as in the window.
  function keepFocus() {
    const gone = (e) => e.closest('[hidden]') || e.tabIndex < 0 || e.disabled;
    const focused = lastFocus;
    if (!focused || focused === document.body || !gone(focused)) return;
    const stops = [...win.querySelectorAll('[tabindex="0"], button')].filter((e) => !gone(e));
    const all = [...win.querySelectorAll('[role], button')];
    const after = stops.find((e) => all.indexOf(e) > all.indexOf(focused)) || stops[0];
    if (after) after.focus();
  }

  function draw(state) {
    state.lists.forEach((list, i) => drawList(lists[i], list));
    state.captions.forEach((visible, i) => { captions[i].hidden = !visible; });
    drawModes(state.modes);
    words(result, state.result);
    keepFocus();
    // What depends on sizes is laid out with the next frame, before it is shown.
    requestAnimationFrame(() => layOutLists(state.lists));
  }

  function end(report) {
    if (ended) return;
    ended = true;
    win.inert = true;
    $('failure-title').textContent = face.failureTitle;
    $('failure-close').textContent = face.failureButton;
    $('failure-text').textContent = report;
    $('failure').showModal();
  }

  // A narrow screen sees the whole window, smaller.
  function fit() {
    const scale = Math.min(1, document.documentElement.clientWidth / face.width);
    win.style.transform = scale < 1 ? `scale(${scale})` : '';
    $('stage').style.width = `${face.width * scale}px`;
    $('stage').style.height = `${face.height * scale}px`;
  }

  build();
  draw(answer(core.kv_start()));
  requestAnimationFrame(fit);
  addEventListener('resize', fit);
  document.body.classList.add('ready');
  // Installed from a web server, the page starts offline too.
  if (location.protocol.startsWith('http') && 'serviceWorker' in navigator) {
    const manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'kvelmor.webmanifest';
    document.head.append(manifest);
    navigator.serviceWorker.register('kvelmor-sw.js').catch(() => {});
  }
  win.querySelector('[role=textbox]')?.focus();
})().catch((error) => {
  // A browser too old for what the page needs (a policy it does not know,
  // a missing call) says so instead of leaving a blank page; a run-time
  // error of the core has said its own already.
  console.error(error);
  if (ended) return;
  $('window')?.remove();
  $('unsupported').hidden = false;
});
