// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// What Chromium (over CDP) and Firefox ESR (over WebDriver BiDi) share through puppeteer-core:
// the launch of Debian's browser, headless, never a browser of puppeteer's own, and a page in a
// browser context of its own whose every request but the page's own file and the data: and
// blob: URLs it makes in memory is refused and reported. Each engine's page supplies
// `perform(sources)` for the input of ActionsPage.
import puppeteer from 'puppeteer-core';
import { ActionsPage } from './actions.mjs';
import { isLocal, onExit, tempFolder } from './page.mjs';

// The profile, and the browser's own temporary files, are in a temporary folder of ours; the
// browser is ended and the folder removed however the tests' process ends (puppeteer's own
// profile would be left behind at a signal).
export async function launch(browser, executablePath, options) {
  const profile = tempFolder(`brivolo-${browser}-`);
  const launched = await puppeteer.launch({
    browser, executablePath, headless: true, userDataDir: profile.folder, env: { ...process.env, TMPDIR: profile.folder },
    handleSIGINT: false, handleSIGTERM: false, handleSIGHUP: false, ...options,
  }).catch((error) => { profile.remove(); throw error; });
  // Puppeteer starts the browser in a process group of its own.
  const end = onExit(() => {
    try {
      process.kill(-launched.process().pid, 'SIGKILL');
    } catch { /* already gone */ }
    profile.remove();
  });
  const close = launched.close.bind(launched);
  launched.close = () => close().finally(end);
  return launched;
}

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
