// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The folder for a web server (dist-out/web/), served at 127.0.0.1 by a server of the test's
// own: the installable app, its stored copy, which opens whatever the network does and which a
// new build replaces; the pages opened from disk, which keep nothing; the word to turn an
// upright screen.
import assert from 'node:assert/strict';
import { cp, mkdtemp, readdir, readFile, rm, writeFile } from 'node:fs/promises';
import { createHash } from 'node:crypto';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { after, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { operation } from './board.mjs';
import { ChromiumEngine } from './engines/chromium.mjs';
import { pageFile } from './engines/page.mjs';

const folder = path.join(path.dirname(pageFile), 'web');
const types = { '.html': 'text/html', '.js': 'text/javascript', '.webmanifest': 'application/manifest+json', '.png': 'image/png' };

// `root` at /brivolo/ until the end of the test `t`, as a plain static server has it: no cache
// headers, files last changed long ago. Its `mode` makes it a captive portal (every request
// answered with a page of its own), a black hole (every request taken, none answered) or `down`
// (every connection dropped).
async function serve(t, root = folder) {
  const server = http.createServer(async (request, response) => {
    if (server.mode === 'hole') return undefined;
    if (server.mode === 'down') return request.socket.destroy();
    if (server.mode === 'portal') return response.writeHead(200, { 'content-type': 'text/html' }).end('<title>Accesso</title><p>Accedi alla rete');
    const file = request.url.match(/^\/brivolo\/([\w.-]*)$/)?.[1]?.replace(/^$/, 'index.html');
    const body = file && await readFile(path.join(root, file)).catch(() => undefined);
    const headers = { 'content-type': types[path.extname(file)], 'last-modified': 'Mon, 01 Jan 2024 00:00:00 GMT' };
    return response.writeHead(...(body ? [200, headers] : [404])).end(body);
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  t.after(() => { server.close(); server.closeAllConnections(); });
  server.url = `http://127.0.0.1:${server.address().port}/brivolo/`;
  return server;
}

const engine = new ChromiumEngine();
after(() => engine.close());

// `url` of the test's server in a fresh context; `check()` asserts that nothing but the server
// was asked for and no console error or uncaught exception came.
async function visit(url, options = {}) {
  const page = await engine.open({ url, allow: new URL(url).origin, ...options });
  return Object.assign(page, { check: () => assert.deepEqual(page.troubles(), []) });
}

// Every store a page could use; of the caches, the paths each holds.
const stores = (page) => page.evaluate(async () => ({
  local: localStorage.length + sessionStorage.length + document.cookie.length + (await indexedDB.databases()).length,
  caches: await Promise.all((await caches.keys()).map(async (name) =>
    [name, (await (await caches.open(name)).keys()).map((r) => new URL(r.url).pathname).sort()])),
}));

test('the served folder is an app that Chromium can install, with icons of their sizes', async (t) => {
  const { url } = await serve(t);
  const page = await visit(url);
  const cdp = await page.cdp();
  const { url: linked, errors, data } = await cdp.send('Page.getAppManifest');
  assert.deepEqual([linked, errors], [`${url}manifest.webmanifest`, []]);
  // A browser context of the driver's own is off the record, where Chromium installs nothing.
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors.map((e) => e.errorId).filter((id) => id !== 'in-incognito'), []);
  const manifest = JSON.parse(data);
  assert.deepEqual([manifest.name, manifest.lang, manifest.display, manifest.orientation], ['Brivolo', 'it', 'fullscreen', 'landscape']);
  const scene = await page.evaluate(() => getComputedStyle(document.getElementById('Form1')).backgroundColor);
  const rgb = (hex) => `rgb(${hex.match(/\w\w/g).map((x) => parseInt(x, 16)).join(', ')})`;
  assert.ok(manifest.short_name && [manifest.background_color, manifest.theme_color].every((c) => rgb(c) === scene));
  assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll('link[rel="apple-touch-icon"], meta[name*="web-app"]')]
    .map((e) => e.content ?? e.getAttribute('href'))), ['apple-touch-icon.png', 'yes', 'yes', 'black', 'Brivolo']);

  assert.deepEqual(manifest.icons.map((icon) => `${icon.sizes} ${icon.purpose}`), ['192x192 any', '512x512 any', '512x512 maskable']);
  for (const { src, sizes } of [...manifest.icons, { src: 'apple-touch-icon.png', sizes: '180x180' }]) {
    assert.equal(await page.evaluate(async (source) => {
      const image = Object.assign(new Image(), { src: source });
      await image.decode();
      return `${image.naturalWidth}x${image.naturalHeight}`;
    }, src), sizes, src);
  }
  page.check();
});

// The first operations by touch, digits inserted as an on-screen keyboard does.
async function playByTouch(page) {
  await page.tap('Image70');
  for (const [box, score] of [['Text1', 'Label5'], ['Text2', 'Label7']]) {
    await page.tap('Image3');
    await page.focused(box);
    await page.insertText(String(operation(await page.controls()).result));
    const c = await page.controls();
    assert.ok(c.Image71.shown && c[score].text === '1' && !c[box].on, `${box} was not judged right`);
  }
}

