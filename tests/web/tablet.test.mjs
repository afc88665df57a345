// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The folder for a web server (dist-out/web/), served at 127.0.0.1 by a server of the test's
// own: the installable app, its copy kept for use without the network and replaced by a new
// build; the pages opened from disk, which keep nothing; the word to turn an upright screen.
import assert from 'node:assert/strict';
import { cp, mkdtemp, readdir, readFile, rm, writeFile } from 'node:fs/promises';
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

// `root` at /brivolo/ until the end of the test `t`; while `down`, every connection is dropped.
async function serve(t, root = folder) {
  const server = http.createServer(async (request, response) => {
    if (server.down) return request.socket.destroy();
    const file = request.url.match(/^\/brivolo\/([\w.-]*)$/)?.[1]?.replace(/^$/, 'index.html');
    const body = file && await readFile(path.join(root, file)).catch(() => undefined);
    response.writeHead(...(body ? [200, { 'content-type': types[path.extname(file)] }] : [404])).end(body);
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

test('once opened, the page plays by touch offline; a new build replaces the stored one', async (t) => {
  const copy = await mkdtemp(path.join(os.tmpdir(), 'brivolo-web-'));
  t.after(() => rm(copy, { recursive: true }));
  await cp(folder, copy, { recursive: true });
  const server = await serve(t, copy);
  const page = await visit(server.url, { touch: true, viewport: { width: 1024, height: 768 } });
  await page.waitFor(() => navigator.serviceWorker.controller?.scriptURL.endsWith('/brivolo/sw.js'), null, 'the service worker', 10000);
  const build = async () => (await readFile(`${copy}/sw.js`, 'utf8')).match(/const build = "(.+)"/)[1];
  const files = (await readdir(copy)).filter((f) => f !== 'sw.js').map((f) => `/brivolo/${f}`).sort();
  const reopen = async (offline) => {
    server.down = offline;
    await page.page.setOfflineMode(offline);
    await page.page.reload();
    await page.ready();
    // Until the build in the folder has filled its cache and deleted the others.
    const name = `brivolo ${server.url} ${await build()}`;
    await page.evaluate(async (n) => {
      for (let i = 0; i < 100 && (await caches.keys()).join() !== n; i++) await new Promise((done) => setTimeout(done, 100));
    }, name);
    assert.deepEqual(await stores(page), { local: 0, caches: [[name, files]] });
  };
  await reopen(true);
  await playByTouch(page);
  const edit = async (file, from, to) => writeFile(`${copy}/${file}`, (await readFile(`${copy}/${file}`, 'utf8')).replace(from, to));
  await edit('index.html', '<body>', '<body data-build="next">');
  await edit('sw.js', /const build = "(.+)"/, 'const build = "$1-next"');
  for (const offline of [false, true]) {
    await reopen(offline);
    assert.equal(await page.evaluate(() => document.body.dataset.build), 'next', `offline: ${offline}`);
  }
  page.check();
});

test('from disk, neither the file nor the folder\'s page registers a worker, asks the network or stores anything', async () => {
  const policy = async (file) => (await readFile(file, 'utf8')).match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)[1];
  assert.equal(await policy(`${folder}/index.html`),
    (await policy(pageFile)).replace('img-src data:', "img-src data: 'self'") + "; manifest-src 'self'; worker-src 'self'");
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
