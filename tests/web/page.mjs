// SPDX-License-Identifier: GPL-3.0-or-later
// The one-file page as the browser tests and the browser benchmark see it: Debian's Chromium
// driven by playwright-core (never a browser of its own), the page opened from disk with every
// request refused, and the page's controls read back by their names.
import assert from 'node:assert/strict';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

export const root = fileURLToPath(new URL('../..', import.meta.url));
export const pageFile = process.env.BRIVOLO_WEB_PAGE ?? path.join(root, 'dist-out', 'brivolo.html');
export const chromiumPath = process.env.BRIVOLO_CHROMIUM ?? '/usr/bin/chromium';

// Playwright adds --headless and a fresh temporary user data dir of its own; the rest keeps
// Chromium from reaching out on its own account.
export function launch() {
  return chromium.launch({
    executablePath: chromiumPath,
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}

// Picture numbers of the rows, element k at index k - 1: the cones of the green, red and
// light-blue players, and the suns that mark the operation on show.
const range = (first, count) => Array.from({ length: count }, (_, i) => first + i);
export const coneRows = [range(7, 20), range(27, 20), range(47, 20)];
export const suns = range(1, 20).map((k) => (k <= 3 ? 3 + k : k + 68));

// A context whose every request other than the page's own file (and the data: and blob: URLs
// it makes in memory) is refused and recorded, with console errors and uncaught exceptions.
// `troubles` must stay empty; `check()` asserts so.
export async function open(browser, contextOptions = {}, url = pathToFileURL(pageFile).href) {
  const context = await browser.newContext(contextOptions);
  const troubles = [];
  const local = (u) => /^(file|data|blob):/.test(u);
  context.on('request', (request) => {
    if (!local(request.url())) troubles.push(`request ${request.url()}`);
  });
  await context.route('**/*', (route) => (local(route.request().url()) ? route.continue() : route.abort()));
  const page = await context.newPage();
  page.on('console', (message) => {
    if (message.type() === 'error') troubles.push(`console: ${message.text()}`);
  });
  page.on('pageerror', (error) => troubles.push(`page error: ${error.message}`));
  await page.goto(url);
  await page.waitForFunction(() => document.documentElement.dataset.state === 'ready',
    null, { timeout: 20000 }).catch((error) => {
    throw new Error(`the page never became ready: ${[error.message, ...troubles].join('; ')}`);
  });
  return {
    context,
    page,
    troubles,
    check: () => assert.deepEqual(troubles, [], 'the page reached out or complained'),
  };
}

// Every control by name after the next frame: shown (no `hidden`), on (neither disabled nor
// aria-disabled) and its text (a box's value, a label's caption).
export function controls(page) {
  return page.evaluate(async () => {
    await new Promise((done) => requestAnimationFrame(() => done()));
    const named = /^(Image|Label|Text|Line|Shape)\d+$/;
    return Object.fromEntries([...document.querySelectorAll('#Form1 [id]')]
      .filter((e) => named.test(e.id))
      .map((e) => [e.id, {
        shown: !e.hidden,
        on: !e.disabled && e.getAttribute('aria-disabled') !== 'true',
        text: e instanceof HTMLInputElement ? e.value : e.textContent.trim(),
      }]));
  });
}

// The operation in the uncle's balloon and the result it expects.
export function operation(c) {
  const [a, sign, b] = [c.Label1.text, c.Label2.text, c.Label3.text];
  assert.match(`${a} ${sign} ${b}`, /^\d{1,2} [+-] \d{1,2}$/, 'the balloon shows no operation');
  const result = sign === '+' ? Number(a) + Number(b) : Number(a) - Number(b);
  return { text: `${a} ${sign} ${b}`, result };
}

// A wrong answer that is judged as soon as a right one would be: as many digits, another value.
export const wrongOfSameLength = (n) => (n < 10 ? (n + 1) % 10 : n + 1);

// The names among `names` that are shown.
export const shownOf = (c, names) => names.filter((name) => c[name].shown);
export const images = (numbers) => numbers.map((n) => `Image${n}`);

export async function centre(page, id) {
  const box = await page.locator(`#${id}`).boundingBox();
  assert.ok(box, `${id} is not rendered`);
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

export async function click(page, id) {
  const { x, y } = await centre(page, id);
  await page.mouse.click(x, y);
}

export function focused(page, id) {
  return page.waitForFunction((name) => document.activeElement?.id === name, id, { timeout: 5000 });
}

// What the page has stored anywhere a page can store.
export function stored(page) {
  return page.evaluate(async () => ({
    localStorage: localStorage.length,
    sessionStorage: sessionStorage.length,
    cookie: document.cookie,
    indexedDB: (await indexedDB.databases()).map((d) => d.name),
    caches: 'caches' in window ? await caches.keys() : [],
  }));
}

export const nothingStored = { localStorage: 0, sessionStorage: 0, cookie: '', indexedDB: [], caches: [] };
