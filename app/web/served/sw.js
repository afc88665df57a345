// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Keeps the folder's files for use without the network. Each build fills a cache of its own,
// named after its files, when it is installed, and nothing is written to it afterwards; a build
// that takes over deletes the caches of the builds before it. While the server answers, its
// files are served, so that a new build shows at its first opening; without it, the stored ones.
"use strict";

const build = "@BUILD@";
const files = @FILES@;
// Caches belong to the whole site, which may publish other folders with a copy of the game.
const prefix = `brivolo ${self.registration.scope} `;
const current = prefix + build;

self.addEventListener("install", (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(current);
    // Past the HTTP cache, so that every file is the server's, of the build that names the cache.
    await cache.addAll(files.map((file) => new Request(file, { cache: "reload" })));
    await self.skipWaiting();
  })());
});

self.addEventListener("activate", (event) => {
  event.waitUntil((async () => {
    const names = await caches.keys();
    const older = names.filter((name) => name.startsWith(prefix) && name !== current);
    await Promise.all(older.map((name) => caches.delete(name)));
    await self.clients.claim();
  })());
});

// The folder itself is the page.
const stored = async (request) => {
  const cache = await caches.open(current);
  return (await cache.match(request, { ignoreSearch: true }))
    ?? (request.mode === "navigate" ? cache.match("index.html") : undefined);
};

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith((async () => {
    let response;
    try {
      response = await fetch(event.request);
      if (response.ok) return response;
    } catch {
      response = Response.error();
    }
    return (await stored(event.request)) ?? response;
  })());
});
