// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Keeps the folder's files for use whatever the network does: once installed, the page and its
// files come from the stored copy at once, never from the network. This script changes with
// every build, so the browser's own check for a new worker brings a new build; that build fills
// a cache of its own and, once whole, takes over and deletes the caches of the builds before it.
// A file is stored only if its bytes are the build's, which keeps out whatever else the network
// may answer with (a captive portal's page, an error page, a file of another build).
"use strict";

const build = "@BUILD@";
// Each file's SHA-256, in hexadecimal.
const files = new Map(Object.entries(@FILES@));
// A file fetched for storing that has not come in this long has failed.
const timeLimit = 30000;
const scope = self.registration.scope;
const base = new URL(scope).pathname;
// Caches belong to the whole site, which may publish other folders with a copy of the game.
const prefix = `brivolo ${scope} `;
const current = prefix + build;

const hex = (buffer) => [...new Uint8Array(buffer)].map((b) => b.toString(16).padStart(2, "0")).join("");

// The file from the server, past the HTTP cache, as a response to store; it fails unless its
// bytes are the build's.
// (An AbortController rather than AbortSignal.timeout(), which Safari has only from iPadOS 16.)
const fetchVerified = async (file) => {
  const late = new AbortController();
  const timer = setTimeout(() => late.abort(), timeLimit);
  try {
    const response = await fetch(new Request(new URL(file, scope), { cache: "reload" }), { signal: late.signal });
    const bytes = await response.arrayBuffer();
    if (hex(await crypto.subtle.digest("SHA-256", bytes)) !== files.get(file)) {
      throw new Error(`${file} is not this build's`);
    }
    const type = response.headers.get("content-type");
    return new Response(bytes, { headers: type ? { "content-type": type } : {} });
  } finally {
    clearTimeout(timer);
  }
};

self.addEventListener("install", (event) => {
  event.waitUntil((async () => {
    // Every file first: a build that cannot have them all is not installed, and stores nothing.
    const names = [...files.keys()];
    const responses = await Promise.all(names.map(fetchVerified));
    await caches.delete(current);
    const cache = await caches.open(current);
    try {
      await Promise.all(names.map((file, i) => cache.put(new URL(file, scope), responses[i])));
    } catch (error) {
      await caches.delete(current);
      throw error;
    }
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

// A stored file; one the browser has evicted since is fetched again, on the same terms.
const stored = async (file) => {
  const cache = await caches.open(current);
  const kept = await cache.match(new URL(file, scope));
  if (kept) return kept;
  const response = await fetchVerified(file);
  await cache.put(new URL(file, scope), response.clone());
  return response;
};

self.addEventListener("fetch", (event) => {
  const { request } = event;
  const url = new URL(request.url);
  if (request.method !== "GET" || url.origin !== location.origin) return;
  // The folder itself is the page.
  let file = url.pathname.startsWith(base) ? decodeURIComponent(url.pathname.slice(base.length)) : null;
  if (file === "" && request.mode === "navigate") file = "index.html";
  // What is not the build's is left to the browser, as if there were no worker.
  if (!files.has(file)) return;
  event.respondWith(stored(file).catch(() => Response.error()));
});
