// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Debian's Firefox ESR driven by puppeteer-core over WebDriver BiDi. A page that needs other
// preferences (no JavaScript, forced colours) gets a browser of its own.
import { Engine } from './page.mjs';
import { launch, PuppeteerPage } from './puppeteer.mjs';

export const launchFirefox = (prefs) => launch('firefox', process.env.BRIVOLO_FIREFOX ?? '/usr/bin/firefox-esr',
  { extraPrefsFirefox: prefs });

// A dark high-contrast theme, as Windows' own: page colours replaced by the system's.
const forcedColours = {
  'browser.display.document_color_use': 2,
  'browser.display.use_system_colors': false,
  'browser.display.background_color': '#000000',
  'browser.display.foreground_color': '#ffffff',
};

class FirefoxPage extends PuppeteerPage {
  // Puppeteer's own mouse and keyboard send one source per call; a sequence of several
  // sources (a click and keys in the same ticks) needs the browsing context's command.
  perform(sources) {
    return this.page.mainFrame().browsingContext.performActions(sources);
  }

  async end() {
    await super.end();
    await this.ownBrowser?.close();
  }
}

export class FirefoxEngine extends Engine {
  static lacking = {
    insertText: 'Firefox fires no beforeinput for text inserted by a script, and its driver inserts no text of its own',
    commitText: 'Firefox\'s driver inserts no text of its own, and text inserted by a script is no user\'s input',
    longPressMenu: 'Firefox on Linux turns no held touch into a contextmenu',
    drop: 'a drag by the driver\'s mouse starts in Firefox but never drops',
    composition: 'no driver call drives an input method in Firefox',
    throttleCPU: 'Firefox has no CPU throttling under automation',
  };

  name = 'firefox';

  async newPage(o) {
    const prefs = { ...(o.forcedColors && forcedColours), ...(o.javaScript || { 'javascript.enabled': false }) };
    const own = Object.keys(prefs).length > 0 ? await launchFirefox(prefs) : null;
    if (!own) this.browser ??= launchFirefox({});
    const page = new FirefoxPage(this);
    page.ownBrowser = own;
    return page.init(await (own ?? await this.browser).createBrowserContext(), o);
  }

  async end() {
    // A failed launch was reported to the test that asked for it.
    await (await this.browser?.catch(() => null))?.close();
  }
}
