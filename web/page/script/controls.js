// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls the core describes, built and drawn as the window's classic
// style draws them: lists with their scroll bars, the frame and its mode
// buttons, the picture, the buttons and the texts. Where each stands, its
// colour and its words come from the face; what each shows from the view.

const win = $('window');
const lists = [];
const captions = [];
const modes = [];
const textBars = [];
let result = null;

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

// Its place in the window, which the narrow layout sets aside for a column.
function place(element, control, parent, made) {
  element.id = control.name.replace(/[()]/g, '');
  element.className = `control ${control.kind}`;
  // Controls made later lie over those made earlier, as in the window,
  // whatever their place in the reading order.
  element.style.zIndex = made;
  for (const side of ['left', 'top', 'width', 'height']) {
    element.style.setProperty(`--${side}`, `${control[side]}px`);
  }
  if (control.background) element.style.setProperty('--face', control.background);
  if (control.hidden) element.hidden = true;
  parent.append(element);
  return element;
}

function buildList(control, element, { act, chooseByKey, listKeys }) {
  const box = element;
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
    if (!box.classList.contains('scrolls')) return;
    event.preventDefault();
    rows.scrollBy(0, Math.sign(event.deltaY) * 3 * (rows.firstElementChild?.offsetHeight ?? 18));
  }, { passive: false });
  // A finger drawn along the rows of a list that scrolls moves them as the
  // wheel does, in the window's own pixels however the page is scaled; a
  // tap stays a click. Along a list that shows all its rows, the finger
  // scrolls the page, which the browser does.
  let drag = null;
  let swiped = false;
  rows.addEventListener('pointerdown', (event) => {
    // A second finger is the browser's, which pinches the page.
    if (event.pointerType === 'touch' && event.isPrimary && box.classList.contains('scrolls')) {
      drag = { y: event.clientY, top: rows.scrollTop };
    }
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
  const { index } = control;
  box.addEventListener('pointerdown', () => { swiped = false; }, true);
  box.addEventListener('click', (event) => {
    if (swiped) {
      swiped = false;
      return;
    }
    if (!box.classList.contains('off')) box.focus();
    // The scroll bar only scrolls.
    if (event.target.closest('.scrollbar')) return;
    // The row is found by its weight when the core takes the click, which
    // may be after earlier clicks have moved the rows.
    const option = event.target.closest('[role=option]');
    const weight = option?.textContent;
    act(index, () => (option ? state.lists[index].items.indexOf(weight) : -1));
  });
  const keys = {
    ArrowUp: listKeys.up, ArrowDown: listKeys.down, PageUp: listKeys.pageUp,
    PageDown: listKeys.pageDown, Home: listKeys.home, End: listKeys.end,
  };
  box.addEventListener('keydown', (event) => {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    const { other } = listKeys;
    const key = keys[event.key] ?? other;
    const typed = key === other && event.key.length === 1 ? event.key.charCodeAt(0) : 0;
    if (key === other && !typed) return;
    const rowHeight = rows.firstElementChild ? rows.firstElementChild.offsetHeight : 1;
    // A blank selects nothing, nor scrolls the page.
    if (key !== other || event.key === ' ') event.preventDefault();
    chooseByKey(index, key, typed, Math.floor(rows.clientHeight / rowHeight), () => event.preventDefault());
  });
  lists[index] = { box, rows, said, bar, selected: -1 };
  box.addEventListener('focus', () => showFocus(lists[index]));
}

function drawList({ box, rows, said }, view) {
  const shown = [...rows.children].map((option) => option.textContent);
  if (shown.join('\n') !== view.items.join('\n') || shown.length !== view.items.length) {
    rows.replaceChildren(...view.items.map((item, row) => {
      const option = document.createElement('div');
      option.setAttribute('role', 'option');
      option.id = `${box.id}-${row}`;
      option.dataset.row = row;
      option.textContent = item;
      option.setAttribute('aria-label', view.spokenItems[row]);
      return option;
    }));
  }
  [...rows.children].forEach((option, row) =>
    option.setAttribute('aria-selected', String(row === view.selected)));
  if (view.selected >= 0) box.setAttribute('aria-activedescendant', `${box.id}-${view.selected}`);
  else box.removeAttribute('aria-activedescendant');
  said.textContent = view.said;
  box.hidden = !view.visible;
  box.classList.toggle('off', !view.enabled);
  box.setAttribute('aria-disabled', String(!view.enabled));
  box.tabIndex = view.enabled ? 0 : -1;
  box.style.setProperty('--room', view.room);
}

// What depends on the lists' sizes, read once for all lists and then
// written, so that the page is laid out once or twice per action, not
// once per list: whether a list scrolls, a newly selected row brought into
// sight, and where the focus is shown on the focused one.
function layOutLists(views) {
  const shown = lists.filter(({ box }) => !box.hidden);
  const sizes = shown.map(({ rows }) => [rows.scrollHeight, rows.clientHeight,
    rows.firstElementChild?.offsetHeight ?? 0]);
  shown.forEach((list, i) => {
    const { box, rows, bar } = list;
    const [all, room, row] = sizes[i];
    box.classList.toggle('scrolls', all > room + 1);
    const { selected } = views[lists.indexOf(list)];
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

function buildFrame(control, frame) {
  frame.setAttribute('role', 'radiogroup');
  const legend = document.createElement('span');
  legend.className = 'legend';
  legend.id = `${frame.id}-legend`;
  legend.textContent = control.caption.shown;
  frame.setAttribute('aria-labelledby', legend.id);
  frame.append(legend);
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
// Split along the diagonal as the classic style's pixel region splits it:
// a pixel whose centre lies on it goes to the upper left.
function markClips() {
  const clips = svg('svg', { width: 0, height: 0, class: 'clips', 'aria-hidden': 'true' });
  for (const [id, points] of [['upper-left', '0,0 0,12 0.25,12 12,0.25 12,0'],
    ['lower-right', '0.25,12 12,12 12,0.25']]) {
    const clip = svg('clipPath', { id });
    clip.append(svg('polygon', { points, 'shape-rendering': 'crispEdges' }));
    clips.append(clip);
  }
  return clips;
}

// Mode buttons as the window's: Tab stops on one of them, the arrows move
// between them and select only when the one left was selected, and Space
// selects.
function buildMode(control, mode, { act }) {
  mode.setAttribute('role', 'radio');
  const label = document.createElement('span');
  label.textContent = control.caption.shown;
  mode.append(radioMark(), label);
  const { index } = control;
  mode.addEventListener('click', () => {
    if (mode.classList.contains('off')) return;
    mode.focus();
    act(index);
  });
  mode.addEventListener('keydown', (event) => {
    if (event.key === ' ') {
      event.preventDefault();
      act(index);
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
    if (wasChecked) act(modes.indexOf(next));
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

// The picture drawn for the screen's pixels: twice as fine on a fine screen
// or zoomed in, and where the narrow layout draws it larger, else exactly
// as the window shows it.
function buildPicture(control, frame, { photo: size, narrow }) {
  const photo = document.createElement('img');
  const larger = matchMedia(narrow);
  let sizes = null;
  const sharpen = () => {
    if (sizes) photo.src = devicePixelRatio > 1 || larger.matches ? sizes['balance@2x'] : sizes.balance;
  };
  pictures.then((read) => {
    sizes = read;
    sharpen();
  });
  const watch = () => {
    matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener('change', () => {
      sharpen();
      watch();
    }, { once: true });
  };
  sharpen();
  watch();
  larger.addEventListener('change', sharpen);
  photo.width = size.width;
  photo.height = size.height;
  photo.alt = control.accessibleName;
  frame.append(photo);
}

function buildButton(control, button, { act }) {
  button.type = 'button';
  button.textContent = control.caption.shown;
  button.addEventListener('click', () => act(control.index));
}

// A read-only text, shown as it is and read in words.
function buildText(control, box) {
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
    const bar = scrollBar(content);
    textBars.push(bar);
    box.append(bar.element);
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
  const line = () => (content.firstElementChild?.getAttribute('role') === 'option'
    ? content.firstElementChild.offsetHeight : parseFloat(getComputedStyle(content).lineHeight));
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
    // The window may be drawn larger or smaller than its own pixels.
    const scaled = trough.getBoundingClientRect().height / Math.max(1, trough.offsetHeight);
    const scale = (content.scrollHeight - content.clientHeight) /
      Math.max(1, (trough.clientHeight - thumb.offsetHeight) * scaled);
    const drag = (move) => { content.scrollTop = start + (move.clientY - from) * scale; };
    thumb.setPointerCapture(event.pointerId);
    thumb.addEventListener('pointermove', drag);
    thumb.addEventListener('pointerup', () => thumb.removeEventListener('pointermove', drag),
      { once: true });
  });
  update();
  return { element: bar, update };
}

// The window and its controls, in the order they are read, which is also
// the focus order. handlers: act(kind, index, row), and chooseByKey(list,
// key, typed, rows in sight, found), which selects the row a key leads to.
function buildWindow(face, { act, chooseByKey }) {
  win.setAttribute('aria-label', face.caption.spoken);
  win.setAttribute('role', 'main');
  win.style.setProperty('--window-width', `${face.width}px`);
  win.style.setProperty('--window-height', `${face.height}px`);
  win.style.setProperty('--window', face.background);
  // Points are 4/3 of a CSS pixel: 12 points, 16 pixels.
  document.body.style.font = `${face.fontPoints * 4 / 3}px "${face.font}", serif`;
  document.body.append(markClips());
  const { selectRow, pressButton, selectMode } = face.actions;
  const made = face.controls.map((control) => control.name);
  const read = [...face.controls].sort((a, b) => a.reading - b.reading);
  const elements = {};
  const photo = { width: face.photoWidth, height: face.photoHeight };
  for (const control of read) {
    const parent = control.container ? elements[control.container] : win;
    const tag = control.kind === 'button' ? 'button' : 'div';
    const element = place(document.createElement(tag), control, parent, made.indexOf(control.name));
    elements[control.name] = element;
    switch (control.kind) {
      case 'frame': buildFrame(control, element); break;
      case 'caption':
        words(element, control.caption);
        // The caption that names no control is the title of the whole.
        if (!control.names) {
          element.setAttribute('role', 'heading');
          element.setAttribute('aria-level', '1');
        }
        captions[control.index] = element;
        break;
      case 'list':
        buildList(control, element, {
          act: (index, row) => act(selectRow, index, row), chooseByKey, listKeys: face.listKeys,
        });
        break;
      case 'modeButton': buildMode(control, element, { act: (index) => act(selectMode, index) }); break;
      case 'picture': buildPicture(control, element, { photo, narrow: narrowScreen(face) }); break;
      case 'button': buildButton(control, element, { act: (index) => act(pressButton, index) }); break;
      case 'resultBox': result = buildText(control, element); break;
      case 'textBox': buildText(control, element); break;
      default: break;
    }
  }
}

// The view last drawn.
let state = null;

// The view of the state the core answers.
function draw(view) {
  state = view;
  state.lists.forEach((list, i) => drawList(lists[i], list));
  state.captions.forEach((visible, i) => { captions[i].hidden = !visible; });
  drawModes(state.modes);
  words(result, state.result);
  relayOut();
}

// What depends on sizes, laid out with the next frame before it is shown:
// after each step, and when the page changes its layout.
function relayOut() {
  requestAnimationFrame(() => {
    layOutLists(state.lists);
    for (const bar of textBars) bar.update();
  });
}
