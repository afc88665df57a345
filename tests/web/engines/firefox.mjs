// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Debian's Firefox ESR driven by puppeteer-core over WebDriver BiDi, headless, each page in a
// browser context of its own with every request but the page's own refused. A page that needs
// other preferences (no JavaScript, forced colours) gets a browser of its own.
import puppeteer from 'puppeteer-core';
import { ActionsPage } from './actions.mjs';
import { Engine, isLocal } from './page.mjs';

export const launchFirefox = (prefs) => puppeteer.launch({
  browser: 'firefox',
  executablePath: process.env.BRIVOLO_FIREFOX ?? '/usr/bin/firefox-esr',
  headless: true,
  extraPrefsFirefox: prefs,
});

// A dark high-contrast theme, as Windows' own: page colours replaced by the system's.
const forcedColours = {
  'browser.display.document_color_use': 2,
  'browser.display.use_system_colors': false,
  'browser.display.background_color': '#000000',
  'browser.display.foreground_color': '#ffffff',
};

class FirefoxPage extends ActionsPage {
  reported = [];

  async init(context, ownBrowser, o) {
    Object.assign(this, { context, ownBrowser });
    this.page = await context.newPage();
    this.page.on('console', (m) => m.type() === 'error' && this.reported.push(`console: ${m.text()}`));
    this.page.on('pageerror', (error) => this.reported.push(`page error: ${error.message}`));
    await this.page.setRequestInterception(true);
    this.page.on('request', (r) => {
      if (isLocal(r.url())) return r.continue();
      this.reported.push(`request ${r.url()}`);
      return r.abort();
    });
    await this.page.setViewport({ ...o.viewport, deviceScaleFactor: o.dpr, hasTouch: o.touch, isMobile: o.touch });
    return this;
  }

  goto(url) {
    return this.page.goto(url);
  }

  evaluate(fn, arg) {
    return this.page.evaluate(fn, arg);
  }

  // Puppeteer's own mouse and keyboard send one source per call; a sequence of several
  // sources (a click and keys in the same ticks) needs the browsing context's command.
  perform(sources) {
    return this.page.mainFrame().browsingContext.performActions(sources);
  }

  async capture() {
    return Buffer.from(await this.page.screenshot());
  }

  // Puppeteer's default paper reaches Firefox in the wrong unit; A4 is given whole.
  async pdf() {
    return Buffer.from(await this.page.pdf({ format: 'A4', preferCSSPageSize: true }));
  }

  troubles() {
    return this.reported;
  }

  async end() {
    await this.context.close();
    await this.ownBrowser?.close();
  }
}

export class FirefoxEngine extends Engine {
  static lacking = {
    insertText: 'Firefox fires no beforeinput for text inserted by a script, and its driver inserts no text of its own',
    longPressMenu: 'Firefox on Linux turns no held touch into a contextmenu',
    drop: 'a drag by the driver\'s mouse starts in Firefox but never drops',
    composition: 'no driver call drives an input method in Firefox',
  };

  name = 'firefox';

  async newPage(o) {
    const prefs = { ...(o.forcedColors && forcedColours), ...(o.javaScript || { 'javascript.enabled': false }) };
    const own = Object.keys(prefs).length > 0 ? await launchFirefox(prefs) : null;
    if (!own) this.browser ??= launchFirefox({});
    const context = await (own ?? await this.browser).createBrowserContext();
    return new FirefoxPage(this).init(context, own, o);
  }

  async end() {
    await (await this.browser)?.close();
  }
}
