// Undo and redo over whole theme strings. Edits of one control in quick
// succession (a colour dragged, a slider moved) become one step.

const COALESCE_MS = 700;

export class History {
  constructor(onChange) {
    this.undoStack = [];
    this.redoStack = [];
    this.lastKey = null;
    this.lastTime = 0;
    this.onChange = onChange;
  }

  // Records `before`, the text an edit is about to replace.
  record(before, key) {
    const now = performance.now();
    const merge = key && key === this.lastKey && now - this.lastTime < COALESCE_MS;
    if (!merge) this.undoStack.push(before);
    this.redoStack = [];
    this.lastKey = key;
    this.lastTime = now;
    this.onChange();
  }

  undo(current) {
    if (!this.undoStack.length) return null;
    this.redoStack.push(current);
    this.lastKey = null;
    const text = this.undoStack.pop();
    this.onChange();
    return text;
  }

  redo(current) {
    if (!this.redoStack.length) return null;
    this.undoStack.push(current);
    this.lastKey = null;
    const text = this.redoStack.pop();
    this.onChange();
    return text;
  }

  get canUndo() { return this.undoStack.length > 0; }
  get canRedo() { return this.redoStack.length > 0; }
}
