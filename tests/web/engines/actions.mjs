// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Pointer and key input as WebDriver action sequences, the same in WebDriver BiDi (Firefox)
// and in classic WebDriver (WebKitGTK): each engine's page supplies `perform(sources)`.
// Positions are whole viewport pixels, as both protocols require.
import { EnginePage } from './page.mjs';

const keyValues = {
  Alt: '\uE00A', Backspace: '\uE003', Control: '\uE009', Delete: '\uE017', Enter: '\uE007',
  Escape: '\uE00C', Shift: '\uE008', Tab: '\uE004',
};
const keyValue = (name) => keyValues[name] ?? name;
export const keyNames = Object.fromEntries(Object.entries(keyValues).map(([name, value]) => [value, name]));

const mouse = { type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' } };
const finger = { type: 'pointer', id: 'finger', parameters: { pointerType: 'touch' } };
const keyboard = { type: 'key', id: 'keyboard' };
const keyStrokes = (text) => [...text].flatMap((c) => [{ type: 'keyDown', value: c }, { type: 'keyUp', value: c }]);
const idle = (n) => Array.from({ length: n }, () => ({ type: 'pause', duration: 0 }));

export class ActionsPage extends EnginePage {
  async moveTo(target) {
    const { x, y } = await this.point(target);
    return { type: 'pointerMove', x: Math.round(x), y: Math.round(y), origin: 'viewport' };
  }

  async gesture(pointer, target, steps) {
    await this.perform([{ ...pointer, actions: [await this.moveTo(target), ...steps] }]);
  }

  async click(target, { button = 'left' } = {}) {
    const b = button === 'right' ? 2 : 0;
    await this.gesture(mouse, target, [{ type: 'pointerDown', button: b }, { type: 'pointerUp', button: b }]);
  }

  async doubleClick(target, gap) {
    const click = [{ type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }];
    await this.gesture(mouse, target, [...click, { type: 'pause', duration: gap }, ...click]);
  }

  async tap(target) {
    await this.gesture(finger, target, [{ type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }]);
  }

  async longPress(target) {
    await this.gesture(finger, target, [{ type: 'pointerDown', button: 0 }, { type: 'pause', duration: 1000 },
      { type: 'pointerUp', button: 0 }]);
  }

  // The click and the keys in one sequence: the first key goes down in the same tick as the
  // button comes up, after it, and the rest follow tick by tick with no pause.
  async clickThenType(target, text) {
    const click = [await this.moveTo(target), { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }];
    const keys = keyStrokes(text);
    await this.perform([{ ...mouse, actions: [...click, ...idle(keys.length - 1)] },
      { ...keyboard, actions: [...idle(click.length - 1), ...keys] }]);
  }

  async type(text) {
    await this.perform([{ ...keyboard, actions: keyStrokes(text) }]);
  }

  // Keys held together, as 'Control+V' (a letter after a modifier is the lower-case key).
  async press(combination) {
    const keys = combination.split('+').map((k, i, all) => keyValue(all.length > 1 && k.length === 1 ? k.toLowerCase() : k));
    await this.perform([{
      ...keyboard,
      actions: [...keys.map((value) => ({ type: 'keyDown', value })),
        ...keys.reverse().map((value) => ({ type: 'keyUp', value }))],
    }]);
  }
}