// Until the worker of the build in `root` controls the page and its cache, the only one, holds
// the build's files and nothing else is stored; the cache's name.
async function installed(page, root, url) {
  const name = `brivolo ${url} ${(await readFile(`${root}/sw.js`, 'utf8')).match(/const build = "(.+)"/)[1]}`;
  await page.evaluate(async (n) => {
    for (let i = 0; i < 100 && !(navigator.serviceWorker.controller && (await caches.keys()).join() === n); i++) {
      await new Promise((done) => setTimeout(done, 100));
    }
  }, name);
  const files = (await readdir(root)).filter((f) => f !== 'sw.js').map((f) => `/brivolo/${f}`).sort();
  assert.deepEqual(await stores(page), { local: 0, caches: [[name, files]] });
  return name;
}

const tablet = { touch: true, viewport: { width: 1024, height: 768 } };

test('once opened, the page opens and plays from its stored files offline, behind a captive portal, in a black hole', async (t) => {
  const server = await serve(t);
  const page = await visit(server.url, tablet);
  const name = await installed(page, folder, server.url);
  for (const mode of ['down', 'portal', 'hole']) {
    server.mode = mode;
    await page.page.setOfflineMode(mode === 'down');
    await page.page.reload({ timeout: 10000 });
    await page.ready();
    await playByTouch(page);
    assert.deepEqual((await stores(page)).caches.map(([cache]) => cache), [name], mode);
  }
  page.check();
});

test('a new build on a plain static server is in use by the second opening; one half copied is never installed', async (t) => {
  const copy = await mkdtemp(path.join(os.tmpdir(), 'brivolo-web-'));
  t.after(() => rm(copy, { recursive: true }));
  await cp(folder, copy, { recursive: true });
  const server = await serve(t, copy);
  const page = await visit(server.url);
  const old = await installed(page, copy, server.url);
  // The next build: another page, which its worker names by its hash.
  const sha256 = (text) => createHash('sha256').update(text).digest('hex');
  const [page1, worker] = await Promise.all(['index.html', 'sw.js'].map((f) => readFile(`${copy}/${f}`, 'utf8')));
  const page2 = page1.replace('<body>', '<body data-build="next">');
  // Half copied, the new worker finds a file that is not its build's: it is not installed.
  await writeFile(`${copy}/sw.js`, worker.replace(sha256(page1), sha256(page2)).replace(/const build = "(.+)"/, 'const build = "$1-next"'));
  assert.equal(await page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    await registration.update().catch(() => {});
    const { installing } = registration;
    for (let i = 0; i < 100 && installing?.state === 'installing'; i++) await new Promise((done) => setTimeout(done, 100));
    return installing?.state;
  }), 'redundant');
  assert.deepEqual((await stores(page)).caches.map(([cache]) => cache), [old]);
  await writeFile(`${copy}/index.html`, page2);
  for (const opening of [1, 2]) {
    await page.page.reload();
    await page.ready();
    if (opening === 1) assert.notEqual(await installed(page, copy, server.url), old);
  }
  assert.equal(await page.evaluate(() => document.body.dataset.build), 'next');
  page.check();
});

test('from disk, neither the file nor the folder\'s page registers a worker, asks the network or stores anything', async () => {
  for (const file of [pageFile, `${folder}/index.html`]) {
    const page = await engine.open({ url: 'about:blank', ready: false });
    await page.page.evaluateOnNewDocument(() => {
      ServiceWorkerContainer.prototype.register = () => { window.registered = true; return new Promise(() => {}); };
    });
    await page.goto(pathToFileURL(file).href);
    await page.ready();
    assert.deepEqual([await page.evaluate(() => window.registered), page.troubles(), await stores(page)],
      [undefined, [], { local: 0, caches: [] }], file);
    await page.close();
  }
});

test('held upright, the sentence to turn the screen shows below the whole scene; sideways it does not', async (t) => {
  const { url } = await serve(t);
  const phone = { width: 412, height: 915 };
  const page = await visit(url, { touch: true, viewport: phone, dpr: 2 });
  const scene = await page.rect('Form1');
  const shown = () => page.evaluate(() => {
    const turn = document.getElementById('turn');
    return turn.getClientRects().length > 0 && getComputedStyle(turn).visibility !== 'hidden';
  });
  const [text, font, line] = await page.evaluate(() => {
    const turn = document.getElementById('turn');
    const range = document.createRange();
    range.selectNodeContents(turn);
    return [turn.textContent, `${getComputedStyle(turn).fontWeight} ${getComputedStyle(turn).fontFamily}`, range.getBoundingClientRect().toJSON()];
  });
  assert.deepEqual([text, await shown()], ['Ruota lo schermo in orizzontale per giocare meglio.', true]);
  assert.match(font, /^700 "Brivolo Tahoma"/);
  assert.ok(scene.y >= 0 && scene.x >= -0.5 && scene.x + scene.width <= phone.width + 0.5 && line.top >= scene.y + scene.height
    && line.bottom <= phone.height && line.left >= 0 && line.right <= phone.width, JSON.stringify({ scene, line }));
  await page.resizeViewport({ width: phone.height, height: phone.width });
  assert.equal(await shown(), false);
  page.check();
});
