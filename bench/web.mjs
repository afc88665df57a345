// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Benchmark of the one-file page in headless Chromium, each figure beside a floor measured in
// the same run: a page of the same 792 x 566 stage holding 120 plain absolutely placed
// elements, and the same floor padded to the game file's size. Called by scripts/bench after
// scripts/web:
//
//     node bench/web.mjs [RESULTS_FILE] [--runs N] [--games N]
import { mkdtempSync, rmSync, statSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { parseArgs } from 'node:util';
import { pathToFileURL } from 'node:url';
import { launchChromium as launch } from '../tests/web/engines/chromium.mjs';
import { pageFile } from '../tests/web/engines/page.mjs';

const { values: options, positionals } = parseArgs({
  options: { runs: { type: 'string', default: '11' }, games: { type: 'string', default: '3' } },
  allowPositionals: true,
});
const runs = Number(options.runs);
const games = Number(options.games);
const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};

// The floor: the same stage, 120 coloured boxes, one of them a button that shows and hides
// twelve others and rewrites four captions; padded with a comment to `size` bytes if given.
function floorPage(size = 0) {
  const boxes = Array.from({ length: 120 }, (_, i) => {
    const [x, y] = [(i % 12) * 66, Math.floor(i / 12) * 56];
    return `<div id="b${i}" style="left:${x}px;top:${y}px;background:hsl(${i * 3},80%,60%)">${i}</div>`;
  }).join('');
  const html = `<!doctype html><html lang="it"><head><meta charset="utf-8"><title>floor</title>
<style>#stage{position:relative;width:792px;height:566px}
#stage div{position:absolute;width:60px;height:50px;font:bold 14px sans-serif}</style></head>
<body><div id="stage">${boxes}</div><script>
let flip = false;
document.getElementById('b0').addEventListener('click', () => {
  flip = !flip;
  for (let i = 1; i <= 12; i++) document.getElementById('b' + i).hidden = flip;
  for (let i = 13; i <= 16; i++) document.getElementById('b' + i).textContent = flip ? 'x' + i : i;
});
document.documentElement.dataset.state = 'ready';
</script></body></html>`;
  return html + `<!--${'x'.repeat(Math.max(0, size - Buffer.byteLength(html) - 7))}-->`;
}

