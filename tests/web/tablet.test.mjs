// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The folder for a web server (dist-out/web/), served from 127.0.0.1 by node's own server: the
// installable app, the service worker's copy for use without the network and its replacement by
// a new build; the pages from disk, which register nothing; the word to turn an upright screen.
import assert from 'node:assert/strict';
import { cp, mkdtemp, readdir, readFile, rm, writeFile } from 'node:fs/promises';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { centre, controls, focused, launch, operation, pageFile } from './page.mjs';

const folder = path.join(path.dirname(pageFile), 'web');
const types = { '.html': 'text/html', '.js': 'text/javascript', '.webmanifest': 'application/manifest+json', '.png': 'image/png' };

// The folder at /brivolo/ of a server of its own, stopped at the end of the test `t` if not before.
async function serve(t, root = folder) {
  const server = http.createServer(async (request, response) => {
    const file = request.url.match(/^\/brivolo\/([\w.-]*)$/)?.[1]?.replace(/^$/, 'index.html');
    const body = file && await readFile(path.join(root, file)).catch(() => null);
    response.writeHead(...(body ? [200, { 'content-type': types[path.extname(file)] }] : [404]));
    response.end(body);
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  const stop = () => new Promise((done) => { server.close(() => done()); server.closeAllConnections(); });
  t.after(stop);
  return { url: `http://127.0.0.1:${server.address().port}/brivolo/`, stop };
}

let browser;
before(async () => { browser = await launch(); });
after(() => browser?.close());

// A fresh context on `url`; `check()` asserts that no console error or uncaught exception came.
async function visit(url, contextOptions = {}) {
  const context = await browser.newContext(contextOptions);
  const page = await context.newPage();
  const troubles = [];
  page.on('console', (m) => m.type() === 'error' && troubles.push(`console: ${m.text()}`));
  page.on('pageerror', (error) => troubles.push(`page error: ${error.message}`));
  const ready = () => page.waitForFunction(() => document.documentElement.dataset.state === 'ready', null, { timeout: 20000 });
  await page.goto(url);
  await ready();
  return { context, page, ready, check: () => assert.deepEqual(troubles, []) };
}

const controlled = async (page) => {
  await page.waitForFunction(() => navigator.serviceWorker.controller, null, { timeout: 10000 });
  return page.evaluate(() => navigator.serviceWorker.controller.scriptURL);
};
// Every store the page could use, the service worker's caches with the paths each holds.
const stores = (page) => page.evaluate(async () => ({
  local: localStorage.length + sessionStorage.length, cookie: document.cookie, databases: (await indexedDB.databases()).length,
  caches: await Promise.all((await caches.keys()).map(async (name) => [name, (await (await caches.open(name)).keys())
    .map((r) => new URL(r.url).pathname).sort()])),
}));

test('the served folder is an app Chromium can install, with its icons and Home Screen tags', async (t) => {
  const server = await serve(t);
  const { context, page, check } = await visit(server.url);
  const cdp = await context.newCDPSession(page);
  const { url, errors, data } = await cdp.send('Page.getAppManifest');
  assert.deepEqual([url, errors], [`${server.url}manifest.webmanifest`, []]);
  const manifest = JSON.parse(data);
  assert.deepEqual([manifest.name, manifest.lang, manifest.display, manifest.orientation], ['Brivolo', 'it', 'fullscreen', 'landscape']);
  // The colours of the scene, as the program paints the stage's background.
  const scene = await page.$eval('#Form1', (stage) => getComputedStyle(stage).backgroundColor);
  const rgb = (hex) => `rgb(${hex.match(/\w\w/g).map((x) => parseInt(x, 16)).join(', ')})`;
  assert.ok(manifest.short_name && rgb(manifest.background_color) === scene && rgb(manifest.theme_color) === scene, scene);
  // Contexts of playwright are off the record, where Chromium installs nothing.
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors.map((e) => e.errorId).filter((id) => id !== 'in-incognito'), []);
  assert.deepEqual(await page.$$eval('meta[name$="capable"], meta[name^="apple"], link[rel="apple-touch-icon"]',
    (all) => Object.fromEntries(all.map((e) => [e.name ?? e.rel, e.content ?? e.getAttribute('href')]))), {
    'apple-touch-icon': 'apple-touch-icon.png', 'mobile-web-app-capable': 'yes', 'apple-mobile-web-app-capable': 'yes',
    'apple-mobile-web-app-status-bar-style': 'black', 'apple-mobile-web-app-title': 'Brivolo',
  });

  // Each icon decodes at its size; a filled one (maskable, or the iPad's, which may not be
  // transparent) has nothing but its background outside the circle a launcher may keep, of 0.4
  // of its side.
  const icons = [...manifest.icons.map((icon) => ({ ...icon, filled: icon.purpose === 'maskable' })),
    { src: 'apple-touch-icon.png', sizes: '180x180', filled: true }];
  assert.deepEqual(icons.map((i) => i.sizes).sort(), ['180x180', '192x192', '512x512', '512x512']);
  for (const icon of icons) {
    const [width, height, outside] = await page.evaluate(async (src) => {
      const image = new Image();
      image.src = src;
      await image.decode();
      const canvas = new OffscreenCanvas(image.naturalWidth, image.naturalHeight).getContext('2d');
      canvas.drawImage(image, 0, 0);
      const { data: pixels, width: side } = canvas.getImageData(0, 0, image.naturalWidth, image.naturalHeight);
      const colours = new Set();
      for (let i = 0; i < pixels.length; i += 4) {
        const x = (i / 4) % side + 0.5 - side / 2, y = Math.floor(i / 4 / side) + 0.5 - side / 2;
        if (Math.hypot(x, y) > 0.4 * side) colours.add(pixels.slice(i, i + 4).join());
      }
      return [image.naturalWidth, image.naturalHeight, [...colours]];
    }, icon.src);
    assert.equal(`${width}x${height}`, icon.sizes, icon.src);
    if (icon.filled) assert.deepEqual(outside, [`${scene.match(/\d+/g).join()},255`], icon.src);
  }
  check();
  await context.close();
});

// The first operations by touch, the digits inserted as an on-screen keyboard does.
async function playByTouch(page) {
  const tap = async (id) => { const { x, y } = await centre(page, id); await page.touchscreen.tap(x, y); };
  await tap('Image70');
  for (const [box, score] of [['Text1', 'Label5'], ['Text2', 'Label7']]) {
    await tap('Image3');
    await focused(page, box);
    for (const digit of String(operation(await controls(page)).result)) await page.keyboard.insertText(digit);
    const c = await controls(page);
    assert.ok(c.Image71.shown && c[score].text === '1' && !c[box].on, `${box} was not judged right`);
  }
}

test('once opened, the page opens and plays by touch with the network cut, and stores only its files', async (t) => {
  const server = await serve(t);
  const { context, page, ready, check } = await visit(server.url, { hasTouch: true, isMobile: true, viewport: { width: 1024, height: 768 } });
  assert.equal(await controlled(page), `${server.url}sw.js`);
  const files = (await readdir(folder)).filter((f) => f !== 'sw.js').map((f) => `/brivolo/${f}`).sort();
  const stored = { local: 0, cookie: '', databases: 0, caches: [[`brivolo ${server.url} ${(await readFile(`${folder}/sw.js`, 'utf8')).match(/const build = "(.+)"/)[1]}`, files]] };
  assert.deepEqual(await stores(page), stored);
  await context.setOffline(true);
  await server.stop();
  await page.reload();
  await ready();
  await playByTouch(page);
  assert.deepEqual(await stores(page), stored);
  check();
  await context.close();
});

test('a new build replaces the stored one at its first opening, offline too', async (t) => {
  const copy = await mkdtemp(path.join(os.tmpdir(), 'brivolo-web-'));
  await cp(folder, copy, { recursive: true });
  t.after(() => rm(copy, { recursive: true }));
  const server = await serve(t, copy);
  const { context, page, ready, check } = await visit(server.url);
  assert.ok(await controlled(page));
  const edit = async (file, from, to) => writeFile(`${copy}/${file}`, (await readFile(`${copy}/${file}`, 'utf8')).replace(from, to));
  await edit('index.html', '<body>', '<body data-build="next">');
  await edit('sw.js', /const build = "(.+)"/, 'const build = "$1-next"');
  const next = () => page.evaluate(async () => [document.body.dataset.build, (await caches.keys()).map((name) => name.slice(-5))]);
  await page.reload();
  await ready();
  await page.evaluate(async () => {
    while (!(await caches.keys()).every((name) => name.endsWith('-next'))) await new Promise((done) => setTimeout(done, 100));
  });
  assert.deepEqual(await next(), ['next', ['-next']]);
  await context.setOffline(true);
  await server.stop();
  await page.reload();
  await ready();
  assert.deepEqual(await next(), ['next', ['-next']]);
  check();
  await context.close();
});

test('from disk, neither the file nor the folder\'s page registers a worker, asks the network or stores anything', async () => {
  const policy = (html) => html.match(/http-equiv="Content-Security-Policy" content="([^"]*)"/)[1];
  const [file, served] = await Promise.all([pageFile, `${folder}/index.html`].map((f) => readFile(f, 'utf8')));
  assert.equal(policy(served), policy(file).replace('img-src data:', "img-src data: 'self'") + "; manifest-src 'self'; worker-src 'self'");
  for (const [html, links] of [[pageFile, 0], [`${folder}/index.html`, 1]]) {
    const context = await browser.newContext();
    const requests = [];
    await context.route('**/*', (route) => (/^(file|data|blob):/.test(route.request().url()) ? route.continue()
      : (requests.push(route.request().url()), route.abort())));
    await context.addInitScript(() => {
      window.registered = 0;
      ServiceWorkerContainer.prototype.register = () => { window.registered += 1; return new Promise(() => {}); };
    });
    const page = await context.newPage();
    await page.goto(pathToFileURL(html).href);
    await page.waitForFunction(() => document.documentElement.dataset.state === 'ready');
    await page.evaluate(() => new Promise((done) => (document.readyState === 'complete' ? done() : addEventListener('load', done))));
    assert.equal(await page.$$eval('link[rel="manifest"]', (all) => all.length), links, html);
    assert.deepEqual([await page.evaluate(() => window.registered), requests], [0, []], html);
    assert.deepEqual(await stores(page), { local: 0, cookie: '', databases: 0, caches: [] }, html);
    await context.close();
  }
});

