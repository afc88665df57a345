// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Debian's WebKitGTK: its MiniBrowser driven by WebKitWebDriver (classic WebDriver, through
// selenium-webdriver) in a private Xvfb, as MiniBrowser has no headless mode and refuses
// WebDriver BiDi. Each page is a MiniBrowser session of its own, a window, never a tab: a new
// tab opens hidden and a screenshot of it never returns. The engine reports neither console
// messages nor requests to the driver, so every page is a copy that records them itself.
import { spawn } from 'node:child_process';
import { writeFileSync } from 'node:fs';
import net from 'node:net';
import path from 'node:path';
import { once } from 'node:events';
import { Builder } from 'selenium-webdriver';
import { Command, Name } from 'selenium-webdriver/lib/command.js';
import { ActionsPage } from './actions.mjs';
import { Engine, onExit, recorder, sleep, tempFolder, within } from './page.mjs';

const miniBrowser = process.env.BRIVOLO_MINIBROWSER ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

// Started in a process group of its own and ended with the whole group, also when the tests'
// process ends: MiniBrowser, started by the driver, would outlive the driver alone.
function startGroup(command, args, options) {
  const child = spawn(command, args, { detached: true, ...options });
  child.on('error', () => {}); // a command that cannot start fails the wait for what it gives
  const end = onExit(() => {
    try {
      process.kill(-child.pid, 'SIGKILL');
    } catch { /* already gone */ }
  });
  return { child, end };
}

async function freePort() {
  const server = net.createServer().listen(0, '127.0.0.1');
  await once(server, 'listening');
  const { port } = server.address();
  server.close();
  return port;
}

// Without a session bus of its own, GTK would start one, with an accessibility bus and portals
// that leave the process group and outlive the tests; MiniBrowser needs none of them.
const privateDesktop = { DBUS_SESSION_BUS_ADDRESS: 'disabled:', NO_AT_BRIDGE: '1', GTK_A11Y: 'none', GTK_USE_PORTAL: '0' };

// A bare X server has no settings daemon, and GTK without one hints fonts fully: WebKitGTK then
// sets text with each letter's width rounded to whole pixels (the title banner measures 733 px
// instead of the face's 711 and breaks a word early). Desktops set slight hinting, as GNOME
// does by default, and so does this one; Safari's own text system never rounds.
const fontSettings = 'Xft/Antialias 1\nXft/Hinting 1\nXft/HintStyle "hintslight"\nXft/RGBA "none"\n';

async function startDriver() {
  const ends = [];
  const end = () => ends.forEach((fn) => fn());
  try {
    const xvfb = startGroup('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'],
      { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
    ends.push(xvfb.end);
    const [display] = await within(once(xvfb.child.stdio[3], 'data'), 10000, 'display from Xvfb');
    const env = { ...process.env, ...privateDesktop, DISPLAY: `:${String(display).trim()}` };
    const settings = tempFolder('brivolo-xsettings-');
    ends.push(settings.remove);
    writeFileSync(path.join(settings.folder, 'xsettingsd.conf'), fontSettings);
    ends.push(startGroup('xsettingsd', ['-c', path.join(settings.folder, 'xsettingsd.conf')], { stdio: 'ignore', env }).end);
    const port = await freePort();
    ends.push(startGroup('WebKitWebDriver', [`--port=${port}`, '--host=127.0.0.1'], { stdio: 'ignore', env }).end);
    const url = `http://127.0.0.1:${port}`;
    for (let tries = 0; ; tries++) {
      try {
        await fetch(`${url}/status`, { signal: AbortSignal.timeout(1000) });
        break;
      } catch (error) {
        if (tries > 200) throw error;
        await sleep(25);
      }
    }
    return { url, end };
  } catch (error) {
    end();
    throw error;
  }
}

class WebKitPage extends ActionsPage {
  async init(driver, o) {
    this.driver = driver;
    await this.resizeViewport(o.viewport);
    return this;
  }

  // The window is sized so that the viewport, inside MiniBrowser's toolbar, has the size asked.
  async resizeViewport({ width, height }) {
    const window = this.driver.manage().window();
    await window.setRect({ width, height });
    const [innerWidth, innerHeight] = await this.evaluate(() => [innerWidth, innerHeight]);
    await window.setRect({ width: 2 * width - innerWidth, height: 2 * height - innerHeight });
  }

  goto(url) {
    return this.driver.get(url);
  }

  async evaluate(fn, arg) {
    const { value, error } = await this.driver.executeAsyncScript(`const done = arguments[arguments.length - 1];
      Promise.resolve().then(() => (${fn})(arguments[0]))
        .then((value) => done({ value }), (e) => done({ error: String(e?.stack ?? e) }));`, arg ?? null);
    if (error) throw new Error(error);
    return value;
  }

  perform(sources) {
    return this.driver.execute(new Command(Name.ACTIONS).setParameter('actions', sources));
  }

  async capture() {
    return Buffer.from(await this.driver.takeScreenshot(), 'base64');
  }

  troubles() {
    return this.evaluate(() => window.brivoloNoted ?? ['the page has no recorder']);
  }

  end() {
    return this.driver.quit();
  }
}

export class WebKitEngine extends Engine {
  static lacking = {
    touch: 'WebKitWebDriver turns a touch pointer into mouse events, with no touch events',
    longPressMenu: 'WebKitWebDriver has no touch',
    insertText: 'WebKitGTK fires no beforeinput for text inserted by a script, and its driver inserts no text of its own',
    drop: 'a drag by the driver\'s mouse starts no drag in WebKitGTK',
    commitText: 'WebKitWebDriver inserts no text of its own, and text inserted by a script is no user\'s input',
    composition: 'no driver call drives an input method in WebKitGTK',
    throttleCPU: 'WebKitWebDriver has no CPU throttling',
    forcedColors: 'WebKitGTK has no forced-colours mode',
    pdf: 'WebKitWebDriver has no Print Page command (unknown command /print)',
    devicePixelRatio: 'MiniBrowser takes its device pixel ratio from the display, 1 in Xvfb',
  };

  name = 'webkit';

  firstScripts = [`(${recorder})()`];

  async newPage(o) {
    this.server ??= startDriver();
    // One session at a time: a page a failed test left open is ended first.
    await Promise.all([...this.pages].map((page) => page.close().catch(() => {})));
    const args = ['--automation',
      ...(o.javaScript ? [] : ['--enable-javascript-markup=false']),
      ...(o.clipboard ? ['--javascript-can-access-clipboard=true'] : [])];
    const driver = await within(new Builder().usingServer((await this.server).url).withCapabilities({
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': { binary: miniBrowser, args },
    }).build(), 60000, 'session from WebKitWebDriver');
    return new WebKitPage(this).init(driver, o);
  }

  async end() {
    // A failed start was reported to the test that asked for it.
    (await this.server?.catch(() => null))?.end();
  }
}
