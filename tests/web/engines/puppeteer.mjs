// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// What Chromium (over CDP) and Firefox ESR (over WebDriver BiDi) share through puppeteer-core:
// the launch of Debian's browser, headless, never a browser of puppeteer's own, and a page in a
// browser context of its own whose every request but the page's own file and the data: and
// blob: URLs it makes in memory is refused and reported. Each engine's page supplies
// `perform(sources)` for the input of ActionsPage.
import puppeteer from 'puppeteer-core';
import { ActionsPage } from './actions.mjs';
import { isLocal } from './page.mjs';

export const launch = (browser, executablePath, options) => puppeteer.launch({
  browser, executablePath, headless: true, ...options,
});

export class PuppeteerPage extends ActionsPage {
  reported = [];

  async init(context, o) {
    this.context = context;
    this.page = await context.newPage();
    this.page.on('console', (m) => m.type() === 'error' && this.reported.push(`console: ${m.text()}`));
    this.page.on('pageerror', (error) => this.reported.push(`page error: ${error.message}`));
    await this.page.setRequestInterception(true);
    this.page.on('request', (r) => {
      if (isLocal(r.url()) || (o.allow && r.url().startsWith(o.allow))) return r.continue();
      this.reported.push(`request ${r.url()}`);
      return r.abort();
    });
    await this.resizeViewport(o.viewport, o);
    return this;
  }

  resizeViewport({ width, height }, o = this.options) {
    return this.page.setViewport({ width, height, deviceScaleFactor: o.dpr, hasTouch: o.touch, isMobile: o.touch });
  }

  goto(url) {
    return this.page.goto(url);
  }

  evaluate(fn, arg) {
    return this.page.evaluate(fn, arg);
  }

  async capture() {
    return Buffer.from(await this.page.screenshot());
  }

  // As printed with the page's own paper settings, on A4 where it names none (puppeteer's
  // default paper reaches Firefox in the wrong unit).
  async pdf() {
    return Buffer.from(await this.page.pdf({ format: 'A4', preferCSSPageSize: true }));
  }

  troubles() {
    return this.reported;
  }

  end() {
    return this.context.close();
  }
}
