// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Benchmark of the one-file page in headless Chromium and Firefox, each figure beside floors
// measured in the same run and the same engine:
// - the picture floor: a static page of the same size holding one PNG screenshot of the page's
//   own first frame, which shows what showing those very pixels costs;
// - the element floor, for context: the same 792 x 566 stage holding 120 plain absolutely
//   placed elements, one of them a button that shows and hides twelve others and rewrites four
//   captions, whose click is the floor of the abacus click.
// Called by scripts/bench after scripts/web:
//
//     node bench/web.mjs [RESULTS_FILE] [--runs N] [--games N] [--engines chromium,firefox]
//                        [--also OTHER.html ...]
//
// --also measures other builds of the page (an earlier one, say) in the same run.
import { statSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { parseArgs } from 'node:util';
import { pathToFileURL } from 'node:url';
import { launchChromium } from '../tests/web/engines/chromium.mjs';
import { launchFirefox } from '../tests/web/engines/firefox.mjs';
import { pageFile, tempFolder } from '../tests/web/engines/page.mjs';

const { values: options, positionals } = parseArgs({
  options: {
    runs: { type: 'string', default: '11' },
    games: { type: 'string', default: '3' },
    engines: { type: 'string', default: 'chromium,firefox' },
    also: { type: 'string', multiple: true, default: [] },
  },
  allowPositionals: true,
});
const runs = Number(options.runs);
const games = Number(options.games);
const stageSize = { width: 792, height: 566 };
const median = (xs) => {
  if (xs.length === 0) return NaN;
  const s = [...xs].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};

// Both engines are driven by puppeteer: only the launch and the name differ.
const engines = {
  chromium: { launch: launchChromium, version: async (browser) => `Chromium ${(await browser.version()).split('/')[1]}` },
  firefox: { launch: () => launchFirefox({}), version: async (browser) => (await browser.version()).replace('/', ' ') },
};

async function open(browser, dpr = 1) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ ...stageSize, deviceScaleFactor: dpr });
  return { page, close: () => context.close() };
}

// The predicate's value once it has one; a page that never gets there within `timeout`
// milliseconds fails the run.
const until = async (page, predicate, timeout = 60000) => {
  const end = Date.now() + timeout;
  for (;;) {
    const value = await page.evaluate(predicate);
    if (value) return value;
    if (Date.now() > end) throw new Error(`waited ${timeout} ms for ${predicate}`);
    await new Promise((done) => { setTimeout(done, 5); });
  }
};

