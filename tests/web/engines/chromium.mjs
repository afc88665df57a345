// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Debian's Chromium driven by puppeteer-core over CDP: the input of ActionsPage played on
// puppeteer's mouse, keyboard and touchscreen, and what only CDP does (an input method, text
// inserted whole, a drop, a slower CPU).
import { keyNames } from './actions.mjs';
import { Engine, sleep } from './page.mjs';
import { launch, PuppeteerPage } from './puppeteer.mjs';

// Puppeteer adds a fresh temporary profile of its own; the rest keeps Chromium from reaching
// out on its own account.
export const launchChromium = () => launch('chrome', process.env.BRIVOLO_CHROMIUM ?? '/usr/bin/chromium', {
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});

const buttons = ['left', 'middle', 'right'];

class ChromiumPage extends PuppeteerPage {
  // A WebDriver action sequence, tick by tick. Nothing waits for the browser to acknowledge an
  // event before the next is sent, so that nothing the page does after a click runs between
  // the click and the keys on the driver's account; only a pause waits. A mouse button going
  // down where it last went down in the sequence counts as the next click of a series.
  async perform(sources) {
    const { mouse, keyboard, touchscreen } = this.page;
    const sent = [];
    let [at, pressedAt, clicks, touch] = [null, null, 0, null];
    for (let tick = 0; tick < Math.max(...sources.map((s) => s.actions.length)); tick++) {
      const pause = Math.max(0, ...sources.map((s) => s.actions[tick]?.duration ?? 0));
      if (pause) await Promise.all(sent.splice(0)).then(() => sleep(pause));
      for (const { type, parameters, actions } of sources) {
        const a = actions[tick] ?? { type: 'pause' };
        const key = keyNames[a.value] ?? a.value;
        const options = { button: buttons[a.button], clickCount: clicks };
        if (a.type === 'keyDown') sent.push(keyboard.charIsKey(key) ? keyboard.down(key) : keyboard.sendCharacter(key));
        if (a.type === 'keyUp' && keyboard.charIsKey(key)) sent.push(keyboard.up(key));
        if (a.type === 'pointerMove') at = a;
        if (parameters?.pointerType === 'touch') {
          if (a.type === 'pointerDown') sent.push(touch = touchscreen.touchStart(at.x, at.y));
          if (a.type === 'pointerUp') sent.push(touch.then((t) => t.end()));
        } else if (type === 'pointer') {
          if (a.type === 'pointerMove') sent.push(mouse.move(at.x, at.y));
          if (a.type === 'pointerDown') {
            clicks = pressedAt === at ? clicks + 1 : 1;
            pressedAt = at;
            sent.push(mouse.down({ ...options, clickCount: clicks }));
          }
          if (a.type === 'pointerUp') sent.push(mouse.up(options));
        }
      }
    }
    await Promise.all(sent);
  }

  // Text as an on-screen keyboard sends it, one insertion per character and no key events.
  async insertText(text) {
    for (const c of text) await this.page.keyboard.sendCharacter(c);
  }

  // The whole text in one insertion, as dictation or a password manager sends it.
  commitText(text) {
    return this.page.keyboard.sendCharacter(text);
  }

  async compose(text) {
    const cdp = await this.cdp();
    await cdp.send('Input.imeSetComposition', { text, selectionStart: text.length, selectionEnd: text.length });
    await cdp.send('Input.insertText', { text });
  }

  async drop(target, text) {
    const point = await this.point(target);
    const data = { items: [{ mimeType: 'text/plain', data: text }], dragOperationsMask: 1 };
    const { mouse } = this.page;
    for (const step of [mouse.dragEnter, mouse.dragOver, mouse.drop]) await step.call(mouse, point, data);
  }

  // The page's scripts, style and layout `rate` times slower.
  throttleCPU(rate) {
    return this.page.emulateCPUThrottling(rate);
  }

  cdp() {
    this.session ??= this.page.createCDPSession();
    return this.session;
  }
}

export class ChromiumEngine extends Engine {
  static lacking = {
    longPressMenu: 'headless Chromium turns no held touch of the driver into a contextmenu',
  };

  name = 'chromium';

  async newPage(o) {
    this.browser ??= launchChromium();
    const context = await (await this.browser).createBrowserContext();
    if (o.clipboard) {
      await context.setPermission('*', ...['clipboard-read', 'clipboard-write']
        .map((name) => ({ permission: { name }, state: 'granted' })));
    }
    const page = await new ChromiumPage(this).init(context, o);
    await page.page.setJavaScriptEnabled(o.javaScript);
    if (o.forcedColors) {
      await (await page.cdp()).send('Emulation.setEmulatedMedia', {
        features: [{ name: 'forced-colors', value: 'active' }, { name: 'prefers-color-scheme', value: 'dark' }],
      });
    }
    return page;
  }

  async end() {
    // A failed launch was reported to the test that asked for it.
    await (await this.browser?.catch(() => null))?.close();
  }
}
