// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Debian's Chromium driven by playwright-core (never a browser of its own), every request but
// for the page's own file and the data: and blob: URLs it makes in memory refused.
import { chromium } from 'playwright-core';
import { Engine, EnginePage, isLocal, sleep } from './page.mjs';

// Playwright adds --headless and a fresh temporary user data dir of its own; the rest keeps
// Chromium from reaching out on its own account.
export const launchChromium = () => chromium.launch({
  executablePath: process.env.BRIVOLO_CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});

class ChromiumPage extends EnginePage {
  reported = [];

  async init(context) {
    this.context = context;
    context.on('request', (r) => isLocal(r.url()) || this.reported.push(`request ${r.url()}`));
    await context.route('**/*', (route) => (isLocal(route.request().url()) ? route.continue() : route.abort()));
    this.page = await context.newPage();
    this.page.on('console', (m) => m.type() === 'error' && this.reported.push(`console: ${m.text()}`));
    this.page.on('pageerror', (error) => this.reported.push(`page error: ${error.message}`));
    this.cdp = await context.newCDPSession(this.page);
    return this;
  }

  goto(url) {
    return this.page.goto(url);
  }

  evaluate(fn, arg) {
    return this.page.evaluate(fn, arg);
  }

  async click(target, { button = 'left' } = {}) {
    const { x, y } = await this.point(target);
    await this.page.mouse.click(x, y, { button });
  }

  async doubleClick(target, gap) {
    const { x, y } = await this.point(target);
    const { mouse } = this.page;
    await mouse.move(x, y);
    await mouse.down();
    await mouse.up();
    await sleep(gap);
    await mouse.down({ clickCount: 2 });
    await mouse.up({ clickCount: 2 });
  }

  async tap(target) {
    const { x, y } = await this.point(target);
    await this.page.touchscreen.tap(x, y);
  }

  async longPress(target) {
    const { x, y } = await this.point(target);
    await this.cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y }] });
    await sleep(1000);
    await this.cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  }

  // Digits only. Every event is sent before any is acknowledged, so that nothing the page
  // does after the click runs between the click and the keys on the driver's account.
  async clickThenType(target, digits) {
    const { x, y } = await this.point(target);
    const button = { x, y, button: 'left', clickCount: 1 };
    const mouse = (params) => ['Input.dispatchMouseEvent', params];
    const key = (type, c) => ['Input.dispatchKeyEvent',
      { type, key: c, code: `Digit${c}`, windowsVirtualKeyCode: c.charCodeAt(0), ...(type === 'keyDown' && { text: c }) }];
    const events = [mouse({ type: 'mouseMoved', x, y }), mouse({ type: 'mousePressed', ...button }),
      mouse({ type: 'mouseReleased', ...button }), ...[...digits].flatMap((c) => [key('keyDown', c), key('keyUp', c)])];
    await Promise.all(events.map(([method, params]) => this.cdp.send(method, params)));
  }

  type(text) {
    return this.page.keyboard.type(text);
  }

  press(keys) {
    return this.page.keyboard.press(keys);
  }

  // One insertion per character and no key events, as on-screen keyboards send them.
  async insertText(text) {
    for (const c of text) await this.page.keyboard.insertText(c);
  }

  async compose(text) {
    await this.cdp.send('Input.imeSetComposition', { text, selectionStart: text.length, selectionEnd: text.length });
    await this.cdp.send('Input.insertText', { text });
  }

  async drop(target, text) {
    const { x, y } = await this.point(target);
    const data = { items: [{ mimeType: 'text/plain', data: text }], dragOperationsMask: 1 };
    for (const type of ['dragEnter', 'dragOver', 'drop']) await this.cdp.send('Input.dispatchDragEvent', { type, x, y, data });
  }

  capture() {
    return this.page.screenshot();
  }

  // As printed with the page's own paper settings, on A4 where it names none.
  pdf() {
    return this.page.pdf({ format: 'A4', preferCSSPageSize: true });
  }

  troubles() {
    return this.reported;
  }

  end() {
    return this.context.close();
  }
}

export class ChromiumEngine extends Engine {
  static lacking = {
    longPressMenu: 'headless Chromium turns no held touch of the driver into a contextmenu',
  };

  name = 'chromium';

  async newPage(o) {
    this.browser ??= launchChromium();
    const context = await (await this.browser).newContext({
      viewport: o.viewport, deviceScaleFactor: o.dpr, hasTouch: o.touch, isMobile: o.touch,
      javaScriptEnabled: o.javaScript,
    });
    if (o.clipboard) await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    const page = await new ChromiumPage(this).init(context);
    if (o.forcedColors) await page.page.emulateMedia({ forcedColors: 'active', colorScheme: 'dark' });
    return page;
  }

  async end() {
    await (await this.browser)?.close();
  }
}
