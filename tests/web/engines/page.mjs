// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The page as every engine's tests see it. Each engine's module supplies a few primitives
// (evaluate, the pointer and key actions, screenshot, print, what the engine reported and
// close); this class adds what is the same in all of them. Pointer targets are a control's
// name (its centre), a point of the stage in the stage's own 792 x 566 pixels, or a point
// that `point()` already placed in the viewport.
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

export const pageFile = process.env.BRIVOLO_WEB_PAGE
  ?? path.join(fileURLToPath(new URL('../../..', import.meta.url)), 'dist-out', 'brivolo.html');

// The viewport of every page a test does not size itself: a small laptop's window.
export const defaultViewport = { width: 1000, height: 700 };

export const sleep = (ms) => new Promise((done) => { setTimeout(done, ms); });

export const isLocal = (url) => /^(file|data|blob|about):/.test(url);

// `promise`, or a failure naming `what` once `ms` milliseconds have passed without it.
export function within(promise, ms, what) {
  let timer;
  const late = new Promise((_, fail) => { timer = setTimeout(() => fail(new Error(`no ${what} in ${ms} ms`)), ms); });
  return Promise.race([promise, late]).finally(() => clearTimeout(timer));
}

// What has to be undone however the tests' process ends: at its exit, or at a signal that
// stops it, which would skip the exit handlers. `onExit` returns the undoing, done once.
const undo = new Set();
export function onExit(fn) {
  const once = () => undo.delete(once) && fn();
  undo.add(once);
  return once;
}
const undoAll = () => undo.forEach((fn) => {
  try {
    fn();
  } catch (error) {
    console.error(error);
  }
});
process.on('exit', undoAll);
for (const signal of ['SIGINT', 'SIGTERM', 'SIGHUP']) {
  process.once(signal, () => {
    undoAll();
    process.kill(process.pid, signal);
  });
}

// A new temporary folder, removed by the returned function or at exit.
export function tempFolder(prefix) {
  const folder = mkdtempSync(path.join(os.tmpdir(), prefix));
  return { folder, remove: onExit(() => rmSync(folder, { recursive: true, force: true, maxRetries: 5 })) };
}

let copies;
// The URL of a copy of the page `file` with `scripts` run first in its <head>, before any of its own.
export function pageCopy(scripts, file = pageFile) {
  copies ??= tempFolder('brivolo-page-').folder;
  const html = readFileSync(file, 'utf8');
  const head = html.match(/<head[^>]*>/i) ?? assert.fail(`no <head> in ${file}`);
  const copy = path.join(copies, `${Date.now()}-${Math.random().toString(36).slice(2)}.html`);
  const inserted = scripts.map((script) => `<script>${script}</script>`).join('');
  // The copy's policy knows them as the page's own.
  const hashes = scripts.map((script) => `'sha256-${createHash('sha256').update(script).digest('base64')}'`);
  writeFileSync(copy, html.replace('script-src', () => ['script-src', ...hashes].join(' ')).replace(head[0], () => head[0] + inserted));
  return pathToFileURL(copy).href;
}

// Runs in the page first of all, in an engine that reports neither console messages nor
// requests to its driver: notes them where `check()` reads them. With the page's content
// policy any attempt to reach out is refused and reported as a violation.
export function recorder() {
  const noted = [];
  Object.defineProperty(window, 'brivoloNoted', { value: noted });
  addEventListener('error', (e) => noted.push(`page error: ${e.message}`));
  addEventListener('unhandledrejection', (e) => noted.push(`page error: ${e.reason}`));
  document.addEventListener('securitypolicyviolation',
    (e) => noted.push(`refused by the policy: ${e.effectiveDirective} ${e.blockedURI}`));
  const { error } = console;
  console.error = (...args) => {
    noted.push(`console: ${args.join(' ')}`);
    error.apply(console, args);
  };
  new PerformanceObserver((list) => list.getEntries()
    .forEach((e) => /^(file|data|blob|about):/.test(e.name) || noted.push(`request ${e.name}`)))
    .observe({ type: 'resource', buffered: true });
}

// Every control by name after the next frame: shown (no `hidden`), on (neither disabled nor
// aria-disabled) and its text (a box's value, a label's caption).
export const readControls = async () => {
  await new Promise((done) => { requestAnimationFrame(() => done()); });
  return Object.fromEntries([...document.querySelectorAll('#Form1 [id]')]
    .filter((e) => /^(Image|Label|Text|Line|Shape)\d+$/.test(e.id))
    .map((e) => [e.id, {
      shown: !e.hidden,
      on: !e.disabled && e.getAttribute('aria-disabled') !== 'true',
      text: e instanceof HTMLInputElement ? e.value : e.textContent.trim(),
    }]));
};

// What the page may have kept: local and session storage, cookies, databases, caches. An
// interface the engine withholds from a file:// page holds nothing.
const readStored = async () => {
  const count = async (read) => {
    try {
      return await read();
    } catch {
      return 0;
    }
  };
  return [localStorage.length, sessionStorage.length, document.cookie,
    await count(async () => (await indexedDB.databases()).length),
    await count(async () => (await caches.keys()).length)];
};