function elementFloor() {
  const boxes = Array.from({ length: 120 }, (_, i) => {
    const [x, y] = [(i % 12) * 66, Math.floor(i / 12) * 56];
    return `<div id="b${i}" style="left:${x}px;top:${y}px;background:hsl(${i * 3},80%,60%)">${i}</div>`;
  }).join('');
  return `<!doctype html><html lang="it"><head><meta charset="utf-8"><title>floor</title>
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
}

const pictureFloor = (png) => `<!doctype html><html lang="it"><head><meta charset="utf-8"><title>picture</title>
<style>html,body{margin:0;background:#000}img{display:block}</style></head><body>
<img src="data:image/png;base64,${png.toString('base64')}" width="792" height="566" alt=""></body></html>`;

// Runs before the page's own scripts: at every frame until the page shows all it has to show
// (parsed, its faces loaded, its controls there, every visible picture with its pixels), then
// notes when that frame was on screen, from navigation: the first contentful paint, as the
// browser reports it, when that paint is this frame (its content complete), else the first task
// after the frame. Also notes when the document was parsed and when the program said it was
// ready.
function watchFirstFullFrame() {
  const times = {};
  new MutationObserver(() => {
    if (document.documentElement.dataset.state === 'ready') times.ready ??= performance.now();
  }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-state'] });
  addEventListener('DOMContentLoaded', () => { times.parsed = performance.now(); });
  // A window of the game shows all its 120 controls, be they written in the page or made by it.
  const stage = () => document.getElementById('Form1');
  const shown = () => document.readyState !== 'loading' && document.fonts.status === 'loaded'
    && (!stage() || stage().querySelectorAll(':scope > [id]').length >= 120)
    && [...document.images].every((img) => img.closest('[hidden]') || (img.complete && img.naturalWidth > 0));
  let firstFrame = true;
  const frame = (start) => {
    if (!shown()) {
      firstFrame = false;
      requestAnimationFrame(frame);
      return;
    }
    const channel = new MessageChannel();
    channel.port1.onmessage = () => {
      const after = performance.now();
      new PerformanceObserver((list, observer) => {
        const paint = list.getEntriesByName('first-contentful-paint')[0];
        if (!paint) return;
        observer.disconnect();
        const complete = paint.startTime >= start || firstFrame;
        window.firstFullFrame = { ...times, frame: complete ? paint.startTime : after };
      }).observe({ type: 'paint', buffered: true });
    };
    channel.port2.postMessage(0);
  };
  requestAnimationFrame(frame);
}

async function firstFrame(browser, url) {
  const { page, close } = await open(browser);
  await page.evaluateOnNewDocument(watchFirstFullFrame);
  await page.goto(url);
  const times = await until(page, () => window.firstFullFrame);
  await close();
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

// Whole games at device pixel ratio 2, every answer typed right; each abacus click timed.
async function clicks(browser, gameUrl, floorUrl) {
  const { page, close } = await open(browser, 2);
  const dpr = await page.evaluate(() => devicePixelRatio);
  const game = [];
  const floor = [];
  await page.goto(gameUrl);
  await until(page, () => document.documentElement.dataset.state === 'ready');
  for (let g = 0; g < games; g++) {
    await page.evaluate(timeClick, 'Image70');
    for (let k = 1; k <= 20; k++) {
      game.push(await page.evaluate(timeClick, 'Image3'));
      const [a, sign, b] = await page.evaluate(() => ['Label1', 'Label2', 'Label3']
        .map((id) => document.getElementById(id).textContent.trim()));
      if (!/^\d+$/.test(a) || !/^\d+$/.test(b)) throw new Error(`no operation after the click: ${a} ${sign} ${b}`);
      const box = `Text${((k - 1) % 3) + 1}`;
      await until(page, new Function(`return document.activeElement?.id === '${box}'`));
      await page.keyboard.type(String(sign === '+' ? Number(a) + Number(b) : Number(a) - Number(b)));
    }
    await page.click('#Text4');
    await page.keyboard.type('0');
  }
  await page.goto(floorUrl);
  for (let i = 0; i < game.length; i++) floor.push(await page.evaluate(timeClick, 'b0'));
  await close();
  return { dpr, game, floor };
}

// The page's memory once a game is over, as Chromium counts it.
async function memory(browser, url) {
  const { page, close } = await open(browser);
  await page.goto(url);
  await until(page, () => document.documentElement.dataset.state === 'ready');
  const cdp = await page.createCDPSession();
  await cdp.send('Performance.enable');
  await cdp.send('HeapProfiler.collectGarbage');
  const metrics = Object.fromEntries((await cdp.send('Performance.getMetrics')).metrics.map((m) => [m.name, m.value]));
  await close();
  return `JS heap ${(metrics.JSHeapUsedSize / 2 ** 20).toFixed(2)} MiB, ${metrics.Documents} documents, `
    + `${metrics.Nodes} nodes, ${metrics.LayoutObjects} layout objects`;
}

async function screenshot(browser, url) {
  const { page, close } = await open(browser);
  await page.goto(url);
  await until(page, () => document.documentElement.dataset.state === 'ready');
  const png = Buffer.from(await page.screenshot());
  await close();
  return png;
}

function machine() {
  const cpu = os.cpus()[0]?.model ?? 'unknown';
  const load = os.loadavg().map((l) => l.toFixed(2)).join(' ');
  return `${os.cpus().length} cores, CPU ${cpu}, ${Math.round(os.totalmem() / 2 ** 30)} GiB, load average ${load}, `
    + `Node.js ${process.version}, kernel ${os.release()}`;
}

const { folder: dir, remove } = tempFolder('brivolo-bench-');
const write = (name, html) => {
  writeFileSync(path.join(dir, name), html);
  return pathToFileURL(path.join(dir, name)).href;
};
const pages = { game: pathToFileURL(pageFile).href };
options.also.forEach((file, i) => { pages[`other${i + 1}`] = pathToFileURL(path.resolve(file)).href; });
const lines = [`machine: ${machine()}`, `web page: ${pageFile} (${statSync(pageFile).size} bytes = ${(statSync(pageFile).size / 1024).toFixed(1)} KiB, goal <= 400 KiB)`];
options.also.forEach((file, i) => lines.push(`other${i + 1}: ${file} (${statSync(file).size} bytes)`));

try {
  const chromium = await launchChromium();
  try {
    pages.picture = write('picture.html', pictureFloor(await screenshot(chromium, pages.game)));
    pages.floor = write('floor.html', elementFloor());
    for (const [name, url] of Object.entries(pages)) {
      if (name === 'game' || name.startsWith('other')) lines.push(`memory ${name}: ${await memory(chromium, url)}`);
    }
  } finally {
    await chromium.close();
  }
  for (const name of options.engines.split(',')) {
    const engine = engines[name];
    const browser = await engine.launch();
    try {
      await firstFrame(browser, pages.floor); // warms the browser's own start, paid by no page
      const times = Object.fromEntries(Object.keys(pages).map((p) => [p, []]));
      for (let run = 0; run < runs; run++) {
        const order = Object.keys(times);
        for (let i = 0; i < run % order.length; i++) order.push(order.shift());
        for (const which of order) times[which].push(await firstFrame(browser, pages[which]));
      }
      // A phase the page never reached in a run (a first frame out before the program said it
      // was ready, say) is left out of its median.
      const at = (which, phase) => median(times[which].map((t) => t[phase]).filter((t) => t !== undefined));
      const ms = (value) => (Number.isFinite(value) ? `${value.toFixed(1)} ms` : 'n/a');
      const shown = (which) => `${at(which, 'frame').toFixed(1)} ms`;
      lines.push(`${name}: ${await engine.version(browser)}`);
      lines.push(`${name} first frame, median of ${runs} interleaved runs: picture floor ${shown('picture')}, `
        + `element floor ${shown('floor')}`);
      for (const which of Object.keys(pages).filter((p) => p === 'game' || p.startsWith('other'))) {
        lines.push(`${name} first frame ${which}: ${shown(which)}, ratio to the picture floor `
          + `${(at(which, 'frame') / at('picture', 'frame')).toFixed(2)} (goal <= 1.5, aim 1.25), to the element floor `
          + `${(at(which, 'frame') / at('floor', 'frame')).toFixed(2)}; parsed ${ms(at(which, 'parsed'))}, `
          + `ready ${ms(at(which, 'ready'))}`);
        lines.push(`${name} first frame ${which} samples: ${times[which].map((t) => t.frame.toFixed(1)).join(' ')}`);
      }
      lines.push(`${name} first frame picture floor samples: ${times.picture.map((t) => t.frame.toFixed(1)).join(' ')}`);
      for (const which of Object.keys(pages).filter((p) => p === 'game' || p.startsWith('other'))) {
        const click = await clicks(browser, pages[which], pages.floor);
        const total = (samples) => samples.map(([handler, frame]) => handler + frame);
        const [g, f] = [median(total(click.game)), median(total(click.floor))];
        const part = (samples, i) => median(samples.map((sample) => sample[i])).toFixed(2);
        lines.push(`${name} abacus click ${which} at device pixel ratio ${click.dpr}, median of ${click.game.length}: `
          + `${g.toFixed(2)} ms (handler ${part(click.game, 0)} + frame ${part(click.game, 1)}); floor click `
          + `${f.toFixed(2)} ms (${part(click.floor, 0)} + ${part(click.floor, 1)}); ratio ${(g / f).toFixed(2)} (goal <= 2)`);
      }
    } finally {
      await browser.close();
    }
  }
  lines.push(`load average after: ${os.loadavg().map((l) => l.toFixed(2)).join(' ')}`);
  console.log(lines.join('\n'));
  if (positionals[0]) writeFileSync(positionals[0], `${lines.join('\n')}\n`, { flag: 'a' });
} finally {
  remove();
}
