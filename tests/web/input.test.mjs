// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Text that must never reach an answer box, whichever way it comes, and the accessibility
// audit of the page before and during a game, in every engine.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { test } from 'node:test';
import { firstOperation, fish, operation, shownOf } from './board.mjs';
import { eachEngine } from './engines.mjs';

// The rules of WCAG 2.x levels A and AA. Of axe's best practices beyond them, `tabindex` would
// object to the boxes' tab order, which the window's layout fixes.
const wcag = { runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] } };
const axe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

eachEngine((engine) => {
  test('letters, signs, Enter, pasted letters, drop and composition leave the box as it was; pasted digits land', async (t) => {
    const page = await engine.open({ clipboard: true });
    await firstOperation(page);
    await page.evaluate(() => {
      window.pastes = 0;
      document.getElementById('Text1').addEventListener('paste', () => { window.pastes += 1; });
    });
    await page.setClipboard('ab');
    const attempts = [
      ['letters', () => page.type('ab')],
      ['signs', () => page.type('-+.,')],
      ['an accented letter', () => page.type('è')],
      ['Enter', () => page.press('Enter')],
      ['Ctrl+V', async () => {
        await page.press('Control+V');
        assert.equal(await page.evaluate(() => window.pastes), 1, 'the shortcut did not paste');
      }],
      ['a paste from the context menu', () => page.evaluate(() => {
        const box = document.getElementById('Text1');
        const clipboardData = new DataTransfer();
        clipboardData.setData('text/plain', 'ab');
        box.dispatchEvent(new ClipboardEvent('paste', { clipboardData, bubbles: true, cancelable: true }));
        box.dispatchEvent(new InputEvent('beforeinput', { inputType: 'insertFromPaste', data: 'ab', dataTransfer: clipboardData, bubbles: true, cancelable: true }));
      })],
      ['a drop', () => page.drop('Text1', '12'), 'drop'],
      ['a composition', () => page.compose('かな'), 'composition'],
      ['composed wide digits', () => page.compose('１２'), 'composition'],
    ];
    for (const [name, attempt, needs] of attempts) {
      await t.test(name, { skip: needs && engine.lacks(needs) }, async () => {
        await attempt();
        const c = await page.controls();
        assert.ok(c.Text1.text === '' && c.Text1.on && c.Image92.shown, `${name} reached the box`);
        assert.equal(await page.evaluate(() => document.activeElement?.id), 'Text1', `${name} took the focus`);
      });
    }
    // A paste is text in one piece: its digits go through the same rule as typed ones.
    await page.setClipboard(String(operation(await page.controls()).result));
    await page.press('Control+V');
    const c = await page.controls();
    assert.deepEqual(shownOf(c, fish), ['Image71'], 'the game went no further');
    assert.ok(c.Image7.shown && c.Label5.text === '1' && c.Image3.on);
    await page.check();
  });

  test('the accessibility audit finds no violation at start-up and mid-game', async () => {
    const page = await engine.open({ scripts: [axe] });
    for (const when of ['at start-up', 'mid-game']) {
      if (when === 'mid-game') await firstOperation(page);
      const violations = await page.evaluate(async (options) => (await window.axe.run(document, options)).violations
        .map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), wcag);
      assert.deepEqual(violations, [], when);
      // Of the faces stacked at one place, only the one in front is there for a screen reader.
      const heard = await page.evaluate(() => ['Image67', 'Image68', 'Image69'].filter((id) => {
        const face = document.getElementById(id);
        return !face.hidden && face.getAttribute('aria-hidden') !== 'true';
      }));
      assert.deepEqual(heard, ['Image67'], when);
    }
    await page.check();
  });
});
