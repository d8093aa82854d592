// The editing controls of the inspector. Each takes the field's schema entry
// and its current text and calls onChange(text, final) as the user edits.
import { el, dismissOnOutside } from './dom.js';
import { oleToHex, hexToOle } from './colors.js';
import * as api from './api.js';

function fieldShell(info, control, extraClass = '') {
  return el(`div.field${extraClass}`, { 'data-field': info.name },
    el('div.field-label', {}, el('span.name', { text: prettyName(info.name) }), el('span.meaning', { text: info.meaning })),
    control);
}

export function prettyName(name) {
  return name.replace(/([a-z])([A-Z0-9])/g, '$1 $2').replace(/Color/g, 'colour');
}

export function colorField(info, text, systemColors, onChange) {
  const value = Number(text);
  const swatch = el('input.swatch', { type: 'color', value: oleToHex(value, systemColors), 'aria-label': info.name });
  const hex = el('input.hex', { type: 'text', spellcheck: 'false', 'aria-label': `${info.name} value` });
  const systemButton = el('button.sys', { type: 'button', title: 'System colours' }, 'System ▾');
  const show = (v) => {
    const sys = systemColors.find((c) => c.value === v);
    hex.value = sys ? sys.name : oleToHex(v, systemColors).toUpperCase();
    hex.classList.toggle('is-system', !!sys);
    swatch.value = oleToHex(v, systemColors);
    hex.classList.remove('invalid');
  };
  show(value);
  swatch.addEventListener('input', () => { const v = hexToOle(swatch.value); show(v); onChange(String(v), false); });
  swatch.addEventListener('change', () => onChange(String(hexToOle(swatch.value)), true));
  hex.addEventListener('change', () => {
    const typed = hex.value.trim();
    const sys = systemColors.find((c) => c.name.toLowerCase() === typed.toLowerCase());
    const v = sys ? sys.value : /^-?\d+$/.test(typed) ? Number(typed) : hexToOle(typed.startsWith('#') ? typed : '#' + typed);
    const known = v !== null && ((v >= 0 && v <= 0xffffff) || systemColors.some((c) => c.value === v));
    if (!known) {
      hex.classList.add('invalid');
      hex.title = 'A colour is #RRGGBB, a decimal OLE value or a system colour name';
      return;
    }
    show(v);
    onChange(String(v), true);
  });
  systemButton.addEventListener('click', () => {
    const menu = el('div.popover.sys-menu', { role: 'listbox' },
      systemColors.map((c) => el('button.sys-item', {
        type: 'button', role: 'option', 'aria-selected': String(c.value === Number(text)),
        onclick: () => { show(c.value); onChange(String(c.value), true); menu.remove(); },
      }, el('span.chip', { style: { background: c.rgb } }), el('span', { text: c.name }), el('code', { text: String(c.value) }))));
    systemButton.after(menu);
    dismissOnOutside(menu, () => menu.remove());
  });
  return fieldShell(info, el('div.color-control', {}, swatch, hex, systemButton), '.color');
}

export function numberField(info, text, onChange, sliderMax = info.max) {
  const top = Math.min(info.max, sliderMax);
  const slider = el('input.slider', { type: 'range', min: info.min, max: top, value: Math.min(Number(text), top), 'aria-label': `${info.name} slider` });
  const number = el('input.number', { type: 'number', min: info.min, max: info.max, value: text, 'aria-label': info.name });
  const error = el('div.field-error', { role: 'alert' });
  const range = el('span.range', { text: `${info.min}–${info.max}` });
  slider.addEventListener('input', () => { number.value = slider.value; error.textContent = ''; number.classList.remove('invalid'); onChange(slider.value, false); });
  slider.addEventListener('change', () => onChange(slider.value, true));
  number.addEventListener('input', () => {
    const v = number.value.trim();
    const ok = /^-?\d+$/.test(v) && Number(v) >= info.min && Number(v) <= info.max;
    number.classList.toggle('invalid', !ok);
    error.textContent = ok ? '' : `${info.name} must be a whole number from ${info.min} to ${info.max}`;
    if (!ok) return;
    slider.value = Math.min(Number(v), top);
    onChange(String(Number(v)), false);
  });
  return fieldShell(info, el('div.number-control', {}, slider, number, range, error), '.number');
}

export function boolField(info, text, onChange) {
  const on = String(text).toLowerCase() === 'true';
  const input = el('input', { type: 'checkbox', checked: on, 'aria-label': info.name });
  input.addEventListener('change', () => onChange(input.checked ? 'True' : 'False', true));
  return fieldShell(info, el('label.switch', {}, input, el('span.track'), el('span.switch-text', { text: on ? 'On' : 'Off' })), '.bool');
}

export function segmentField(info, text, labels, onChange) {
  const group = el('div.seg.small', { role: 'group', 'aria-label': info.name },
    labels.map((label, i) => el('button', {
      type: 'button', 'aria-pressed': String(Number(text) === i), title: label,
      onclick: () => onChange(String(i), true),
    }, label)));
  return fieldShell(info, group, '.segment');
}

const TILE_W = 88, TILE_H = 28;
const SPRITE_CACHE_SIZE = 60;

// The style swatch pictures of looks, each fetched once while it is kept.
export class SwatchSprites {
  constructor() { this.cache = new Map(); }

  get(record, kind) {
    const key = `${kind}|${record}`;
    if (!this.cache.has(key)) {
      if (this.cache.size > SPRITE_CACHE_SIZE) this.cache.clear();
      this.cache.set(key, api.swatches(record, kind, TILE_W, TILE_H).catch((e) => { this.cache.delete(key); throw e; }));
    }
    return this.cache.get(key);
  }
}

function tile(url, style) {
  return el('span.tile', { style: { backgroundImage: `url(${url})`, backgroundPosition: `0 ${-style * TILE_H}px` } });
}

// A picker that shows every style painted in the look's own colours.
export function styleField(info, text, record, sprites, onChange) {
  const kind = info.kind === 'fillStyle' ? 'fill' : 'border';
  const count = info.max + 1;
  const current = Number(text);
  const face = el('button.style-face', { type: 'button', 'aria-label': `${info.name}: style ${current}` },
    el('span.tile.loading'), el('span.style-no', { text: `Style ${current}` }), el('span.caret', { text: '▾' }));
  sprites.get(record, kind).then((url) => face.firstChild.replaceWith(tile(url, current))).catch(() => {});
  face.addEventListener('click', async () => {
    const url = await sprites.get(record, kind);
    const grid = el('div.popover.style-grid', { role: 'listbox', 'aria-label': `${info.name} choices` },
      Array.from({ length: count }, (_, s) => el('button.style-choice', {
        type: 'button', role: 'option', 'aria-selected': String(s === current), 'data-style': s,
        onclick: () => { grid.remove(); onChange(String(s), true); },
      }, tile(url, s), el('span', { text: String(s) }))));
    face.after(grid);
    dismissOnOutside(grid, () => grid.remove());
  });
  return fieldShell(info, el('div.style-control', {}, face), '.style');
}
