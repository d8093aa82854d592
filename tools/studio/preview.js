// One preview of a theme: renders through the server, always only the
// latest wanted picture (an edit while a render runs replaces the waiting
// request rather than queueing behind it), and, when interactive, answers
// the pointer as the control does: the caption buttons show their over look
// under the pointer and their down look while pressed.
import * as api from './api.js';

const ANIMATED = new Set(['close', 'max', 'min', 'help']);
const CURSORS = {
  close: 'pointer', max: 'pointer', min: 'pointer', help: 'pointer', icon: 'pointer',
  left: 'ew-resize', right: 'ew-resize', bottom: 'ns-resize',
  rightcorner: 'nwse-resize', leftcorner: 'nesw-resize',
};
// Buttons lie over the title bar; the smaller part under the pointer wins.
function partAt(layout, x, y) {
  let best = null;
  for (const p of layout) {
    if (!p.visible || x < p.left || y < p.top || x >= p.left + p.width || y >= p.top + p.height) continue;
    if (!best || p.width * p.height < best.width * best.height) best = p;
  }
  return best ? best.part : null;
}

export class Preview {
  constructor(img, { interactive = false, onState = () => {}, onPick = () => {}, onError = () => {}, onRendered = () => {} } = {}) {
    this.img = img;
    this.base = null;         // { theme, width, height, caption }
    this.hover = null;
    this.pressed = null;
    this.pin = { hover: null, pressed: null };  // shown while the pointer is elsewhere
    this.layout = [];
    this.zoom = 1;
    this.busy = false;
    this.shownKey = null;
    this.callbacks = { onState, onPick, onError, onRendered };
    if (interactive) this.listen();
  }

  show(base) {
    this.base = base;
    this.pump();
  }

  // data-settled tells whether the picture shown is the one last asked for.
  markSettled() {
    const settled = JSON.stringify(this.wanted()) === this.shownKey;
    this.img.dataset.settled = String(settled);
    this.img.closest('figure')?.classList.toggle('rendering', !settled);
  }

  setZoom(zoom) {
    this.zoom = zoom;
    this.applySize();
  }

  // The picture keeps the size it was rendered at until the next one arrives.
  applySize() {
    if (!this.shownSize) return;
    this.img.style.width = `${this.shownSize.width * this.zoom}px`;
    this.img.style.height = `${this.shownSize.height * this.zoom}px`;
  }

  // Shows a button's over or down look without the pointer, for the look
  // being edited; the pointer takes over while it is on a button.
  setPin(hover, pressed) {
    this.pin = { hover, pressed };
    this.pump();
  }

  wanted() {
    if (!this.base) return null;
    const request = { ...this.base };
    const state = this.hover || this.pressed ? this : this.pin;
    if (state.hover) request.hover = state.hover;
    if (state.pressed) request.pressed = state.pressed;
    return request;
  }

  async pump() {
    this.markSettled();
    if (this.busy) return;
    const request = this.wanted();
    const key = JSON.stringify(request);
    if (!request || key === this.shownKey) return;
    this.busy = true;
    try {
      const { url, layout } = await api.render(request);
      const old = this.img.src;
      await new Promise((resolve) => {
        this.img.onload = resolve;
        this.img.onerror = resolve;
        this.img.src = url;
      });
      if (old.startsWith('blob:')) URL.revokeObjectURL(old);
      this.layout = layout;
      this.shownKey = key;
      this.shownSize = { width: request.width, height: request.height };
      this.img.dataset.hover = request.hover || '';
      this.img.dataset.pressed = request.pressed || '';
      this.img.dataset.rendered = String(Number(this.img.dataset.rendered || 0) + 1);
      this.applySize();
      this.callbacks.onRendered(request);
    } catch (error) {
      this.shownKey = key;  // do not retry the same refused request
      this.callbacks.onError(error);
    } finally {
      this.busy = false;
    }
    this.pump();
  }

  pointerPart(event) {
    const rect = this.img.getBoundingClientRect();
    const x = Math.floor((event.clientX - rect.left) / this.zoom);
    const y = Math.floor((event.clientY - rect.top) / this.zoom);
    return partAt(this.layout, x, y);
  }

  setPointer(hover, pressed) {
    if (hover === this.hover && pressed === this.pressed) return;
    this.hover = hover;
    this.pressed = pressed;
    this.callbacks.onState(hover, pressed);
    this.pump();
  }

  listen() {
    const img = this.img;
    let downOn = null;
    img.addEventListener('pointermove', (event) => {
      const part = this.pointerPart(event);
      img.style.cursor = CURSORS[part] || 'default';
      const button = ANIMATED.has(part) ? part : null;
      // A pressed button shows its down look only while the pointer is on it.
      if (downOn) this.setPointer(button, button === downOn ? downOn : null);
      else this.setPointer(button, null);
    });
    img.addEventListener('pointerdown', (event) => {
      if (event.button !== 0) return;
      const part = this.pointerPart(event);
      downOn = part;
      img.setPointerCapture(event.pointerId);
      if (ANIMATED.has(part)) this.setPointer(part, part);
    });
    img.addEventListener('pointerup', (event) => {
      const part = this.pointerPart(event);
      if (part && part === downOn) this.callbacks.onPick(part);
      downOn = null;
      this.setPointer(ANIMATED.has(part) ? part : null, null);
    });
    img.addEventListener('pointerleave', () => {
      if (!downOn) this.setPointer(null, null);
    });
  }
}
