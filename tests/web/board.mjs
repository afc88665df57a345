// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The game's board as the tests read it from the page's controls.
import assert from 'node:assert/strict';

// Element k - 1 of each row is the picture of its k-th cone or sun.
const row = (number) => Array.from({ length: 20 }, (_, i) => `Image${number(i + 1)}`);
export const coneRows = [row((k) => k + 6), row((k) => k + 26), row((k) => k + 46)];
export const suns = row((k) => (k <= 3 ? k + 3 : k + 68));

export const boxes = ['Text1', 'Text2', 'Text3'];
export const fish = ['Image92', 'Image71', 'Image93']; // awaited, right, wrong

export const shownOf = (c, names) => names.filter((name) => c[name].shown);

// The answer box open now, if any.
export const openBox = (c) => boxes.find((b) => c[b].shown && c[b].on);

// The operation in the uncle's balloon and the result it expects.
export function operation(c) {
  const text = `${c.Label1.text} ${c.Label2.text} ${c.Label3.text}`;
  const [, a, sign, b] = text.match(/^(\d{1,2}) ([+-]) (\d{1,2})$/) ?? assert.fail(`no operation: ${text}`);
  return { text, result: sign === '+' ? Number(a) + Number(b) : Number(a) - Number(b) };
}

// A wrong answer that is judged as soon as a right one would be: as many digits, another value.
export const wrongOfSameLength = (n) => (n < 10 ? (n + 1) % 10 : n + 1);

// A new game and its first operation, with the focus in the green box.
export async function firstOperation(page) {
  await page.click('Image70');
  await page.click('Image3');
  await page.focused('Text1');
}
