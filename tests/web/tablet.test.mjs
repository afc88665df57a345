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
import { after, before, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { operation } from './board.mjs';
import { launchChromium } from './engines/chromium.mjs';
import { pageFile, readControls } from './engines/page.mjs';

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

let browser;
before(async () => { browser = await launchChromium(); });
after(() => browser?.close());

// `url` in a fresh context; `check()` asserts that no console error or uncaught exception came.
async function visit(url, options = {}) {
  const context = await browser.newContext(options);
  const page = await context.newPage();
  const troubles = [];
  page.on('console', (m) => m.type() === 'error' && troubles.push(m.text()));
  page.on('pageerror', (error) => troubles.push(error.message));
  const ready = () => page.waitForFunction(() => document.documentElement.dataset.state === 'ready', null, { timeout: 20000 });
  await page.goto(url);
  await ready();
  return { context, page, ready, check: () => assert.deepEqual(troubles, []) };
}

// Every store a page could use; of the caches, the paths each holds.
const stores = (page) => page.evaluate(async () => ({
  local: localStorage.length + sessionStorage.length + document.cookie.length + (await indexedDB.databases()).length,
  caches: await Promise.all((await caches.keys()).map(async (name) =>
    [name, (await (await caches.open(name)).keys()).map((r) => new URL(r.url).pathname).sort()])),
}));

test('the served folder is an app that Chromium can install, with icons of their sizes', async (t) => {
  const { url } = await serve(t);
  const { context, page, check } = await visit(url);
  const cdp = await context.newCDPSession(page);
  const { url: linked, errors, data } = await cdp.send('Page.getAppManifest');
  assert.deepEqual([linked, errors], [`${url}manifest.webmanifest`, []]);
  // Contexts of playwright are off the record, where Chromium installs nothing.
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors.map((e) => e.errorId).filter((id) => id !== 'in-incognito'), []);
  const manifest = JSON.parse(data);
  assert.deepEqual([manifest.name, manifest.lang, manifest.display, manifest.orientation], ['Brivolo', 'it', 'fullscreen', 'landscape']);
  const scene = await page.$eval('#Form1', (stage) => getComputedStyle(stage).backgroundColor);
  const rgb = (hex) => `rgb(${hex.match(/\w\w/g).map((x) => parseInt(x, 16)).join(', ')})`;
  assert.ok(manifest.short_name && [manifest.background_color, manifest.theme_color].every((c) => rgb(c) === scene));
  assert.deepEqual(await page.$$eval('link[rel="apple-touch-icon"], meta[name*="web-app"]', (all) => all.map((e) => e.content ?? e.getAttribute('href'))),
    ['apple-touch-icon.png', 'yes', 'yes', 'black', 'Brivolo']);

  assert.deepEqual(manifest.icons.map((icon) => `${icon.sizes} ${icon.purpose}`), ['192x192 any', '512x512 any', '512x512 maskable']);
  for (const { src, sizes } of [...manifest.icons, { src: 'apple-touch-icon.png', sizes: '180x180' }]) {
    assert.equal(await page.evaluate(async (source) => {
      const image = Object.assign(new Image(), { src: source });
      await image.decode();
      return `${image.naturalWidth}x${image.naturalHeight}`;
    }, src), sizes, src);
  }
  check();
});

// The first operations by touch, digits inserted as an on-screen keyboard does.
async function playByTouch(page) {
  const controls = () => page.evaluate(readControls);
  const tap = async (id) => {
    const { x, y, width, height } = await page.locator(`#${id}`).boundingBox();
    await page.touchscreen.tap(x + width / 2, y + height / 2);
  };
  await tap('Image70');
  for (const [box, score] of [['Text1', 'Label5'], ['Text2', 'Label7']]) {
    await tap('Image3');
    await page.waitForFunction((id) => document.activeElement?.id === id, box);
    for (const digit of String(operation(await controls()).result)) await page.keyboard.insertText(digit);
    const c = await controls();
    assert.ok(c.Image71.shown && c[score].text === '1' && !c[box].on, `${box} was not judged right`);
  }
}

test('once opened, the page plays by touch offline; a new build replaces the stored one', async (t) => {
  const copy = await mkdtemp(path.join(os.tmpdir(), 'brivolo-web-'));
  t.after(() => rm(copy, { recursive: true }));
  await cp(folder, copy, { recursive: true });
  const server = await serve(t, copy);
  const { context, page, ready, check } = await visit(server.url, { hasTouch: true, isMobile: true, viewport: { width: 1024, height: 768 } });
  await page.waitForFunction(() => navigator.serviceWorker.controller?.scriptURL.endsWith('/brivolo/sw.js'), null, { timeout: 10000 });
  const build = async () => (await readFile(`${copy}/sw.js`, 'utf8')).match(/const build = "(.+)"/)[1];
  const files = (await readdir(copy)).filter((f) => f !== 'sw.js').map((f) => `/brivolo/${f}`).sort();
  const reopen = async (offline) => {
    server.down = offline;
    await context.setOffline(offline);
    await page.reload();
    await ready();
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
  check();
});

test('from disk, neither the file nor the folder\'s page registers a worker, asks the network or stores anything', async () => {
  const policy = async (file) => (await readFile(file, 'utf8')).match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)[1];
  assert.equal(await policy(`${folder}/index.html`),
    (await policy(pageFile)).replace('img-src data:', "img-src data: 'self'") + "; manifest-src 'self'; worker-src 'self'");
  for (const file of [pageFile, `${folder}/index.html`]) {
    const context = await browser.newContext();
    const requests = [];
    await context.route(/^(?!file:|data:|blob:)/, (route) => {
      requests.push(route.request().url());
      return route.abort();
    });
    await context.addInitScript(() => {
      ServiceWorkerContainer.prototype.register = () => { window.registered = true; return new Promise(() => {}); };
    });
    const page = await context.newPage();
    await page.goto(pathToFileURL(file).href, { waitUntil: 'load' });
    await page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
    assert.deepEqual([await page.evaluate(() => window.registered), requests, await stores(page)],
      [undefined, [], { local: 0, caches: [] }], file);
    await context.close();
  }
});

test('held upright, the sentence to turn the screen shows below the whole scene; sideways it does not', async (t) => {
  const { url } = await serve(t);
  const phone = { width: 412, height: 915 };
  const { page, check } = await visit(url, { hasTouch: true, isMobile: true, viewport: phone, deviceScaleFactor: 2 });
  const scene = await page.locator('#Form1').boundingBox();
  const [text, font, line] = await page.$eval('#turn', (turn) => {
    const range = document.createRange();
    range.selectNodeContents(turn);
    return [turn.textContent, `${getComputedStyle(turn).fontWeight} ${getComputedStyle(turn).fontFamily}`, range.getBoundingClientRect().toJSON()];
  });
  assert.deepEqual([text, await page.isVisible('#turn')], ['Ruota lo schermo in orizzontale per giocare meglio.', true]);
  assert.match(font, /^700 "Brivolo Tahoma"/);
  assert.ok(scene.y >= 0 && scene.x >= -0.5 && scene.x + scene.width <= phone.width + 0.5 && line.top >= scene.y + scene.height
    && line.bottom <= phone.height && line.left >= 0 && line.right <= phone.width, JSON.stringify({ scene, line }));
  await page.setViewportSize({ width: phone.height, height: phone.width });
  assert.equal(await page.isVisible('#turn'), false);
  check();
});
