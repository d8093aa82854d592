// The right-hand panel: every value of the selected look (or the metrics)
// as a proper control, grouped as a designer thinks of them.
import { el } from './dom.js';
import { colorField, numberField, boolField, segmentField, styleField } from './controls.js';
import { BUTTON_LOOKS, STATES, lookOwner } from './looks.js';
import { formatRecord } from './theme_text.js';

const SECTIONS = [
  { title: 'Fill', fields: ['CellStyle', 'CellColor1', 'CellColor2', 'CellColor3', 'CellColor4', 'SplitSize', 'BlendSize'] },
  { title: 'Border', fields: ['BorderStyle', 'BorderColor1', 'BorderColor2', 'BorderSize', 'BorderRoundW', 'BorderRoundH'] },
  { title: 'Caption & glyph', fields: ['CaptionColor', 'CaptionShadow', 'CaptionShadowColor'] },
  { title: 'Shape', fields: ['FlipCell', 'MaskColor'] },
];
// Slider ends where a larger value changes nothing a designer would want.
const SLIDER_MAX = { BorderRoundW: 60, BorderRoundH: 60, BlendSize: 32, BorderSize: 12 };
const FLIP_LABELS = ['Upright', 'Mirror ↔', 'Mirror ↕', 'Both'];

function field(info, text, look, ctx, onChange) {
  const { schema } = ctx;
  switch (info.kind) {
    case 'color': return colorField(info, text, schema.systemColors, onChange);
    case 'bool': return boolField(info, text, onChange);
    case 'fillStyle':
    case 'borderStyle': return styleField(info, text, formatRecord(look), ctx.sprites, onChange);
    default:
      if (info.name === 'FlipCell') return segmentField(info, text, FLIP_LABELS, onChange);
      return numberField(info, text, onChange, SLIDER_MAX[info.name]);
  }
}

function stateTabs(lookIndex, ctx) {
  const owner = lookOwner(lookIndex);
  if (!owner.part) return null;
  const looks = BUTTON_LOOKS[owner.part];
  const names = { normal: 'Normal', over: 'Pointer over', down: 'Pressed' };
  return el('div.seg.state-tabs', { role: 'tablist', 'aria-label': 'State' },
    STATES.map((s, i) => el('button', {
      type: 'button', role: 'tab', 'aria-selected': String(i === owner.state), 'data-state': s,
      onclick: () => ctx.select(looks[i]),
    }, names[s])));
}

function actions(lookIndex, ctx) {
  const owner = lookOwner(lookIndex);
  return el('div.actions', {},
    el('button', { type: 'button', id: 'copy-look', title: 'Copy this look', onclick: () => ctx.copyLook(lookIndex) }, 'Copy look'),
    el('button', { type: 'button', id: 'paste-look', title: 'Paste the copied look here', disabled: !ctx.clipboard(), onclick: () => ctx.pasteLook(lookIndex) }, 'Paste look'),
    owner.part
      ? el('button', { type: 'button', id: 'derive', title: 'Make the over look lighter and the down look darker than the normal look', onclick: () => ctx.derive(owner.part) }, 'Derive over & down')
      : null);
}

function lookPanel(container, lookIndex, ctx) {
  const { schema, theme } = ctx;
  const look = theme.looks[lookIndex];
  const slot = schema.looks[lookIndex];
  const byName = Object.fromEntries(schema.record.map((f, i) => [f.name, i]));
  container.append(
    el('div.inspector-head', {},
      el('h2', { text: slot.label }),
      el('span.look-tag', { text: `look ${lookIndex} · ${slot.state}` })),
    ...[stateTabs(lookIndex, ctx), actions(lookIndex, ctx)].filter(Boolean));
  for (const section of SECTIONS) {
    container.append(el('section.group-box', {},
      el('h3', { text: section.title }),
      section.fields.map((name) => {
        const pos = byName[name];
        return field(schema.record[pos], look[pos], look, ctx,
          (text, final) => ctx.edit((t) => { t.looks[lookIndex][pos] = text; }, `${lookIndex}:${pos}`, final));
      })));
  }
}

function metricsPanel(container, ctx) {
  const { schema, theme } = ctx;
  container.append(el('div.inspector-head', {}, el('h2', { text: 'Metrics & background' }),
    el('span.look-tag', { text: 'fields 20–23' })));
  container.append(el('section.group-box', {}, el('h3', { text: 'Frame' }),
    schema.metrics.map((info, m) => {
      const onChange = (text, final) => ctx.edit((t) => { t.metrics[m] = text; }, `metric:${m}`, final);
      return info.kind === 'color'
        ? colorField(info, theme.metrics[m], schema.systemColors, onChange)
        : numberField(info, theme.metrics[m], onChange);
    })));
}

export function renderInspector(container, selection, ctx) {
  container.replaceChildren();
  if (!ctx.theme) return;
  if (selection === 'metrics') metricsPanel(container, ctx);
  else lookPanel(container, selection, ctx);
}
