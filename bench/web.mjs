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
//     node bench/web.mjs [RESULTS_FILE] [--runs N] [--throttled-runs N] [--throttle 4,6] [--games N]
//                        [--engines chromium,firefox] [--also OTHER.html ...] [--scene-only]
//
// --also measures other builds of the page (an earlier one, say) in the same run; --throttle
// names how many times slower Chromium's CPU is made for the runs that time start-up on a slow
// machine (none when empty); --scene-only leaves out the clicks and the memory.
import { statSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { parseArgs } from 'node:util';
import { pathToFileURL } from 'node:url';
import { launchChromium } from '../tests/web/engines/chromium.mjs';
import { launchFirefox } from '../tests/web/engines/firefox.mjs';
import { pageFile, tempFolder, within } from '../tests/web/engines/page.mjs';

const { values: options, positionals } = parseArgs({
  options: {
    // The scene's times spread widely on a shared machine (quartiles some 20 % apart): its
    // median wants many loads.
    runs: { type: 'string', default: '25' },
    'throttled-runs': { type: 'string', default: '7' },
    throttle: { type: 'string', default: '4,6' },
    games: { type: 'string', default: '3' },
    engines: { type: 'string', default: 'chromium,firefox' },
    also: { type: 'string', multiple: true, default: [] },
    'scene-only': { type: 'boolean', default: false },
  },
  allowPositionals: true,
});
const runs = Number(options.runs);
const gamesPlayed = Number(options.games);
const throttledRuns = Number(options['throttled-runs']);
const throttles = options.throttle ? options.throttle.split(',').map(Number) : [];
const stageSize = { width: 792, height: 566 };
// The value below which a share q of the samples lie, interpolated.
const quantile = (xs, q) => {
  if (xs.length === 0) return NaN;
  const s = [...xs].sort((a, b) => a - b);
  const at = (s.length - 1) * q;
  const [below, above] = [Math.floor(at), Math.ceil(at)];
  return s[below] + (s[above] - s[below]) * (at - below);
};
const median = (xs) => quantile(xs, 0.5);
const quartiles = (xs) => `${[0.25, 0.5, 0.75].map((q) => quantile(xs, q).toFixed(1)).join(' / ')} ms`;

// Seconds any one wait for the page or its browser may take before the run is given up.
const patience = 60;
const bounded = (promise, what) => within(promise, patience * 1000, what);

// Both engines are driven by puppeteer: Chromium over CDP, Firefox over WebDriver BiDi. Only
// the launch, the name and Chromium's slowed CPU differ.
const engines = {
  chromium: {
    launch: launchChromium,
    version: async (browser) => `Chromium ${(await browser.version()).split('/')[1]}`,
    throttleCpu: async (page, rate) => {
      await (await page.createCDPSession()).send('Emulation.setCPUThrottlingRate', { rate });
    },
  },
  firefox: {
    launch: () => launchFirefox({}),
    version: async (browser) => (await browser.version()).replace('/', ' '),
    throttleCpu: () => { throw new Error('Firefox cannot slow its CPU under automation'); },
  },
};

// A page in a browser context of its own, the stage's size.
async function open(browser, dpr = 1) {
  const context = await bounded(browser.createBrowserContext(), 'browser context');
  const page = await bounded(context.newPage(), 'new page');
  await bounded(page.setViewport({ ...stageSize, deviceScaleFactor: dpr }), 'viewport');
  return { page, close: () => bounded(context.close(), 'closed browser context') };
}

const goto = (page, url) => page.goto(url, { timeout: patience * 1000 });
const evaluate = (page, fn, arg) => bounded(page.evaluate(fn, arg), `result of ${fn.name || fn}`);

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

// Runs before the page's own scripts. At every frame until the page shows all it has to show
// (parsed, its faces loaded, its controls there, every visible picture with its pixels), then
// notes, from navigation:
// - shown: the end of the frame that follows, the first task after it;
// - painted: the first contentful paint, as the browser reports it, when that paint is that
//   frame (its content complete), else the end of that frame;
// - ready: the end of the frame that follows the program's word that it takes input;
// - parsed and fcp, for context.
function watchScene() {
  const times = {};
  window.sceneTimes = times;
  const afterFrame = (name) => {
    const channel = new MessageChannel();
    channel.port1.onmessage = () => { times[name] ??= performance.now(); };
    channel.port2.postMessage(0);
  };
  new MutationObserver(() => {
    if (document.documentElement.dataset.state === 'ready' && times.ready === undefined) {
      times.ready = null;
      requestAnimationFrame(() => afterFrame('ready'));
    }
  }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-state'] });
  addEventListener('DOMContentLoaded', () => { times.parsed = performance.now(); });
  new PerformanceObserver((list) => {
    const paint = list.getEntriesByName('first-contentful-paint')[0];
    if (paint) times.fcp = paint.startTime;
  }).observe({ type: 'paint', buffered: true });
  // A window of the game shows all its 120 controls, be they written in the page or made by it.
  const stage = () => document.getElementById('Form1');
  const complete = () => document.readyState !== 'loading' && document.fonts.status === 'loaded'
    && (!stage() || stage().querySelectorAll(':scope > [id]').length >= 120)
    && [...document.images].every((img) => img.closest('[hidden]') || (img.complete && img.naturalWidth > 0));
  let firstFrame = true;
  const frame = (start) => {
    if (!complete()) {
      firstFrame = false;
      requestAnimationFrame(frame);
      return;
    }
    times.completeFrame = start;
    times.firstFrameComplete = firstFrame;
    afterFrame('shown');
  };
  requestAnimationFrame(frame);
}

const until = async (page, predicate, arg) => {
  const deadline = Date.now() + patience * 1000;
  for (;;) {
    const value = await evaluate(page, predicate, arg);
    if (value) return value;
    if (Date.now() > deadline) throw new Error(`the page did not get there in ${patience} s: ${predicate}`);
    await new Promise((done) => { setTimeout(done, 5); });
  }
};

// The times of one load in a fresh context; the CPU slowed `throttle` times (Chromium only).
async function load(engine, browser, url, { program, throttle = 1 }) {
  const { page, close } = await open(browser);
  try {
    await bounded(page.evaluateOnNewDocument(watchScene), 'script before the page\'s own');
    if (throttle !== 1) await bounded(engine.throttleCpu(page, throttle), 'slowed CPU');
    await goto(page, url);
    const times = await until(page, (needsReady) => {
      const t = window.sceneTimes;
      return t && t.shown !== undefined && t.fcp !== undefined && (!needsReady || typeof t.ready === 'number') && t;
    }, program);
    const painted = times.fcp >= times.completeFrame || times.firstFrameComplete ? times.fcp : times.shown;
    return { ...times, painted };
  } finally {
    await close();
  }
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
  try {
    const dpr = await evaluate(page, () => devicePixelRatio);
    const game = [];
    const floor = [];
    await goto(page, gameUrl);
    await until(page, () => document.documentElement.dataset.state === 'ready');
    for (let g = 0; g < gamesPlayed; g++) {
      await evaluate(page, timeClick, 'Image70');
      for (let k = 1; k <= 20; k++) {
        game.push(await evaluate(page, timeClick, 'Image3'));
        const [a, sign, b] = await evaluate(page, () => ['Label1', 'Label2', 'Label3']
          .map((id) => document.getElementById(id).textContent.trim()));
        if (!/^\d+$/.test(a) || !/^\d+$/.test(b)) throw new Error(`no operation after the click: ${a} ${sign} ${b}`);
        await until(page, (box) => document.activeElement?.id === box, `Text${((k - 1) % 3) + 1}`);
        await bounded(page.keyboard.type(String(sign === '+' ? Number(a) + Number(b) : Number(a) - Number(b))), 'typing');
      }
      await bounded(page.click('#Text4'), 'click');
      await bounded(page.keyboard.type('0'), 'typing');
    }
    await goto(page, floorUrl);
    for (let i = 0; i < game.length; i++) floor.push(await evaluate(page, timeClick, 'b0'));
    return { dpr, game, floor };
  } finally {
    await close();
  }
}

// The page's memory once it is ready and has done what it leaves for the browser's idle time,
// as Chromium counts it.
async function memory(browser, url) {
  const { page, close } = await open(browser);
  try {
    await goto(page, url);
    await until(page, () => document.documentElement.dataset.state === 'ready');
    await evaluate(page, () => new Promise((idle) => { requestIdleCallback(idle); }));
    const cdp = await bounded(page.createCDPSession(), 'CDP session');
    const send = (method) => bounded(cdp.send(method), method);
    await send('Performance.enable');
    await send('HeapProfiler.collectGarbage');
    const metrics = Object.fromEntries((await send('Performance.getMetrics')).metrics.map((m) => [m.name, m.value]));
    return `JS heap ${(metrics.JSHeapUsedSize / 2 ** 20).toFixed(2)} MiB, ${metrics.Documents} documents, `
      + `${metrics.Nodes} nodes, ${metrics.LayoutObjects} layout objects`;
  } finally {
    await close();
  }
}

async function screenshot(browser, url) {
  const { page, close } = await open(browser);
  try {
    await goto(page, url);
    await until(page, () => document.documentElement.dataset.state === 'ready');
    return Buffer.from(await bounded(page.screenshot(), 'screenshot'));
  } finally {
    await close();
  }
}

// The browsers, started from here, take this priority: on a machine shared with builds, an
// ordinary one lets their load into every figure.
function raisePriority() {
  try {
    os.setPriority(-15);
    return 'raised priority (nice -15)';
  } catch {
    return 'ordinary priority (raising it not allowed)';
  }
}

function machine() {
  const cpu = os.cpus()[0]?.model ?? 'unknown';
  const load = os.loadavg().map((l) => l.toFixed(2)).join(' ');
  return `${os.cpus().length} cores, CPU ${cpu}, ${Math.round(os.totalmem() / 2 ** 30)} GiB, load average ${load}, `
    + `Node.js ${process.version}, kernel ${os.release()}, ${raisePriority()}`;
}

const { folder: dir, remove } = tempFolder('brivolo-bench-');
const write = (name, html) => {
  writeFileSync(path.join(dir, name), html);
  return pathToFileURL(path.join(dir, name)).href;
};
const pages = { game: pathToFileURL(pageFile).href };
options.also.forEach((file, i) => { pages[`other${i + 1}`] = pathToFileURL(path.resolve(file)).href; });
const lines = [`machine: ${machine()}`, `web page: ${pageFile} (${statSync(pageFile).size} bytes = ${(statSync(pageFile).size / 1024).toFixed(1)} KiB, goal <= 300 KiB)`];
options.also.forEach((file, i) => lines.push(`other${i + 1}: ${file} (${statSync(file).size} bytes)`));

try {
  const chromium = await launchChromium();
  try {
    pages.picture = write('picture.html', pictureFloor(await screenshot(chromium, pages.game)));
    pages.floor = write('floor.html', elementFloor());
    for (const [name, url] of options['scene-only'] ? [] : Object.entries(pages)) {
      if (name === 'game' || name.startsWith('other')) lines.push(`memory ${name}: ${await memory(chromium, url)}`);
    }
  } finally {
    await bounded(chromium.close(), 'closed browser');
  }
  const games = Object.keys(pages).filter((p) => p === 'game' || p.startsWith('other'));
  const ms = (value) => (Number.isFinite(value) ? `${value.toFixed(1)} ms` : 'n/a');
  const load1 = () => `load average ${os.loadavg()[0].toFixed(2)}`;
  // Interleaved loads of the given pages, the order rotating each run; the times of each page.
  const interleaved = async (engine, browser, which, count, throttle) => {
    const times = Object.fromEntries(which.map((p) => [p, []]));
    for (let run = 0; run < count; run++) {
      const order = [...which];
      for (let i = 0; i < run % order.length; i++) order.push(order.shift());
      for (const p of order) {
        times[p].push(await load(engine, browser, pages[p], { program: games.includes(p), throttle }));
      }
    }
    // A phase a page never reached in a run is left out of its median.
    const at = (p, phase) => median(times[p].map((t) => t[phase]).filter((t) => typeof t === 'number'));
    const gap = (p) => median(times[p].map((t) => t.ready - t.shown));
    return { times, at, gap };
  };
  for (const name of options.engines.split(',')) {
    const engine = engines[name];
    const browser = await engine.launch();
    try {
      await load(engine, browser, pages.floor, {}); // warms the browser's own start, paid by no page
      lines.push(`${name}: ${await engine.version(browser)}, ${load1()}`);
      const { times, at, gap } = await interleaved(engine, browser, Object.keys(pages), runs, 1);
      const floor = at('picture', 'shown');
      lines.push(`${name} scene, median of ${runs} interleaved runs: picture floor shown ${ms(floor)} `
        + `(painted ${ms(at('picture', 'painted'))}), element floor shown ${ms(at('floor', 'shown'))}`);
      for (const which of games) {
        // Painted against the floor's paint; shown and ready against the floor shown.
        const ratio = (phase) => (at(which, phase) / at('picture', phase === 'painted' ? 'painted' : 'shown')).toFixed(2);
        lines.push(`${name} scene ${which}: shown ${ms(at(which, 'shown'))}, ratio ${ratio('shown')} (goal <= 1.25); `
          + `ready ${ms(at(which, 'ready'))}, ratio ${ratio('ready')} (goal <= 1.5, aim 1.25); `
          + `gap ${ms(gap(which))}; painted ${ms(at(which, 'painted'))}, ratio ${ratio('painted')}; `
          + `first contentful paint ${ms(at(which, 'fcp'))}; parsed ${ms(at(which, 'parsed'))}`);
        const shown = times[which].map((t) => t.shown);
        lines.push(`${name} scene ${which} spread: shown quartiles ${quartiles(shown)}; `
          + `the first frame drawn the whole scene in ${times[which].filter((t) => t.firstFrameComplete).length} of ${shown.length} loads`);
        lines.push(`${name} scene ${which} samples shown/ready/first contentful paint: `
          + `${times[which].map((t) => [t.shown, t.ready, t.fcp].map((x) => x.toFixed(0)).join('/')).join(' ')}`);
      }
      lines.push(`${name} scene picture floor spread: shown quartiles ${quartiles(times.picture.map((t) => t.shown))}`);
      lines.push(`${name} scene picture floor samples shown/first contentful paint: `
        + `${times.picture.map((t) => `${t.shown.toFixed(0)}/${t.fcp.toFixed(0)}`).join(' ')}`);
      for (const rate of name === 'chromium' ? throttles : []) {
        const slow = await interleaved(engine, browser, ['picture', ...games], throttledRuns, rate);
        const slowFloor = slow.at('picture', 'shown');
        for (const which of games) {
          const goal = { 4: ' (goal <= 100 ms)', 6: ' (goal <= 150 ms)' }[rate] ?? '';
          lines.push(`${name} CPU slowed ${rate}x ${which}, median of ${throttledRuns} interleaved runs: `
            + `from shown to ready ${ms(slow.gap(which))}${goal}; shown ${ms(slow.at(which, 'shown'))}, ready `
            + `${ms(slow.at(which, 'ready'))}; picture floor shown ${ms(slowFloor)}; ratios to it: shown `
            + `${(slow.at(which, 'shown') / slowFloor).toFixed(2)}, ready ${(slow.at(which, 'ready') / slowFloor).toFixed(2)}, `
            + `gap ${(slow.gap(which) / slowFloor).toFixed(2)}; ${load1()}`);
        }
      }
      for (const which of options['scene-only'] ? [] : games) {
        const click = await clicks(browser, pages[which], pages.floor);
        const total = (samples) => samples.map(([handler, frame]) => handler + frame);
        const [g, f] = [median(total(click.game)), median(total(click.floor))];
        const part = (samples, i) => median(samples.map((sample) => sample[i])).toFixed(2);
        lines.push(`${name} abacus click ${which} at device pixel ratio ${click.dpr}, median of ${click.game.length}: `
          + `${g.toFixed(2)} ms (handler ${part(click.game, 0)} + frame ${part(click.game, 1)}); floor click `
          + `${f.toFixed(2)} ms (${part(click.floor, 0)} + ${part(click.floor, 1)}); ratio ${(g / f).toFixed(2)} (goal <= 2)`);
      }
    } finally {
      await bounded(browser.close(), 'closed browser');
    }
  }
  lines.push(`load average after: ${os.loadavg().map((l) => l.toFixed(2)).join(' ')}`);
  console.log(lines.join('\n'));
  if (positionals[0]) writeFileSync(positionals[0], `${lines.join('\n')}\n`, { flag: 'a' });
} finally {
  remove();
}