test('held upright, the sentence to turn the screen shows below the whole scene; sideways it does not', async (t) => {
  const server = await serve(t);
  const phone = { width: 412, height: 915 };
  const { context, page, check } = await visit(server.url, { hasTouch: true, isMobile: true, viewport: phone, deviceScaleFactor: 2 });
  const scene = await page.locator('#Form1').boundingBox();
  assert.ok(scene.y >= -0.5 && scene.x >= -0.5 && scene.x + scene.width <= phone.width + 0.5, 'the scene is cut');
  assert.ok(await page.isVisible('#turn'));
  const [text, font, line] = await page.$eval('#turn', (turn) => {
    const range = document.createRange();
    range.selectNodeContents(turn);
    const { fontFamily, fontWeight } = getComputedStyle(turn);
    return [turn.textContent, `${fontWeight} ${fontFamily}`, range.getBoundingClientRect().toJSON()];
  });
  assert.equal(text, 'Ruota lo schermo in orizzontale per giocare meglio.');
  assert.match(font, /^700 "Brivolo Tahoma"/);
  assert.ok(line.top >= scene.y + scene.height && line.bottom <= phone.height && line.left >= 0 && line.right <= phone.width,
    `the sentence is not in the room below the scene: ${JSON.stringify(line)}`);
  await page.setViewportSize({ width: phone.height, height: phone.width });
  assert.ok(!(await page.isVisible('#turn')), 'the sentence shows sideways');
  check();
  await context.close();
});
