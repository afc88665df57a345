// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The setting suns cut above their picture's bottom, in every engine: below the cut the beach
// shows as it is without the sun, above it the sun is drawn.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { eachEngine } from './engines.mjs';
import { near, readPng } from './pixels.mjs';

const cuts = { Image84: 178 / 217, Image85: 152 / 217 }; // the share of the rows drawn

// How many pixels of a rectangle differ between two screenshots, by more than a trace.
const differing = (a, b, r) => {
  let n = 0;
  for (let y = Math.ceil(r.y); y < r.y + r.height; y++) {
    for (let x = Math.ceil(r.x); x < r.x + r.width; x++) n += near(a.at(x, y), b.at(x, y), 8) ? 0 : 1;
  }
  return n;
};

eachEngine((engine) => {
  test('a cut sun leaves the beach below its cut as it is', async () => {
    const page = await engine.open();
    // The beach alone: WebKit draws the fish in front a shade apart once a layer changes under it.
    await page.evaluate(() => document.querySelectorAll('#Form1 > [id]').forEach((e) => { e.hidden = true; }));
    const dpr = await page.evaluate(() => devicePixelRatio);
    const show = async (id, on) => {
      await page.evaluate(([name, shown]) => { document.getElementById(name).hidden = !shown; }, [id, on]);
      return readPng(await page.screenshot());
    };
    const wrong = [];
    for (const [id, kept] of Object.entries(cuts)) {
      const [sun, r, beach] = [await show(id, true), await page.rect(id), await show(id, false)];
      const [cut, margin] = [r.y + r.height * kept, 2 * (r.height / 130)]; // the cut's own row is left out
      const area = (top, bottom) => ({ x: r.x * dpr, y: top * dpr, width: r.width * dpr, height: (bottom - top) * dpr });
      const [below, above] = [area(cut + margin, r.y + r.height), area(r.y, cut - margin)];
      if (differing(beach, sun, below) > 0) wrong.push(`${id}: ${differing(beach, sun, below)} pixels below the cut`);
      if (differing(beach, sun, above) < above.width * above.height / 10) wrong.push(`${id}: no sun above the cut`);
    }
    assert.deepEqual(wrong, []);
    await page.check();
  });
});
