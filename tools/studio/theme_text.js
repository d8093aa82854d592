// The theme string as the page edits it: twenty looks of eighteen values and
// four numbers. The server is the judge of validity; this only splits and
// joins, keeping every value as the text the control writes.

export const THEME_SEPARATOR = '#$#';
export const RECORD_SEPARATOR = '##';

// { looks: [[18 strings] x 20], metrics: [4 strings] }, or null when the
// text does not have the shape of a theme.
export function parseTheme(text) {
  const fields = text.split(THEME_SEPARATOR);
  if (fields.length !== 24) return null;
  const looks = fields.slice(0, 20).map((r) => r.split(RECORD_SEPARATOR));
  if (looks.some((r) => r.length !== 18)) return null;
  return { looks, metrics: fields.slice(20) };
}

export function formatTheme(theme) {
  return [...theme.looks.map(formatRecord), ...theme.metrics].join(THEME_SEPARATOR);
}

export function formatRecord(look) {
  return look.join(RECORD_SEPARATOR);
}

export function cloneTheme(theme) {
  return { looks: theme.looks.map((r) => [...r]), metrics: [...theme.metrics] };
}

// A theme file is one line; its line end (CR, LF or both) is not part of it.
export function themeFromFileText(text) {
  return text.replace(/^\uFEFF/, '').split(/\r\n|\r|\n/)[0].trim();
}

// What a .gwr file holds: the line and a CRLF, as the control writes it.
export function themeFileText(themeText) {
  return themeText + '\r\n';
}
