// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Whole games on the page opened from disk: one with the mouse and a physical keyboard, one
// with taps and digits inserted as an on-screen keyboard inserts them. Every operation is read
// from the page and some are answered wrong on purpose; after every event the board is checked
// against what the rules make of the answers so far.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import {
  centre, click, coneRows, controls, focused, launch, open, operation, shownOf, suns, wrongOfSameLength,
} from './page.mjs';

const answeredWrong = new Set([2, 6, 9, 13, 17]);
const boxes = ['Text1', 'Text2', 'Text3'];
const fish = ['Image92', 'Image71', 'Image93']; // awaited, right, wrong
const faces = ['Image67', 'Image68', 'Image69']; // neutral, smiling, sad

let browser;
before(async () => { browser = await launch(); });
after(() => browser?.close());

// Each right answer adds the next cone of the player's row and a point to his score.
function checkScores(c, scores, when) {
  coneRows.forEach((row, p) => assert.deepEqual(shownOf(c, row), row.slice(0, scores[p]), `cones ${when}`));
  assert.deepEqual([c.Label5.text, c.Label7.text, c.Label9.text], scores.map(String), `scores ${when}`);
}

// One game from the calculator to the total; `enter` types text into the focused box.
async function playGame(page, press, enter) {
  const scores = [0, 0, 0];
  await press('Image70');
  let c = await controls(page);
  checkScores(c, scores, 'after a new game');
  assert.ok(!c.Image70.on && c.Image3.on && c.Image90.shown && !c.Image89.shown && !c.Text4.on);
  assert.deepEqual(shownOf(c, suns), []);

  for (let k = 1; k <= 20; k++) {
    const p = (k - 1) % 3;
    await press('Image3');
    await focused(page, boxes[p]);
    c = await controls(page);
    const { text, result } = operation(c);
    const when = `at operation ${k}, ${text}`;
    assert.deepEqual(boxes.filter((b) => c[b].shown && c[b].on), [boxes[p]], when);
    assert.equal(c[boxes[p]].text, '', when);
    assert.deepEqual(shownOf(c, suns), [suns[k - 1]], `sun ${when}`);
    assert.deepEqual(shownOf(c, [...fish, 'Image90', 'Image91']), ['Image92', k < 20 ? 'Image90' : 'Image91'], when);
    assert.ok(!c.Image3.on, when);

    const right = !answeredWrong.has(k);
    const answer = String(right ? result : wrongOfSameLength(result));
    if (answer.length > 1) {
      await enter(answer[0]);
      c = await controls(page);
      assert.ok(c[boxes[p]].on && c.Image92.shown, `${when}: judged after one digit`);
    }
    await enter(answer.slice(answer.length - 1));
    if (right) scores[p] += 1;
    c = await controls(page);
    checkScores(c, scores, `${when}, answered ${answer}`);
    assert.deepEqual(shownOf(c, fish), [right ? 'Image71' : 'Image93'], when);
    assert.ok(!c[boxes[p]].on && c[boxes[p]].text === answer, `${when}: the box is not closed with the answer in it`);
    assert.ok(c.Image3.on === k < 20 && c.Text4.on === (k === 20), when);
  }
  assert.ok(c.Image88.shown);

  const total = scores.reduce((a, b) => a + b);
  await press('Text4');
  await focused(page, 'Text4');
  for (const [typed, face, verdict] of [[wrongOfSameLength(total), 'Image69', 'Image93'], [total, 'Image68', 'Image71']]) {
    await page.$eval('#Text4', (box) => box.select()); // typing replaces the total typed before
    await enter(String(typed));
    c = await controls(page);
    assert.deepEqual(shownOf(c, [...faces, ...fish, 'Image89', 'Image91']), [face, verdict, 'Image89'], `total ${typed}`);
    assert.ok(c.Image70.on && !c.Label1.shown && !c.Shape1.shown, 'the finished game is not closed');
    assert.deepEqual(boxes.map((b) => c[b].text), ['', '', '']);
  }
}

test('a whole game by mouse and keyboard, the total, then quit', async () => {
  const { page, check } = await open(browser);
  let c = await controls(page);
  assert.ok(!c.Image3.on && c.Image70.on && !c.Image88.shown && !c.Text4.on);
  for (const id of ['Image3', 'Image70', 'Image88']) {
    assert.deepEqual(await page.$eval(`#${id}`, (e) => [e.role, e.title.length > 0, getComputedStyle(e).cursor.startsWith('url(')]),
      ['button', true, true], `${id}: role, tooltip, hand cursor`);
  }
  await click(page, 'Image3'); // disabled before a game: nothing happens
  assert.deepEqual(await controls(page), c);

  await playGame(page, (id) => click(page, id), (text) => page.keyboard.type(text));
  const calculator = await centre(page, 'Image70');
  await click(page, 'Image88');
  await page.waitForFunction(() => document.documentElement.dataset.state === 'ended');
  assert.ok(await page.isVisible('#ended') && (await page.textContent('#ended')).trim(), 'no word of the end');
  c = await controls(page);
  await page.mouse.click(calculator.x, calculator.y);
  await page.$eval('#Image70', (e) => e.click());
  await page.keyboard.type('12');
  assert.deepEqual(await controls(page), c, 'the page reacts after the quit');
  await check();
});

test('a whole game by touch, digits inserted as an on-screen keyboard does', async () => {
  const phone = { width: 412, height: 915 };
  const { page, check } = await open(browser, { hasTouch: true, isMobile: true, viewport: phone, deviceScaleFactor: 2 });
  const stage = await page.locator('#Form1').boundingBox();
  assert.ok(stage.x >= -0.5 && stage.y >= -0.5 && stage.x + stage.width <= phone.width + 0.5
    && stage.y + stage.height <= phone.height + 0.5, `the window does not fit the screen: ${JSON.stringify(stage)}`);
  assert.ok(Math.abs(stage.width / stage.height - 792 / 566) < 0.01, 'the window is out of proportion');
  assert.deepEqual(await page.$$eval('input', (all) => all.map((box) => box.inputMode)), Array(4).fill('numeric'));
  await playGame(page, async (id) => {
    const { x, y } = await centre(page, id);
    await page.touchscreen.tap(x, y);
  }, async (text) => { // one insertion per digit and no key events, as on-screen keyboards send them
    for (const digit of text) await page.keyboard.insertText(digit);
  });
  await check();
});
