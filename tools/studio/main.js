// The theme studio page: open, edit, preview, check and save a skin theme.
import * as api from './api.js';
import { el } from './dom.js';
import { History } from './history.js';
import { Preview } from './preview.js';
import { renderInspector } from './inspector.js';
import { SwatchSprites } from './controls.js';
import { BUTTON_LOOKS, LIST_ORDER, lookOfPart, lookOwner } from './looks.js';
import { parseTheme, formatTheme, formatRecord, cloneTheme, themeFromFileText, themeFileText } from './theme_text.js';
import { oleToHex, deriveLook, recolor, colorPositions } from './colors.js';

const $ = (id) => document.getElementById(id);
const DERIVE_AMOUNT = 0.2;
const VALIDATE_DELAY_MS = 120;
const SESSION_KEY = 'glavo-studio-session';
const ACCENTS = ['#2f6fd6', '#0f9d8a', '#7b4fd6', '#d6452f', '#e08a1e', '#3a4a5e', '#c2185b', '#2e7d32'];

// One studio on the page: its state lives in this closure, not in the module.
function createStudio() {
  const state = {
    schema: null,
    themes: [],
    text: '',        // the theme being edited
    name: 'Untitled',
    saved: '',       // the text last opened or saved, to show unsaved edits
    selection: 0,
    size: { width: 800, height: 600 },
    zoom: 1,
    clipboard: null,
    compareText: '',
  };

  const history = new History(updateUndoButtons);
  const sprites = new SwatchSprites();
  let preview, comparePreview, validateTimer, toastTimer;
  // Counts the messages shown, so a theme check clears only what was there
  // when its edit came in, never a refusal shown while it waited.
  let messagesShown = 0;

  function theme() { return parseTheme(state.text); }

  function toast(message, kind = 'info') {
    const t = $('toast');
    t.textContent = message;
    t.className = `toast show ${kind}`;
    clearTimeout(toastTimer);
    toastTimer = setTimeout(() => { t.className = 'toast'; }, 2600);
  }

  function showMessages(items, kind) {
    const box = $('messages');
    messagesShown += 1;
    box.replaceChildren(...items.map((m) => el(`div.message.${kind}`, { text: m })));
    box.classList.toggle('has-messages', items.length > 0);
  }

  function updateUndoButtons() {
    $('undo').disabled = !history.canUndo;
    $('redo').disabled = !history.canRedo;
  }

  function updateTitle() {
    const dirty = state.text !== state.saved;
    $('main-name').textContent = state.name + (dirty ? ' •' : '');
    $('main-name').title = dirty ? 'Edited since it was opened or saved' : '';
    document.title = `${state.name}${dirty ? ' •' : ''} — Glavo Theme Studio`;
  }

  // --- the edit cycle -------------------------------------------------------

  function currentRequest(text) {
    return { theme: text, width: state.size.width, height: state.size.height, caption: $('caption').value };
  }

  function refresh({ inspector = true } = {}) {
    const t = theme();
    preview.show(currentRequest(state.text));
    if (state.compareText && !$('preview-compare').hidden) comparePreview.show(currentRequest(state.compareText));
    if (inspector) drawInspector(t);
    drawLookList(t);
    updateTitle();
    saveSession();
    clearTimeout(validateTimer);
    const shownAtEdit = messagesShown;
    validateTimer = setTimeout(() => checkTheme(shownAtEdit), VALIDATE_DELAY_MS);
  }

  function setText(text, { record = true, key = null, inspector = true } = {}) {
    if (text === state.text) return;
    if (record) history.record(state.text, key);
    state.text = text;
    refresh({ inspector });
  }

  // Applies `change(theme)` to a copy of the theme as one edit.
  function edit(change, key, final) {
    const t = cloneTheme(theme());
    change(t);
    setText(formatTheme(t), { key, inspector: final });
  }

  function open(text, name) {
    const builtIn = state.themes.find((t) => t.theme === text && t.name === name);
    $('builtin').value = builtIn ? String(builtIn.index) : '';
    history.record(state.text, null);
    state.text = text;
    state.saved = text;
    state.name = name;
    showMessages([], 'error');
    refresh();
  }

  // The theme in edit survives a reload of the page.
  function saveSession() {
    try {
      localStorage.setItem(SESSION_KEY, JSON.stringify({ text: state.text, name: state.name, saved: state.saved }));
    } catch { /* storage full or disabled: nothing to keep */ }
  }

  async function restoreSession() {
    let session;
    try { session = JSON.parse(localStorage.getItem(SESSION_KEY)); } catch { return false; }
    if (!session || typeof session.text !== 'string') return false;
    const answer = await api.validate(session.text).catch(() => null);
    if (!answer || !answer.valid) return false;
    state.text = session.text;
    state.saved = typeof session.saved === 'string' ? session.saved : session.text;
    state.name = String(session.name || 'Restored theme');
    const builtIn = state.themes.find((t) => t.theme === state.text && t.name === state.name);
    $('builtin').value = builtIn ? String(builtIn.index) : '';
    return true;
  }

  function showValidity(valid, count) {
    const badge = $('validity');
    badge.textContent = valid ? '✓ valid' : `${count} problem${count === 1 ? '' : 's'}`;
    badge.className = `badge ${valid ? 'ok' : 'warn'}`;
  }

  async function checkTheme(shownAtEdit) {
    const text = state.text;
    let answer;
    try {
      answer = await api.validate(text);
    } catch (error) {
      showMessages([error.message], 'error');
      return;
    }
    if (text !== state.text) return;  // an edit came in meanwhile
    showValidity(answer.valid, answer.problems.length);
    if (!answer.valid) {
      showMessages(answer.problems.map((p) => p.message), 'error');
      drawContrast([]);
      return;
    }
    if (messagesShown === shownAtEdit) showMessages([], 'error');
    drawContrast(answer.contrast);
  }

  // --- the panels ------------------------------------------------------------

  function lookChip(look) {
    const colors = state.schema.systemColors;
    const c1 = oleToHex(Number(look[10]), colors), c2 = oleToHex(Number(look[11]), colors);
    const border = oleToHex(Number(look[1]), colors);
    return el('span.chip', { style: { background: `linear-gradient(${c1}, ${c2})`, borderColor: border } });
  }

  function drawLookList(t) {
    const list = $('look-list');
    list.replaceChildren();
    if (!t) return;
    const selectedOwner = state.selection === 'metrics' ? null : lookOwner(state.selection).normal;
    for (const index of LIST_ORDER) {
      const slot = state.schema.looks[index];
      const button = lookOwner(index).part;
      const item = el('button.look-item', {
        type: 'button', 'data-look': index, 'aria-current': String(selectedOwner === index),
        onclick: () => select(index),
      }, lookChip(t.looks[index]), el('span', { text: slot.label }),
      button ? el('span.state-chips', {}, BUTTON_LOOKS[button].slice(1).map((i) => lookChip(t.looks[i]))) : null);
      list.append(el('li', {}, item));
    }
    $('metrics-item').setAttribute('aria-current', String(state.selection === 'metrics'));
  }

  function drawInspector(t) {
    const box = $('inspector');
    const scroll = box.scrollTop;
    renderInspector(box, state.selection, {
      schema: state.schema,
      theme: t,
      sprites,
      edit,
      select,
      clipboard: () => state.clipboard,
      copyLook,
      pasteLook,
      derive,
    });
    box.scrollTop = scroll;
  }

  // The checks as a table: the caption, then each button in its three states.
  function drawContrast(checks) {
    const failing = checks.filter((c) => !c.ok).length;
    const summary = $('contrast-summary');
    summary.textContent = checks.length ? (failing ? `${failing} low` : 'all pass') : '';
    summary.className = `badge ${failing ? 'warn' : 'ok'}`;
    const table = $('contrast-table');
    table.replaceChildren();
    if (!checks.length) return;
    const byLook = new Map(checks.map((c) => [c.look, c]));
    const cellOf = (look) => {
      const c = byLook.get(look);
      if (!c) return el('td');
      return el('td', {}, el('button.contrast-cell', {
        type: 'button', 'data-look': c.look, 'data-ok': String(c.ok),
        title: `${c.subject}: ${c.foreground} on ${c.background}, ${c.ratio}:1 (WCAG asks ${c.required}:1)`,
        style: { color: c.foreground, background: c.background },
        onclick: () => select(c.look),
      }, c.ratio.toFixed(1)));
    };
    table.append(el('thead', {}, el('tr', {}, el('th'), ['Normal', 'Over', 'Down'].map((h) => el('th', { text: h })))));
    const body = el('tbody');
    body.append(el('tr', {}, el('th', { text: 'Caption' }), cellOf(0), el('td'), el('td')));
    for (const [part, looks] of Object.entries(BUTTON_LOOKS)) {
      const label = state.schema.looks[looks[0]].label.replace(' button', '');
      body.append(el('tr', {}, el('th', { text: label }), looks.map(cellOf)));
    }
    table.append(body);
  }

  function select(selection) {
    state.selection = selection;
    drawInspector(theme());
    drawLookList(theme());
    pinEditedState();
  }

  // An over or down look being edited shows on its button in the preview.
  function pinEditedState() {
    const owner = state.selection === 'metrics' ? { part: null, state: 0 } : lookOwner(state.selection);
    const part = owner.part && owner.state > 0 ? owner.part : null;
    preview.setPin(part, owner.state === 2 ? part : null);
    if (!preview.hover && !preview.pressed) $('pointer-state').textContent = pointerText(null, null);
  }

  // --- look actions ------------------------------------------------------------

  function copyLook(index) {
    state.clipboard = formatRecord(theme().looks[index]);
    navigator.clipboard?.writeText(state.clipboard).catch(() => {});
    toast(`Copied the ${state.schema.looks[index].label.toLowerCase()} (${state.schema.looks[index].state}) look`);
    drawInspector(theme());
  }

  function pasteLook(index) {
    if (!state.clipboard) return;
    edit((t) => { t.looks[index] = state.clipboard.split('##'); }, null, true);
    toast('Pasted the look');
  }

  function derive(part) {
    const [normal, over, down] = BUTTON_LOOKS[part];
    edit((t) => {
      t.looks[over] = deriveLook(t.looks[normal], DERIVE_AMOUNT, state.schema);
      t.looks[down] = deriveLook(t.looks[normal], -DERIVE_AMOUNT, state.schema);
    }, null, true);
    toast('Over look lighter, down look darker than the normal look');
  }

  function applyAccent(accentHex) {
    const positions = colorPositions(state.schema);
    const colors = state.schema.systemColors;
    edit((t) => {
      for (const look of t.looks) {
        for (const i of positions) look[i] = String(recolor(Number(look[i]), accentHex, colors));
      }
      t.metrics[3] = String(recolor(Number(t.metrics[3]), accentHex, colors));
    }, null, true);
    toast(`Recoloured to the accent ${accentHex}`);
  }

  // --- opening and saving ----------------------------------------------------

  async function openChecked(text, name, onRefused) {
    let answer;
    try {
      answer = await api.validate(text);
    } catch (error) {
      onRefused(`${name} could not be checked: ${error.message}`, []);
      return false;
    }
    if (!answer.valid) {
      const message = `${name} is not a theme the control can read: ${answer.problems[0].message}`;
      onRefused(message, answer.problems);
      return false;
    }
    open(text, name);
    return true;
  }

  function download() {
    const blob = new Blob([themeFileText(state.text)], { type: 'text/plain' });
    const a = el('a', { href: URL.createObjectURL(blob), download: `${state.name.replace(/[^\w.-]+/g, '_')}.gwr` });
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 1000);
    state.saved = state.text;
    updateTitle();
  }

  // --- wiring ----------------------------------------------------------------

  function wireToolbar() {
    $('builtin').addEventListener('change', () => {
      const chosen = state.themes[Number($('builtin').value)];
      if (chosen) open(chosen.theme, chosen.name);
    });
    $('open-file').addEventListener('click', () => $('file-input').click());
    $('file-input').addEventListener('change', async () => {
      const file = $('file-input').files[0];
      $('file-input').value = '';
      if (!file) return;
      if (file.size > state.schema.limits.maxRequestBytes / 2) {
        showMessages([`${file.name} is too large to be a theme file (${file.size} bytes)`], 'error');
        return;
      }
      const text = themeFromFileText(await file.text());
      await openChecked(text, file.name.replace(/\.gwr$/i, ''), (message) => showMessages([message], 'error'));
    });
    $('paste').addEventListener('click', () => {
      $('paste-error').textContent = '';
      $('paste-dialog').showModal();
      $('paste-text').focus();
    });
    $('paste-apply').addEventListener('click', async (event) => {
      event.preventDefault();
      const text = themeFromFileText($('paste-text').value);
      const ok = await openChecked(text, 'Pasted theme', (message) => { $('paste-error').textContent = message; });
      if (ok) $('paste-dialog').close();
    });
    $('undo').addEventListener('click', undo);
    $('redo').addEventListener('click', redo);
    $('copy-string').addEventListener('click', async () => {
      try {
        await navigator.clipboard.writeText(state.text);
        toast('Theme string copied');
      } catch {
        toast('The browser refused the clipboard', 'warn');
      }
    });
    $('download').addEventListener('click', download);
    $('accent').addEventListener('click', () => $('accent-dialog').showModal());
    $('accent-color').addEventListener('input', () => { $('accent-hex').textContent = $('accent-color').value; });
    $('accent-presets').replaceChildren(...ACCENTS.map((hex) => el('button.accent-chip', {
      type: 'button', title: hex, style: { background: hex },
      onclick: () => { $('accent-color').value = hex; $('accent-hex').textContent = hex; },
    })));
    $('accent-apply').addEventListener('click', () => applyAccent($('accent-color').value));
    $('compare').addEventListener('click', toggleCompare);
    $('compare-theme').addEventListener('change', () => {
      const value = $('compare-theme').value;
      state.compareText = value === 'opened' ? state.saved : state.themes[Number(value)].theme;
      comparePreview.show(currentRequest(state.compareText));
    });
  }

  function toggleCompare() {
    const on = $('preview-compare').hidden;
    $('preview-compare').hidden = !on;
    $('compare').setAttribute('aria-pressed', String(on));
    $('canvas').classList.toggle('comparing', on);
    if (on) {
      const value = $('compare-theme').value;
      state.compareText = value === 'opened' ? state.saved : state.themes[Number(value)].theme;
      comparePreview.show(currentRequest(state.compareText));
    }
  }

  function undo() {
    const text = history.undo(state.text);
    if (text !== null) { state.text = text; refresh(); }
  }

  function redo() {
    const text = history.redo(state.text);
    if (text !== null) { state.text = text; refresh(); }
  }

  function wireKeys() {
    document.addEventListener('keydown', (event) => {
      if (!(event.ctrlKey || event.metaKey) || event.altKey) return;
      if (event.target.closest('textarea')) return;
      const key = event.key.toLowerCase();
      if (key === 'z' && !event.shiftKey) { event.preventDefault(); undo(); }
      else if (key === 'y' || (key === 'z' && event.shiftKey)) { event.preventDefault(); redo(); }
    });
  }

  function setSize(width, height) {
    state.size = { width, height };
    $('main-dims').textContent = `${width} × ${height}`;
    $('compare-dims').textContent = `${width} × ${height}`;
    refresh({ inspector: false });
  }

  function wireStage() {
    const presets = $('size-presets');
    presets.addEventListener('click', (event) => {
      const button = event.target.closest('button');
      if (!button) return;
      presets.querySelectorAll('button').forEach((b) => b.setAttribute('aria-pressed', String(b === button)));
      const custom = button.dataset.size === 'custom';
      $('custom-size').hidden = !custom;
      if (custom) return applyCustomSize();
      const [w, h] = button.dataset.size.split('x').map(Number);
      setSize(w, h);
    });
    const applyCustomSize = () => {
      const { minSide, maxSide } = state.schema.limits;
      const w = Number($('custom-w').value), h = Number($('custom-h').value);
      const ok = (v) => Number.isInteger(v) && v >= minSide && v <= maxSide;
      $('custom-w').classList.toggle('invalid', !ok(w));
      $('custom-h').classList.toggle('invalid', !ok(h));
      if (!ok(w) || !ok(h)) {
        showMessages([`The preview size must be from ${minSide} to ${maxSide} pixels on each side`], 'error');
        return;
      }
      showMessages([], 'error');
      setSize(w, h);
    };
    $('custom-w').addEventListener('change', applyCustomSize);
    $('custom-h').addEventListener('change', applyCustomSize);
    $('zoom').addEventListener('click', (event) => {
      const button = event.target.closest('button');
      if (!button) return;
      $('zoom').querySelectorAll('button').forEach((b) => b.setAttribute('aria-pressed', String(b === button)));
      state.zoom = Number(button.dataset.zoom);
      preview.setZoom(state.zoom);
      comparePreview.setZoom(state.zoom);
    });
    $('caption').addEventListener('input', () => refresh({ inspector: false }));
  }

  function pointerText(hover, pressed) {
    const pinned = !hover && !pressed;
    if (pinned) ({ hover, pressed } = preview.pin);
    if (!hover && !pressed) return 'Point at the caption buttons';
    const part = pressed || hover;
    const label = state.schema.looks[lookOfPart(part, state.schema)].label;
    return `${label}: ${pressed ? 'down' : 'over'} look${pinned ? ' (editing)' : ''}`;
  }

  async function start() {
    [state.schema, { themes: state.themes }] = await Promise.all([api.getJson('/api/schema'), api.getJson('/api/themes')]);
    preview = new Preview($('preview-img'), {
      interactive: true,
      onState: (hover, pressed) => { $('pointer-state').textContent = pointerText(hover, pressed); },
      onPick: (part) => {
        const look = lookOfPart(part, state.schema);
        if (look >= 0) select(look);
      },
      onError: (error) => showMessages([error.message], 'error'),
    });
    comparePreview = new Preview($('compare-img'), { onError: (error) => showMessages([error.message], 'error') });
    $('builtin').replaceChildren(el('option', { value: '', text: 'Other…', disabled: true, hidden: true }),
      ...state.themes.map((t) => el('option', { value: t.index, text: t.name })));
    $('compare-theme').replaceChildren(el('option', { value: 'opened', text: 'As opened' }),
      ...state.themes.map((t) => el('option', { value: t.index, text: t.name })));
    $('compare-theme').value = '3';
    wireToolbar();
    wireStage();
    wireKeys();
    $('size-presets').querySelector('[data-size="800x600"]').setAttribute('aria-pressed', 'true');
    $('zoom').querySelector('[data-zoom="1"]').setAttribute('aria-pressed', 'true');
    $('main-dims').textContent = '800 × 600';
    $('compare-dims').textContent = '800 × 600';
    $('metrics-item').addEventListener('click', () => select('metrics'));
    if (!(await restoreSession())) {
      $('builtin').value = '0';
      state.text = state.themes[0].theme;
      state.saved = state.text;
      state.name = state.themes[0].name;
    }
    refresh();
    document.body.dataset.ready = 'true';
  }

  return { start, showMessages };
}

const studio = createStudio();
studio.start().catch((error) => studio.showMessages([`The studio could not start: ${error.message}`], 'error'));
