// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Whole games on the page opened from disk, in every engine: one with the mouse and a physical
// keyboard, one with taps and digits entered as an on-screen keyboard enters them. Every
// operation is read from the page and some are answered wrong on purpose; after every event
// the board is checked against what the rules make of the answers so far.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { boxes, coneRows, fish, operation, shownOf, suns, wrongOfSameLength } from './board.mjs';
import { eachEngine } from './engines.mjs';

const answeredWrong = new Set([2, 6, 9, 13, 17]);
const faces = ['Image67', 'Image68', 'Image69']; // neutral, smiling, sad

// Each right answer adds the next cone of the player's row and a point to his score.
function checkScores(c, scores, when) {
  coneRows.forEach((row, p) => assert.deepEqual(shownOf(c, row), row.slice(0, scores[p]), `cones ${when}`));
  assert.deepEqual([c.Label5.text, c.Label7.text, c.Label9.text], scores.map(String), `scores ${when}`);
}

// One game from the calculator to the total; `press` clicks or taps a control, `enter` enters
// text into the focused box.
async function playGame(page, press, enter) {
  const scores = [0, 0, 0];
  await press('Image70');
  let c = await page.controls();
  checkScores(c, scores, 'after a new game');
  assert.ok(!c.Image70.on && c.Image3.on && c.Image90.shown && !c.Image89.shown && !c.Text4.on);
  assert.deepEqual(shownOf(c, suns), []);

  for (let k = 1; k <= 20; k++) {
    const p = (k - 1) % 3;
    await press('Image3');
    await page.focused(boxes[p]);
    c = await page.controls();
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
      c = await page.controls();
      assert.ok(c[boxes[p]].on && c.Image92.shown, `${when}: judged after one digit`);
    }
    await enter(answer.slice(answer.length - 1));
    if (right) scores[p] += 1;
    c = await page.controls();
    checkScores(c, scores, `${when}, answered ${answer}`);
    assert.deepEqual(shownOf(c, fish), [right ? 'Image71' : 'Image93'], when);
    assert.ok(!c[boxes[p]].on && c[boxes[p]].text === answer, `${when}: the box is not closed with the answer in it`);
    assert.ok(c.Image3.on === k < 20 && c.Text4.on === (k === 20), when);
  }
  assert.ok(c.Image88.shown);

  const total = scores.reduce((a, b) => a + b);
  await press('Text4');
  await page.focused('Text4');
  for (const [typed, face, verdict] of [[wrongOfSameLength(total), 'Image69', 'Image93'], [total, 'Image68', 'Image71']]) {
    await page.evaluate(() => document.getElementById('Text4').select()); // typing replaces the total typed before
    await enter(String(typed));
    c = await page.controls();
    assert.deepEqual(shownOf(c, [...faces, ...fish, 'Image89', 'Image91']), [face, verdict, 'Image89'], `total ${typed}`);
    assert.ok(c.Image70.on && !c.Label1.shown && !c.Shape1.shown, 'the finished game is not closed');
    assert.deepEqual(boxes.map((b) => c[b].text), ['', '', '']);
  }
}

eachEngine((engine) => {
  test('a whole game by mouse and keyboard, the total, then quit', async () => {
    const page = await engine.open();
    // A page reached from another, as when opened from a school's web page: the browser then
    // keeps its tab open when the page asks to close it (Firefox closes a tab that has shown one
    // page only), and the page's last word is there to be read.
    await page.evaluate(() => history.pushState(null, '', location.href));
    let c = await page.controls();
    assert.ok(!c.Image3.on && c.Image70.on && !c.Image88.shown && !c.Text4.on);
    await page.waitFor(() => getComputedStyle(document.getElementById('Image70')).cursor !== 'auto', null, 'the hand');
    for (const id of ['Image3', 'Image70', 'Image88']) {
      assert.deepEqual(await page.evaluate((name) => {
        const e = document.getElementById(name);
        return [e.getAttribute('role'), e.title.length > 0, getComputedStyle(e).cursor.startsWith('url(')];
      }, id), ['button', true, true], `${id}: role, tooltip, hand cursor`);
    }
    await page.click('Image3'); // disabled before a game: nothing happens
    assert.deepEqual(await page.controls(), c);

    await playGame(page, (id) => page.click(id), (text) => page.type(text));
    const calculator = await page.point('Image70');
    await page.click('Image88');
    await page.waitFor(() => document.documentElement.dataset.state === 'ended', null, 'the end');
    assert.ok(await page.evaluate(() => {
      const notice = document.getElementById('ended');
      return notice.checkVisibility() && notice.textContent.trim() !== '';
    }), 'no word of the end');
    c = await page.controls();
    await page.click(calculator);
    await page.evaluate(() => document.getElementById('Image70').click());
    await page.type('12');
    assert.deepEqual(await page.controls(), c, 'the page reacts after the quit');
    await page.check();
  });

  test('a whole game by touch, digits entered as an on-screen keyboard enters them', { skip: engine.lacks('touch') }, async (t) => {
    const phone = { width: 412, height: 915 };
    const page = await engine.open({ touch: true, viewport: phone, dpr: 2 });
    const stage = await page.rect('Form1');
    assert.ok(stage.x >= -0.5 && stage.y >= -0.5 && stage.x + stage.width <= phone.width + 0.5
      && stage.y + stage.height <= phone.height + 0.5, `the window does not fit the screen: ${JSON.stringify(stage)}`);
    assert.ok(Math.abs(stage.width / stage.height - 792 / 566) < 0.01, 'the window is out of proportion');
    assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('input')].map((box) => box.inputMode)),
      Array(4).fill('numeric'));
    const inserts = !engine.lacks('insertText');
    if (!inserts) t.diagnostic(`digits typed on keys: ${engine.lacks('insertText')}`);
    await playGame(page, (id) => page.tap(id), (text) => (inserts ? page.insertText(text) : page.type(text)));
    await page.check();
  });
});