// The viewport point of a target: see the top of this file.
const locate = (target) => {
  const at = (r) => (r.width > 0 ? { x: r.x + r.width / 2, y: r.y + r.height / 2, viewport: true } : null);
  if (typeof target === 'string') return at(document.getElementById(target).getBoundingClientRect());
  const stage = document.getElementById('Form1');
  const box = stage.getBoundingClientRect();
  const scale = box.width / stage.offsetWidth;
  return { x: box.x + target.x * scale, y: box.y + target.y * scale, viewport: true };
};

export class EnginePage {
  constructor(engine) {
    this.engine = engine;
  }

  async waitFor(predicate, arg, what, timeout = 5000) {
    const end = Date.now() + timeout;
    while (!(await this.evaluate(predicate, arg))) {
      if (Date.now() > end) assert.fail(`waited ${timeout} ms for ${what}`);
      await sleep(25);
    }
  }

  async ready() {
    await this.waitFor(() => document.documentElement.dataset.state === 'ready', null, 'the page to be ready', 20000)
      .catch(async (e) => assert.fail([e.message, ...await this.troubles()].join('; ')));
  }

  controls() {
    return this.evaluate(readControls);
  }

  focused(id) {
    return this.waitFor((name) => document.activeElement?.id === name, id, `the focus in ${id}`);
  }

  async point(target) {
    if (target.viewport) return target;
    return (await this.evaluate(locate, target)) ?? assert.fail(`${target} is not rendered`);
  }

  // An element's box in the viewport.
  rect(id) {
    return this.evaluate((name) => {
      const r = document.getElementById(name).getBoundingClientRect();
      return { x: r.x, y: r.y, width: r.width, height: r.height };
    }, id);
  }

  setClipboard(text) {
    return this.evaluate((t) => navigator.clipboard.writeText(t), text);
  }

  // A real paste of `text` into what has the focus, by the shortcut, on a page opened with
  // `clipboard`.
  async paste(text) {
    await this.setClipboard(text);
    await this.press('Control+V');
  }

  // A screenshot once the last input has made its frame (WebKit would show the one before).
  // A page without JavaScript has no frame callbacks and nothing to wait for.
  async screenshot() {
    if (this.options.javaScript) {
      await this.evaluate(() => new Promise((done) => {
        requestAnimationFrame(() => requestAnimationFrame(() => done()));
      }));
    }
    return this.capture();
  }

  async close() {
    this.engine.pages.delete(this);
    await this.end();
  }

  // Asserts that no request was attempted, no console error or uncaught exception came and
  // nothing was stored; then closes the page.
  async check() {
    try {
      assert.deepEqual(await this.troubles(), [], 'the page reached out or complained');
      assert.deepEqual(await this.evaluate(readStored), [0, 0, '', 0, 0], 'the page stored something');
    } finally {
      await this.close();
    }
  }
}

// One engine: it starts its browser at the first page it opens and ends it, with any page a
// failed test left open, in `close()`. `lacking` names, with the reason, what the engine
// cannot do under automation; `open()` refuses those options, and tests skip those cases with
// the reason.
export class Engine {
  static lacking = {};

  firstScripts = [];

  pages = new Set();

  lacks(feature) {
    return this.constructor.lacking[feature] ?? false;
  }

  // Options: viewport {width, height}, dpr (device pixel ratio), touch, forcedColors (a dark
  // high-contrast theme), javaScript (false turns it off), clipboard (scripts may write it),
  // scripts (run first in a copy of the page), file (another page file, as the page is opened),
  // url (another page), allow (the start of further
  // URLs the page may ask for), ready (false: do not wait for the page to take over),
  // throttle (the CPU that many times slower from the start).
  async open(options = {}) {
    const o = {
      viewport: defaultViewport, dpr: 1, touch: false, forcedColors: false, javaScript: true,
      clipboard: false, scripts: [], file: pageFile, ready: true, ...options,
    };
    const asked = { touch: o.touch, forcedColors: o.forcedColors, devicePixelRatio: o.dpr !== 1 };
    for (const [feature, wanted] of Object.entries(asked)) {
      if (wanted && this.lacks(feature)) assert.fail(`${this.name}: ${this.lacks(feature)}`);
    }
    const page = await this.newPage(o);
    page.options = o;
    this.pages.add(page);
    if (o.throttle) await page.throttleCPU(o.throttle);
    const scripts = [...this.firstScripts, ...o.scripts];
    await page.goto(o.url ?? (scripts.length ? pageCopy(scripts, o.file) : pathToFileURL(o.file).href));
    if (o.ready) await page.ready();
    return page;
  }

  async close() {
    await Promise.all([...this.pages].map((page) => page.close().catch(() => {})));
    await this.end();
  }
}
