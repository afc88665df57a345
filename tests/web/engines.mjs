// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The browser engines the tests run in, each from Debian's packages: Chromium, Firefox ESR and
// WebKitGTK. BRIVOLO_ENGINES (e.g. "chromium,firefox") picks some of them by hand.
import { after, describe } from 'node:test';
import { ChromiumEngine } from './engines/chromium.mjs';
import { FirefoxEngine } from './engines/firefox.mjs';
import { WebKitEngine } from './engines/webkit.mjs';

const all = { chromium: ChromiumEngine, firefox: FirefoxEngine, webkit: WebKitEngine };

export const engineNames = (process.env.BRIVOLO_ENGINES ?? Object.keys(all).join(','))
  .split(',').map((name) => name.trim()).filter(Boolean);
for (const name of engineNames) {
  if (!all[name]) throw new Error(`BRIVOLO_ENGINES: no engine "${name}" (${Object.keys(all).join(', ')})`);
}

// `body(engine)` declares the tests of one engine; it runs once per engine, in a suite of its
// own that ends the engine's browser at the end.
export function eachEngine(body) {
  for (const name of engineNames) {
    describe(name, () => {
      const engine = new all[name]();
      after(() => engine.close());
      body(engine);
    });
  }
}
