// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Pixels of screenshots and of printed pages: a PNG reader for what the engines and pdftoppm
// write (8-bit RGB or RGBA, not interlaced), and a printed PDF's pages read with poppler-utils.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { inflateSync } from 'node:zlib';

const paeth = (a, b, c) => {
  const p = a + b - c;
  const [pa, pb, pc] = [Math.abs(p - a), Math.abs(p - b), Math.abs(p - c)];
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
};

// { width, height, at(x, y) -> [r, g, b] }
export function readPng(png) {
  assert.equal(png.subarray(1, 4).toString(), 'PNG', 'not a PNG');
  let header;
  const data = [];
  for (let at = 8; at < png.length;) {
    const length = png.readUInt32BE(at);
    const type = png.subarray(at + 4, at + 8).toString();
    const body = png.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') header = body;
    if (type === 'IDAT') data.push(body);
    at += 12 + length;
  }
  const [width, height] = [header.readUInt32BE(0), header.readUInt32BE(4)];
  const [depth, colour, interlace] = [header[8], header[9], header[12]];
  assert.ok(depth === 8 && (colour === 2 || colour === 6) && interlace === 0, `PNG kind ${depth}/${colour}/${interlace}`);
  const step = colour === 6 ? 4 : 3;
  const raw = inflateSync(Buffer.concat(data));
  const stride = width * step;
  const pixels = Buffer.alloc(stride * height);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let i = 0; i < stride; i++) {
      const a = i >= step ? pixels[y * stride + i - step] : 0;
      const b = y > 0 ? pixels[(y - 1) * stride + i] : 0;
      const c = i >= step && y > 0 ? pixels[(y - 1) * stride + i - step] : 0;
      const predicted = [0, a, b, (a + b) >> 1, paeth(a, b, c)][filter];
      pixels[y * stride + i] = (line[i] + predicted) & 0xff;
    }
  }
  const at = (x, y) => {
    const i = Math.round(y) * stride + Math.round(x) * step;
    return [pixels[i], pixels[i + 1], pixels[i + 2]];
  };
  return { width, height, at };
}

// The mean colour of a rectangle { x, y, width, height } of an image.
export function meanColour(image, r) {
  const sum = [0, 0, 0];
  let n = 0;
  for (let y = Math.ceil(r.y); y < r.y + r.height; y++) {
    for (let x = Math.ceil(r.x); x < r.x + r.width; x++) {
      image.at(x, y).forEach((v, i) => { sum[i] += v; });
      n += 1;
    }
  }
  return sum.map((v) => Math.round(v / n));
}

export const near = (colour, expected, tolerance) => colour.every((v, i) => Math.abs(v - expected[i]) <= tolerance);

// How many pixels of a rectangle differ between two images of one size by more than a trace.
export function differing(a, b, r) {
  let n = 0;
  for (let y = Math.ceil(r.y); y < r.y + r.height; y++) {
    for (let x = Math.ceil(r.x); x < r.x + r.width; x++) n += near(a.at(x, y), b.at(x, y), 8) ? 0 : 1;
  }
  return n;
}

// The share of an image's pixels, on a grid of about 10 000, that are black or nearly.
export function darkShare(image) {
  let dark = 0;
  let n = 0;
  const step = Math.max(1, Math.floor(Math.sqrt((image.width * image.height) / 10000)));
  for (let y = 0; y < image.height; y += step) {
    for (let x = 0; x < image.width; x += step) {
      if (Math.max(...image.at(x, y)) < 24) dark += 1;
      n += 1;
    }
  }
  return dark / n;
}

// A printed PDF: its page count, its first page's size in points, and that page rasterised at
// `dpi` dots per inch.
export function readPdf(pdf, dpi = 72) {
  const folder = mkdtempSync(path.join(os.tmpdir(), 'brivolo-print-'));
  try {
    const file = path.join(folder, 'print.pdf');
    writeFileSync(file, pdf);
    const info = execFileSync('pdfinfo', [file], { encoding: 'utf8' });
    const pages = Number(info.match(/^Pages:\s+(\d+)/m)?.[1]);
    const [, width, height] = info.match(/^Page size:\s+([\d.]+) x ([\d.]+)/m).map(Number);
    execFileSync('pdftoppm', ['-r', String(dpi), '-f', '1', '-l', '1', '-png', '-singlefile', file, path.join(folder, 'page')]);
    return { pages, width, height, image: readPng(readFileSync(path.join(folder, 'page.png'))) };
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}
