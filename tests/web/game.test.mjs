// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games on the page opened from disk: one with the mouse and a physical keyboard, one
// with taps and digits inserted as an on-screen keyboard inserts them. Every operation is read
// from the page and some are answered wrong on purpose; after every event the board is checked
// against what the rules make of the answers so far.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import {
  centre, click, coneRows, controls, focused, images, launch, nothingStored, open, operation, shownOf,
  stored, suns, wrongOfSameLength,
} from './page.mjs';

const answeredWrong = new Set([2, 6, 9, 13, 17]);
const boxes = ['Text1', 'Text2', 'Text3'];
const scoreLabels = ['Label5', 'Label7', 'Label9'];
const fish = ['Image92', 'Image71', 'Image93']; // awaited, right, wrong

let browser;
before(async () => { browser = await launch(); });
after(() => browser?.close());

// A right answer adds a cone to the player's row and a point to his score: the row shows as
// many cones as the score, from its first element on.
function checkBoard(c, scores, when) {
  coneRows.forEach((row, p) => assert.deepEqual(shownOf(c, images(row)),
    images(row.slice(0, scores[p])), `cones ${when}`));
  assert.deepEqual(scoreLabels.map((l) => c[l].text), scores.map(String), `scores ${when}`);
}

// One game from the calculator to the open final box; returns the three scores.
async function playGame(page, input) {
  const scores = [0, 0, 0];
  await input.press('Image70');
  let c = await controls(page);
  checkBoard(c, scores, 'after a new game');
  assert.ok(!c.Image70.on && c.Image3.on && c.Image90.shown && !c.Image89.shown);
  assert.ok(!c.Text4.on && c.Text4.text === '');
  assert.deepEqual(shownOf(c, images(suns)), []);

  for (let k = 1; k <= 20; k++) {
    const when = `at operation ${k}`;
    const p = (k - 1) % 3;
    await input.press('Image3');
    await focused(page, boxes[p]);
    c = await controls(page);
    const { text, result } = operation(c);
    assert.deepEqual(boxes.filter((b) => c[b].shown && c[b].on), [boxes[p]], when);
    assert.equal(c[boxes[p]].text, '', when);
    assert.deepEqual(shownOf(c, images(suns)), images([suns[k - 1]]), `sun ${when}`);
    assert.deepEqual(shownOf(c, fish), ['Image92'], when);
    assert.deepEqual(shownOf(c, ['Image90', 'Image91']), [k < 20 ? 'Image90' : 'Image91'], when);
    assert.ok(!c.Image3.on, when);

    const right = !answeredWrong.has(k);
    const answer = String(right ? result : wrongOfSameLength(result));
    if (answer.length > 1) {
      await input.enter(answer[0]);
      c = await controls(page);
      assert.ok(c[boxes[p]].on && c.Image92.shown, `${text}: judged after one digit`);
    }
    await input.enter(answer.slice(answer.length > 1 ? 1 : 0));
    if (right) scores[p] += 1;
    c = await controls(page);
    checkBoard(c, scores, `${when}, ${text} answered ${answer}`);
    assert.deepEqual(shownOf(c, fish), [right ? 'Image71' : 'Image93'], when);
    assert.ok(!c[boxes[p]].on && c[boxes[p]].text === answer, `${text}: the box stays open`);
    assert.equal(c.Image3.on, k < 20, when);
    assert.equal(c.Text4.on, k === 20, when);
  }
  assert.ok(c.Image88.shown && c.Image91.shown && !c.Image90.shown);
  return scores;
}

const mouseAndKeys = (page) => ({ press: (id) => click(page, id), enter: (text) => page.keyboard.type(text) });

