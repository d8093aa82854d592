// Colour arithmetic of the page: OLE colour values (0x00BBGGRR, system
// colours negative), CSS hex, HSL, and the derived looks built from them.

export function isSystemColor(value) {
  return value < 0;
}

export function oleToHex(value, systemColors) {
  if (value < 0) {
    const sys = systemColors.find((c) => c.value === value);
    return sys ? sys.rgb : '#000000';
  }
  const r = value & 0xff, g = (value >> 8) & 0xff, b = (value >> 16) & 0xff;
  return '#' + [r, g, b].map((c) => c.toString(16).padStart(2, '0')).join('');
}

export function hexToOle(hex) {
  const m = /^#?([0-9a-f]{6})$/i.exec(hex.trim());
  if (!m) return null;
  const n = parseInt(m[1], 16);
  return ((n >> 16) & 0xff) | (n & 0xff00) | ((n & 0xff) << 16);
}

function hexToRgb(hex) {
  const n = parseInt(hex.slice(1), 16);
  return [(n >> 16) & 0xff, (n >> 8) & 0xff, n & 0xff];
}

function rgbToHex([r, g, b]) {
  return '#' + [r, g, b].map((c) => Math.round(Math.min(255, Math.max(0, c))).toString(16).padStart(2, '0')).join('');
}

export function hexToHsl(hex) {
  const [r, g, b] = hexToRgb(hex).map((c) => c / 255);
  const max = Math.max(r, g, b), min = Math.min(r, g, b);
  const l = (max + min) / 2;
  if (max === min) return [0, 0, l];
  const d = max - min;
  const s = l > 0.5 ? d / (2 - max - min) : d / (max + min);
  let h;
  if (max === r) h = (g - b) / d + (g < b ? 6 : 0);
  else if (max === g) h = (b - r) / d + 2;
  else h = (r - g) / d + 4;
  return [h * 60, s, l];
}

export function hslToHex([h, s, l]) {
  const k = (n) => (n + h / 30) % 12;
  const a = s * Math.min(l, 1 - l);
  const f = (n) => l - a * Math.max(-1, Math.min(k(n) - 3, Math.min(9 - k(n), 1)));
  return rgbToHex([f(0) * 255, f(8) * 255, f(4) * 255]);
}

// Lighter (amount > 0) or darker (amount < 0): the lightness moves that
// share of the way towards white or black, the hue stays.
export function shiftLightness(hex, amount) {
  const [h, s, l] = hexToHsl(hex);
  const moved = amount >= 0 ? l + (1 - l) * amount : l * (1 + amount);
  return hslToHex([h, s, moved]);
}

// The record positions that hold colours (from the schema).
export function colorPositions(schema) {
  return schema.record.map((f, i) => (f.kind === 'color' ? i : -1)).filter((i) => i >= 0);
}

const CAPTION_POSITIONS = new Set([7, 9]);  // caption and its shadow keep their colour

// The over and down looks of a caption button from its normal look: the
// fill and border colours lighter for the pointer over it, darker pressed.
export function deriveLook(look, amount, schema) {
  const out = [...look];
  for (const i of colorPositions(schema)) {
    if (CAPTION_POSITIONS.has(i)) continue;
    const v = Number(look[i]);
    const hex = oleToHex(v, schema.systemColors);
    out[i] = String(hexToOle(shiftLightness(hex, amount)));
  }
  return out;
}

// A theme recoloured to an accent: every colour takes the accent's hue; a
// coloured one also its saturation, a grey stays about as grey; each keeps
// its own lightness.
export function recolor(value, accentHex, systemColors) {
  const hex = oleToHex(value, systemColors);
  const [, s, l] = hexToHsl(hex);
  const [ah, as] = hexToHsl(accentHex);
  const saturation = s < 0.08 ? s : Math.min(1, as * (0.55 + 0.45 * s));
  return hexToOle(hslToHex([ah, saturation, l]));
}
