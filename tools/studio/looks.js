// Where each look lives in the theme string and how the page names it.

// The caption buttons' normal, over and down looks (field indices).
export const BUTTON_LOOKS = {
  close: [7, 12, 16],
  max: [8, 13, 17],
  min: [9, 14, 18],
  help: [10, 15, 19],
};
export const STATES = ['normal', 'over', 'down'];

// The order of the page's list: the frame first, then the buttons.
export const LIST_ORDER = [0, 6, 2, 1, 3, 5, 4, 11, 7, 8, 9, 10];

// The normal look of the part a look belongs to, and its state index.
export function lookOwner(look) {
  for (const [part, looks] of Object.entries(BUTTON_LOOKS)) {
    const state = looks.indexOf(look);
    if (state >= 0) return { part, normal: looks[0], state };
  }
  return { part: null, normal: look, state: 0 };
}

// The normal look of a part named as the server's layout names it.
export function lookOfPart(part, schema) {
  return schema.looks.findIndex((l) => l.part === part && l.state === 'normal');
}
