// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Text that must never reach an answer box, whichever way it comes, and the accessibility
// audit of the page before and during a game.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';
import { centre, click, controls, focused, launch, open, operation, shownOf } from './page.mjs';

let browser;
before(async () => { browser = await launch(); });
after(() => browser?.close());

async function firstOperation(page) {
  await click(page, 'Image70');
  await click(page, 'Image3');
  await focused(page, 'Text1');
}

test('letters, signs, Enter, paste, drop and composition leave the box as it was', async () => {
  const { page, context, check } = await open(browser);
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  await firstOperation(page);
  const cdp = await context.newCDPSession(page);
  const { x, y } = await centre(page, 'Text1');
  await page.evaluate(() => {
    window.pastes = 0;
    document.getElementById('Text1').addEventListener('paste', () => { window.pastes += 1; });
    return navigator.clipboard.writeText('12');
  });
  const compose = async (text) => {
    await cdp.send('Input.imeSetComposition', { text, selectionStart: text.length, selectionEnd: text.length });
    await cdp.send('Input.insertText', { text });
  };
  const attempts = {
    letters: () => page.keyboard.type('ab'),
    signs: () => page.keyboard.type('-+.,'),
    'an accented letter': () => page.keyboard.type('è'),
    Enter: () => page.keyboard.press('Enter'),
    'Ctrl+V': async () => {
      await page.keyboard.press('Control+V');
      assert.equal(await page.evaluate(() => window.pastes), 1, 'the shortcut did not paste');
    },
    'a paste from the context menu': () => page.$eval('#Text1', (box) => {
      const clipboardData = new DataTransfer();
      clipboardData.setData('text/plain', '12');
      box.dispatchEvent(new ClipboardEvent('paste', { clipboardData, bubbles: true, cancelable: true }));
      box.dispatchEvent(new InputEvent('beforeinput', { inputType: 'insertFromPaste', data: '12', bubbles: true, cancelable: true }));
    }),
    drop: async () => {
      const data = { items: [{ mimeType: 'text/plain', data: '12' }], dragOperationsMask: 1 };
      for (const type of ['dragEnter', 'dragOver', 'drop']) await cdp.send('Input.dispatchDragEvent', { type, x, y, data });
    },
    'a composition': () => compose('かな'),
    'composed wide digits': () => compose('１２'),
  };
  for (const [name, attempt] of Object.entries(attempts)) {
    await attempt();
    const c = await controls(page);
    assert.ok(c.Text1.text === '' && c.Text1.on && c.Image92.shown, `${name} reached the box`);
    assert.equal(await page.evaluate(() => document.activeElement?.id), 'Text1', `${name} took the focus`);
  }
  await page.keyboard.type(String(operation(await controls(page)).result));
  const c = await controls(page);
  assert.deepEqual(shownOf(c, ['Image92', 'Image71', 'Image93']), ['Image71'], 'the game went no further');
  assert.ok(c.Image7.shown && c.Label5.text === '1' && c.Image3.on);
  await check();
});

// The rules of WCAG 2.x levels A and AA. Of axe's best practices beyond them, `tabindex` would
// object to the boxes' tab order, which the window's layout fixes.
const wcag = { runOnly: { type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'] } };

test('the accessibility audit finds no violation at start-up and mid-game', async () => {
  const { page, check } = await open(browser);
  await page.addScriptTag({ path: createRequire(import.meta.url).resolve('axe-core/axe.min.js') });
  for (const when of ['at start-up', 'mid-game']) {
    if (when === 'mid-game') await firstOperation(page);
    const { violations } = await page.evaluate((options) => window.axe.run(document, options), wcag);
    assert.deepEqual(violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`), [], when);
    // Of the faces stacked at one place, only the one in front is there for a screen reader.
    const heard = await page.evaluate(() =>
      ['Image67', 'Image68', 'Image69'].filter((id) => {
        const face = document.getElementById(id);
        return !face.hidden && face.getAttribute('aria-hidden') !== 'true';
      }));
    assert.deepEqual(heard, ['Image67'], when);
  }
  await check();
});