// Runs before the page's own scripts: at every frame until the page is ready and every visible
// picture has its pixels, then notes the time, from navigation, just after that frame; also
// when the document was parsed and when the page said it was ready.
function watchFirstFullFrame() {
  const times = {};
  new MutationObserver(() => {
    if (document.documentElement.dataset.state === 'ready') times.ready ??= performance.now();
  }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-state'] });
  addEventListener('DOMContentLoaded', () => { times.parsed = performance.now(); });
  const done = () => document.documentElement.dataset.state === 'ready'
    && [...document.images].every((img) => img.closest('[hidden]') || (img.complete && img.naturalWidth > 0));
  const frame = () => {
    if (!done()) { requestAnimationFrame(frame); return; }
    const channel = new MessageChannel();
    channel.port1.onmessage = () => { window.firstFullFrame = { ...times, frame: performance.now() }; };
    channel.port2.postMessage(0);
  };
  requestAnimationFrame(frame);
}

async function firstFrame(browser, url) {
  const context = await browser.newContext({ viewport: { width: 792, height: 566 } });
  const page = await context.newPage();
  await page.addInitScript(watchFirstFullFrame);
  await page.goto(url);
  const times = await page.waitForFunction(() => window.firstFullFrame).then((h) => h.jsonValue());
  await context.close();
  return times;
}

// Cost of one click, in two parts: the click's handlers, dispatched synchronously, and the
// rendering of the frame that follows, from the start of its animation-frame callbacks to the
// first task after it (frame callbacks, style, layout, paint). The wait for the frame's turn
// is idle time and is left out.
function timeClick(id) {
  return new Promise((resolve) => {
    let handled;
    // Asked for first, so that it runs before any frame callback the handlers ask for.
    requestAnimationFrame(() => {
      const frameStart = performance.now();
      const channel = new MessageChannel();
      channel.port1.onmessage = () => resolve([handled, performance.now() - frameStart]);
      channel.port2.postMessage(0);
    });
    const start = performance.now();
    document.getElementById(id)
      .dispatchEvent(new MouseEvent('click', { bubbles: true, cancelable: true, view: window }));
    handled = performance.now() - start;
  });
}

async function clicks(browser, gameUrl, floorUrl) {
  const context = await browser.newContext({ viewport: { width: 792, height: 566 }, deviceScaleFactor: 2 });
  const page = await context.newPage();
  const dpr = await page.evaluate(() => devicePixelRatio);
  const game = [];
  const floor = [];
  await page.goto(gameUrl);
  await page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
  for (let g = 0; g < games; g++) {
    await page.evaluate(timeClick, 'Image70');
    for (let k = 1; k <= 20; k++) {
      game.push(await page.evaluate(timeClick, 'Image3'));
      const operation = await page.evaluate(() => ['Label1', 'Label2', 'Label3']
        .map((id) => document.getElementById(id).textContent.trim()));
      const [a, sign, b] = operation;
      if (!/^\d+$/.test(a) || !/^\d+$/.test(b)) throw new Error(`no operation after the click: ${operation}`);
      const box = `Text${((k - 1) % 3) + 1}`;
      await page.waitForFunction((id) => document.activeElement?.id === id, box);
      await page.keyboard.type(String(sign === '+' ? Number(a) + Number(b) : Number(a) - Number(b)));
    }
    await page.click('#Text4');
    await page.keyboard.type('0');
  }
  await page.goto(floorUrl);
  for (let i = 0; i < game.length; i++) floor.push(await page.evaluate(timeClick, 'b0'));
  await context.close();
  return { dpr, game, floor };
}

function machine(browser) {
  const cpu = os.cpus()[0]?.model ?? 'unknown';
  return `Chromium ${browser.version()} (Debian package, headless), ${os.cpus().length} cores, `
    + `CPU ${cpu}, ${Math.round(os.totalmem() / 2 ** 30)} GiB, Node.js ${process.version}, kernel ${os.release()}`;
}

const size = statSync(pageFile).size;
const dir = mkdtempSync(path.join(os.tmpdir(), 'brivolo-bench-'));
const urls = { game: pathToFileURL(pageFile).href };
for (const [name, html] of [['floor', floorPage()], ['padded', floorPage(size)]]) {
  writeFileSync(path.join(dir, `${name}.html`), html);
  urls[name] = pathToFileURL(path.join(dir, `${name}.html`)).href;
}

const browser = await launch();
try {
  await firstFrame(browser, urls.floor); // warms the browser's own start, paid by no page
  const times = { game: [], floor: [], padded: [] };
  for (let run = 0; run < runs; run++) {
    const order = Object.keys(times);
    for (let i = 0; i < run % order.length; i++) order.push(order.shift());
    for (const which of order) times[which].push(await firstFrame(browser, urls[which]));
  }
  const click = await clicks(browser, urls.game, urls.floor);
  const at = (which, phase) => median(times[which].map((t) => t[phase]));
  const samples = (which) => times[which].map((t) => t.frame.toFixed(1)).join(' ');
  const [g, f, pf] = [at('game', 'frame'), at('floor', 'frame'), at('padded', 'frame')];
  const total = (clicks) => clicks.map(([handler, frame]) => handler + frame);
  const [cg, cf] = [median(total(click.game)), median(total(click.floor))];
  const part = (clicks, i) => median(clicks.map((sample) => sample[i])).toFixed(2);
  const lines = [
    `machine: ${machine(browser)}`,
    `web page: ${pageFile}`,
    `web startup: navigation to first frame with every picture drawn, median of ${runs} interleaved runs: `
      + `game ${g.toFixed(1)} ms, floor ${f.toFixed(1)} ms, ratio ${(g / f).toFixed(2)} (goal <= 1.25); `
      + `floor padded to ${size} bytes ${pf.toFixed(1)} ms, ratio ${(g / pf).toFixed(2)}`,
    `web startup samples: game ${samples('game')}; floor ${samples('floor')}; padded ${samples('padded')}`,
    `web startup phases (medians): game parsed ${at('game', 'parsed').toFixed(1)} ms, ready ${at('game', 'ready').toFixed(1)} ms; `
      + `floor parsed ${at('floor', 'parsed').toFixed(1)} ms; padded floor parsed ${at('padded', 'parsed').toFixed(1)} ms`,
    `web click: abacus click to next frame at device pixel ratio ${click.dpr}, median of ${click.game.length}: `
      + `${cg.toFixed(2)} ms (goal <= 4 ms); floor click ${cf.toFixed(2)} ms; ratio ${(cg / cf).toFixed(1)}`,
    `web click parts (medians): game handler ${part(click.game, 0)} ms + frame ${part(click.game, 1)} ms; `
      + `floor handler ${part(click.floor, 0)} ms + frame ${part(click.floor, 1)} ms`,
    `web size: ${size} bytes = ${(size / 1024).toFixed(1)} KiB (goal <= 400 KiB)`,
  ];
  console.log(lines.join('\n'));
  if (positionals[0]) writeFileSync(positionals[0], `${lines.join('\n')}\n`, { flag: 'a' });
} finally {
  await browser.close();
  rmSync(dir, { recursive: true, force: true });
}
