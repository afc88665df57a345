// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The page on a classroom's devices, in every engine: a slow device's first taps and keys,
// text that arrives in one piece, Tab after a click anywhere, play with the keyboard alone,
// elements added by extensions, and an on-screen keyboard over the lower half of the screen.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { firstOperation, openBox, operation } from './board.mjs';
import { eachEngine } from './engines.mjs';

// Holds the program's start until the test lets it go, as a slow device would.
const slowStart = () => {
  const gate = new Promise((go) => { window.brivoloGo = go; });
  for (const name of ['instantiate', 'compile']) {
    const original = WebAssembly[name];
    WebAssembly[name] = (...args) => gate.then(() => original.apply(WebAssembly, args));
  }
};

// Notes at every frame while the page is read: how many controls it shows, whether the stage is
// fitted, and whether the program has taken it over.
const watchFrames = () => {
  const frame = () => {
    const stage = document.getElementById('Form1');
    (window.loadFrames ??= []).push([stage?.querySelectorAll(':scope > [data-control]').length, !!stage?.style.transform,
      document.documentElement.dataset.state]);
    if (document.readyState === 'loading') requestAnimationFrame(frame);
  };
  requestAnimationFrame(frame);
};

// Presents operations with the abacus and answers them right, from operation `first` to `last`.
async function answer(page, first, last) {
  for (let k = first; k <= last; k++) {
    await page.click('Image3');
    await page.focused(openBox(await page.controls()));
    await page.type(String(operation(await page.controls()).result));
  }
}

eachEngine((engine) => {
  test('a tap and keys before the program has started act once it has', async () => {
    const page = await engine.open({ scripts: [`(${slowStart})()`], ready: false });
    await page.waitFor(() => typeof window.brivoloGo === 'function', null, 'the held start');
    await page.click('Text1');
    await page.type('a5b');
    await page.click('Image70');
    await page.evaluate(() => window.brivoloGo());
    await page.ready();
    const c = await page.controls();
    assert.equal(c.Text1.text, '5', 'a letter got in, or a digit was lost');
    assert.ok(c.Image3.on && !c.Image70.on, 'the tap on the calculator was lost');
    await page.check();
  });

  test('on a slow device the first frame drawn is the whole scene, in its place and size, taking input', { skip: engine.lacks('throttleCPU') }, async () => {
    const page = await engine.open({ viewport: { width: 1280, height: 800 }, throttle: 6, scripts: [`(${watchFrames})()`] });
    const frames = await page.evaluate(() => window.loadFrames);
    assert.ok(frames.length > 0, 'no frame while the page was read');
    assert.deepEqual(frames.filter(([controls, fitted, state]) => controls !== 120 || !fitted || state !== 'ready'), [],
      'frames of a half-read or unfitted scene, or of one the program has not taken over');
  });

  test('text in one piece is typed up to its judgement, whatever its length', { skip: engine.lacks('commitText') }, async () => {
    const page = await engine.open();
    await firstOperation(page);
    const { result } = operation(await page.controls());
    await page.commitText(`${result}9 punti`);
    let c = await page.controls();
    assert.deepEqual([c.Text1.text, c.Text1.on, c.Label5.text], [String(result), false, '1'], 'judged on what it kept');
    await page.click('Image3');
    await page.focused('Text2');
    await page.commitText('7'.repeat(700000));
    c = await page.controls();
    assert.ok(!c.Text2.on && /^7{1,2}$/.test(c.Text2.text), `the box holds ${c.Text2.text.length} characters`);
    await page.click('Image3');
    await page.focused('Text3');
    assert.ok((await page.controls()).Image92.shown, 'the program did not go on');
    await page.check();
  });

  test('a game with the keyboard alone; Tab follows the window\'s order wherever the last click fell', async () => {
    const page = await engine.open({ viewport: { width: 792, height: 566 } });
    const stops = [];
    for (let i = 0; i < 4; i++) {
      await page.press('Tab');
      stops.push(await page.evaluate(() => document.activeElement?.id));
    }
    assert.deepEqual(stops, ['Text1', 'Text2', 'Text3', 'Image70'], 'the tab stops before a game');
    await page.press('Enter');
    await page.press('Tab');
    await page.focused('Image3');
    await page.press(' ');
    await page.focused('Text1');
    await page.type(String(operation(await page.controls()).result));
    const c = await page.controls();
    assert.ok(c.Image71.shown && c.Label5.text === '1' && c.Image3.on);
    await answer(page, 2, 20);
    await page.click('Image3'); // no longer answers
    await page.press('Tab');
    await page.focused('Text4');
    // Then the pictures that act and are on, and back.
    await page.press('Tab');
    await page.focused('Image88');
    await page.press('Shift+Tab');
    await page.focused('Text4');
    await page.check();
  });

  test('elements of an extension over the scene are left to it', async () => {
    const page = await engine.open();
    await page.evaluate(() => {
      const stage = document.getElementById('Form1');
      const button = stage.appendChild(Object.assign(document.createElement('button'), { id: 'Helper', textContent: '?' }));
      const field = stage.appendChild(Object.assign(document.createElement('input'), { id: 'Note' }));
      button.style.cssText = 'left: 700px; top: 500px; width: 40px; height: 40px; z-index: 200';
      field.style.cssText = 'left: 600px; top: 10px; width: 80px; height: 30px; z-index: 200';
    });
    await page.click('Helper');
    await page.click('Note');
    await page.type('ab1');
    await firstOperation(page);
    const c = await page.controls();
    assert.ok(c.Label1.shown && c.Image92.shown, 'the game did not go on');
    await page.check();
  });

  test('the focused box stays in view above an on-screen keyboard', { skip: engine.lacks('resizeViewport') }, async () => {
    const screen = { width: 1024, height: 768 };
    const page = await engine.open({ viewport: screen });
    await page.click('Text1');
    await page.resizeViewport({ width: screen.width, height: Math.round(screen.height * 0.55) });
    await page.evaluate(() => new Promise((done) => { requestAnimationFrame(() => done()); }));
    const box = await page.rect('Text4');
    const view = await page.evaluate(() => ({ height: window.visualViewport?.height ?? innerHeight }));
    assert.ok(box.y >= 0 && box.y + box.height <= view.height + 0.5, `the final box is at ${box.y}..${box.y + box.height} of ${view.height}`);
    await page.check();
  });
});