test('a whole game by mouse and keyboard, the total, then quit', async () => {
  const { page, context, check } = await open(browser);
  let c = await controls(page);
  assert.ok(!c.Image3.on && c.Image70.on && !c.Image88.shown && !c.Text4.on);
  for (const id of ['Image3', 'Image70', 'Image88']) {
    assert.equal(await page.getAttribute(`#${id}`, 'role'), 'button');
    assert.ok((await page.getAttribute(`#${id}`, 'title'))?.length > 0, `${id} has no tooltip`);
    assert.match(await page.$eval(`#${id}`, (e) => getComputedStyle(e).cursor), /^url\(/);
  }
  const input = mouseAndKeys(page);
  await input.press('Image3'); // disabled before a game: nothing happens
  assert.deepEqual(await controls(page), c);

  const scores = await playGame(page, input);
  const total = scores.reduce((a, b) => a + b);
  await input.press('Text4');
  await focused(page, 'Text4');
  const wrong = String(wrongOfSameLength(total));
  await page.keyboard.type(wrong);
  c = await controls(page);
  assert.deepEqual(shownOf(c, ['Image67', 'Image68', 'Image69']), ['Image69'], `total ${wrong}`);
  assert.deepEqual(shownOf(c, fish), ['Image93']);
  assert.deepEqual(shownOf(c, ['Image89', 'Image91']), ['Image89']);
  assert.ok(c.Image70.on && !c.Label1.shown && !c.Shape1.shown, 'the finished game is not closed');
  assert.deepEqual(boxes.map((b) => c[b].text), ['', '', '']);
  for (const _ of wrong) await page.keyboard.press('Backspace');
  await page.keyboard.type(String(total));
  c = await controls(page);
  assert.deepEqual(shownOf(c, ['Image67', 'Image68', 'Image69']), ['Image68'], `total ${total}`);
  assert.deepEqual(shownOf(c, fish), ['Image71']);

  const calculator = await centre(page, 'Image70');
  await input.press('Image88');
  await page.waitForFunction(() => document.documentElement.dataset.state === 'ended');
  assert.ok(await page.isVisible('#ended'), 'no word that the game has ended');
  assert.ok((await page.textContent('#ended')).trim().length > 0);
  c = await controls(page);
  await page.mouse.click(calculator.x, calculator.y);
  await page.$eval('#Image70', (e) => e.click());
  await page.keyboard.type('12');
  assert.deepEqual(await controls(page), c, 'the page reacts after the quit');
  assert.deepEqual(await stored(page), nothingStored);
  check();
  await context.close();
});

test('a whole game by touch, digits inserted as an on-screen keyboard does', async () => {
  const phone = { width: 412, height: 915 };
  const { page, context, check } = await open(browser,
    { hasTouch: true, isMobile: true, viewport: phone, deviceScaleFactor: 2 });
  const stage = await page.locator('#Form1').boundingBox();
  assert.ok(stage.x >= -0.5 && stage.y >= -0.5 && stage.x + stage.width <= phone.width + 0.5
    && stage.y + stage.height <= phone.height + 0.5, `the window does not fit the screen: ${JSON.stringify(stage)}`);
  assert.ok(Math.abs(stage.width / stage.height - 792 / 566) < 0.01, 'the window is out of proportion');
  for (const box of [...boxes, 'Text4']) {
    assert.equal(await page.$eval(`#${box}`, (e) => e.inputMode), 'numeric');
  }
  const input = {
    async press(id) {
      const { x, y } = await centre(page, id);
      await page.touchscreen.tap(x, y);
    },
    // One insertion per digit, with no key events, as on-screen keyboards send them.
    async enter(text) {
      for (const digit of text) await page.keyboard.insertText(digit);
    },
  };
  const scores = await playGame(page, input);
  const total = scores.reduce((a, b) => a + b);
  await input.press('Text4');
  await focused(page, 'Text4');
  await input.enter(String(total));
  const c = await controls(page);
  assert.deepEqual(shownOf(c, ['Image67', 'Image68', 'Image69']), ['Image68'], `total ${total}`);
  assert.ok(c.Image70.on && !c.Label1.shown);
  assert.deepEqual(await stored(page), nothingStored);
  check();
  await context.close();
});
