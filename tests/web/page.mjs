// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The one-file page as the browser tests and the browser benchmark see it: Debian's Chromium
// driven by playwright-core (never a browser of its own), the page opened from disk with every
// request refused, and the page's controls read back by their names.
import assert from 'node:assert/strict';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

export const pageFile = process.env.BRIVOLO_WEB_PAGE
  ?? path.join(fileURLToPath(new URL('../..', import.meta.url)), 'dist-out', 'brivolo.html');

// Playwright adds --headless and a fresh temporary user data dir of its own; the rest keeps
// Chromium from reaching out on its own account.
export const launch = () => chromium.launch({
  executablePath: process.env.BRIVOLO_CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});

// Element k - 1 of each row is the picture of its k-th cone or sun.
const row = (number) => Array.from({ length: 20 }, (_, i) => `Image${number(i + 1)}`);
export const coneRows = [row((k) => k + 6), row((k) => k + 26), row((k) => k + 46)];
export const suns = row((k) => (k <= 3 ? k + 3 : k + 68));

// The page in a fresh context where every request but for the page's own file (and the data:
// and blob: URLs it makes in memory) is refused. `check()` asserts that none was attempted,
// that no console error or uncaught exception came, and that nothing was stored.
export async function open(browser, contextOptions = {}) {
  const context = await browser.newContext(contextOptions);
  const troubles = [];
  const local = (url) => /^(file|data|blob):/.test(url);
  context.on('request', (r) => local(r.url()) || troubles.push(`request ${r.url()}`));
  await context.route('**/*', (route) => (local(route.request().url()) ? route.continue() : route.abort()));
  const page = await context.newPage();
  page.on('console', (m) => m.type() === 'error' && troubles.push(`console: ${m.text()}`));
  page.on('pageerror', (error) => troubles.push(`page error: ${error.message}`));
  await page.goto(pathToFileURL(pageFile).href);
  await page.waitForFunction(() => document.documentElement.dataset.state === 'ready', null,
    { timeout: 20000 }).catch((e) => assert.fail(`never ready: ${[e.message, ...troubles].join('; ')}`));
  const check = async () => {
    assert.deepEqual(troubles, [], 'the page reached out or complained');
    assert.deepEqual(await page.evaluate(async () => [localStorage.length, sessionStorage.length,
      document.cookie, (await indexedDB.databases()).length, (await caches.keys()).length]),
    [0, 0, '', 0, 0], 'the page stored something');
    await context.close();
  };
  return { context, page, check };
}

// Every control by name after the next frame: shown (no `hidden`), on (neither disabled nor
// aria-disabled) and its text (a box's value, a label's caption).
export const controls = (page) => page.evaluate(async () => {
  await new Promise((done) => requestAnimationFrame(() => done()));
  return Object.fromEntries([...document.querySelectorAll('#Form1 [id]')]
    .filter((e) => /^(Image|Label|Text|Line|Shape)\d+$/.test(e.id))
    .map((e) => [e.id, {
      shown: !e.hidden,
      on: !e.disabled && e.getAttribute('aria-disabled') !== 'true',
      text: e instanceof HTMLInputElement ? e.value : e.textContent.trim(),
    }]));
});

export const shownOf = (c, names) => names.filter((name) => c[name].shown);

// The operation in the uncle's balloon and the result it expects.
export function operation(c) {
  const text = `${c.Label1.text} ${c.Label2.text} ${c.Label3.text}`;
  const [, a, sign, b] = text.match(/^(\d{1,2}) ([+-]) (\d{1,2})$/) ?? assert.fail(`no operation: ${text}`);
  return { text, result: sign === '+' ? Number(a) + Number(b) : Number(a) - Number(b) };
}

// A wrong answer that is judged as soon as a right one would be: as many digits, another value.
export const wrongOfSameLength = (n) => (n < 10 ? (n + 1) % 10 : n + 1);

export async function centre(page, id) {
  const box = (await page.locator(`#${id}`).boundingBox()) ?? assert.fail(`${id} is not rendered`);
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

export const click = async (page, id) => {
  const { x, y } = await centre(page, id);
  await page.mouse.click(x, y);
};

export const focused = (page, id) => page.waitForFunction(
  (name) => document.activeElement?.id === name, id, { timeout: 5000 });
