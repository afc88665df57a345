#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
"""Writes the browser page from its template: brivolo.html, which plays from a file, and the
folder a static web server publishes, with the page as index.html and what a tablet needs to
install it (the manifest, the icons, the Home Screen tags) and the service worker that keeps the
folder's files for use without the network. The window as it stands after Load comes from
brivolo-pagewriter, the face's metrics from fontTools."""
import argparse
import base64
import hashlib
import json
import re
import shutil
import subprocess
import tempfile
import xml.etree.ElementTree as ElementTree
from html.parser import HTMLParser
from pathlib import Path

from fontTools.ttLib import TTFont

# A maskable icon's launcher may cut away everything outside the circle of 0.4 of its side
# around its centre. The program's drawing is round: a circle of 0.52 of its side holds it all,
# so at three quarters of the icon's side it lies inside that circle. The Home Screen icon of an
# iPad has its corners rounded off and no transparency, so it is drawn the same way.
FILLED_SHARE = 0.75

# Nothing from anywhere: the scripts the page runs are named by their hashes; the compiled
# program, the styles, the pictures and the face are in the page.
POLICY = {"default-src": ["'none'"], "script-src": ["'wasm-unsafe-eval'"],
          "style-src": ["'unsafe-inline'"], "img-src": ["data:"], "font-src": ["data:"]}
# Served, the page also loads its manifest, its icons and its service worker from its folder.
SERVED_POLICY = {"img-src": ["'self'"], "manifest-src": ["'self'"], "worker-src": ["'self'"]}


def fill(template, values):
    """The template with every @NAME@ replaced by its value, in one pass: no value is searched."""
    return re.sub(r"@([A-Z_]+)@", lambda match: values[match[1]], template)


def sha256(data):
    return hashlib.sha256(data.encode("utf-8") if isinstance(data, str) else data)


class InlineScripts(HTMLParser):
    """The text of every script element of a template that the browser runs."""

    def __init__(self, template):
        super().__init__(convert_charrefs=False)
        self.texts, self._text = [], None
        self.feed(template)
        self.close()

    def handle_starttag(self, tag, attrs):
        attributes = dict(attrs)
        if tag == "script" and "src" not in attributes and attributes.get("type") in (
                None, "", "text/javascript"):
            self._text = []

    def handle_data(self, data):
        if self._text is not None:
            self._text.append(data)

    def handle_endtag(self, tag):
        if tag == "script" and self._text is not None:
            self.texts.append("".join(self._text))
            self._text = None


def policy(scripts, *more):
    directives = {name: list(sources) for name, sources in POLICY.items()}
    for extra in more:
        for name, sources in extra.items():
            directives.setdefault(name, []).extend(sources)
    directives["script-src"][:0] = [
        f"'sha256-{base64.b64encode(sha256(script).digest()).decode()}'" for script in scripts]
    return "; ".join(" ".join([name, *sources]) for name, sources in directives.items())


def face_metrics(face):
    """The face's typographic metrics in ems, which its lines are set by (the face asks for
    them): ascent, descent and line gap."""
    font = TTFont(face, lazy=True)
    em, os2 = font["head"].unitsPerEm, font["OS/2"]
    return os2.sTypoAscender / em, -os2.sTypoDescender / em, os2.sTypoLineGap / em


def window_values(node, pagewriter, drawings, metrics):
    with tempfile.TemporaryDirectory() as folder:
        values = Path(folder) / "values.json"
        subprocess.run([node, pagewriter, drawings, *map(repr, metrics), values], check=True)
        return json.loads(values.read_text(encoding="utf-8"))


def rasterise(rsvg_convert, svg, size, path):
    subprocess.run([rsvg_convert, "--width", str(size), "--height", str(size), "--output",
                    str(path)], input=svg.encode("utf-8"), check=True)


def on_background(svg, colour, share):
    """The drawing centred at `share` of the side of a square filled with `colour`."""
    root = ElementTree.fromstring(svg)
    width, height = float(root.get("width")), float(root.get("height"))
    side = max(width, height) / share
    left, top = (width - side) / 2, (height - side) / 2
    drawing = re.sub(r"<\?xml[^>]*\?>", "", svg)
    return (f'<svg xmlns="http://www.w3.org/2000/svg" viewBox="{left} {top} {side} {side}">'
            f'<rect x="{left}" y="{top}" width="{side}" height="{side}" fill="{colour}"/>'
            f'{drawing}</svg>')


def write_folder(args, out, index, colour):
    """The served folder, its service worker last: it names the other files and their hashes."""
    shutil.rmtree(out, ignore_errors=True)
    out.mkdir(parents=True)
    (out / "index.html").write_text(index, encoding="utf-8")

    drawing = args.icon.read_text(encoding="utf-8")
    filled = on_background(drawing, colour, FILLED_SHARE)
    icons = [("icon-192.png", 192, drawing, "any"), ("icon-512.png", 512, drawing, "any"),
             ("icon-maskable-512.png", 512, filled, "maskable")]
    for file, size, svg, _ in icons:
        rasterise(args.rsvg_convert, svg, size, out / file)
    rasterise(args.rsvg_convert, filled, 180, out / "apple-touch-icon.png")

    manifest = {
        "name": args.name,
        "short_name": args.name,
        "description": args.description,
        "lang": "it",
        "dir": "ltr",
        "start_url": "./index.html",
        "scope": "./",
        "display": "fullscreen",
        "orientation": "landscape",
        "background_color": colour,
        "theme_color": colour,
        "icons": [{"src": file, "sizes": f"{size}x{size}", "type": "image/png", "purpose": purpose}
                  for file, size, _, purpose in icons],
    }
    (out / "manifest.webmanifest").write_text(
        json.dumps(manifest, ensure_ascii=False, indent=2) + "\n", encoding="utf-8")

    files = {path.name: sha256(path.read_bytes()).hexdigest() for path in sorted(out.iterdir())}
    # The build is named by its files, so that a build with other files fills another cache.
    build = sha256(json.dumps(files)).hexdigest()[:16]
    worker = fill(args.worker.read_text(encoding="utf-8"),
                  {"BUILD": f"{args.version}-{build}", "FILES": json.dumps(files, indent=2)})
    (out / "sw.js").write_text(worker, encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--shell", type=Path, required=True, help="the page's template")
    parser.add_argument("--served-head", type=Path, required=True,
                        help="what the served page adds to its <head>")
    parser.add_argument("--worker", type=Path, required=True, help="the service worker's template")
    parser.add_argument("--node", required=True)
    parser.add_argument("--pagewriter", required=True, help="brivolo-pagewriter, for Node.js")
    parser.add_argument("--drawings", required=True, help="the folder of the pictures")
    parser.add_argument("--program", type=Path, required=True,
                        help="the program's runtime (.js), its compiled code (.wasm) beside it")
    parser.add_argument("--face", type=Path, required=True, help="the built-in face")
    parser.add_argument("--face-woff2", type=Path, required=True, help="its page's cut, WOFF2")
    parser.add_argument("--icon", type=Path, required=True, help="the program icon's drawing")
    parser.add_argument("--rsvg-convert", required=True)
    parser.add_argument("--name", required=True)
    parser.add_argument("--description", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--page", type=Path, required=True, help="the one-file page to write")
    parser.add_argument("--folder", type=Path, required=True, help="the folder, written anew")
    args = parser.parse_args()

    ascent, descent, line_gap = metrics = face_metrics(args.face)
    values = window_values(args.node, args.pagewriter, args.drawings, metrics)
    values["RUNTIME"] = args.program.read_text(encoding="utf-8")
    if any(re.search(r"</?script", value, re.IGNORECASE) for value in values.values()):
        raise SystemExit("writepage.py: a value would end a <script> element or begin one")
    values |= {
        "PROGRAM": base64.b64encode(args.program.with_suffix(".wasm").read_bytes()).decode(),
        "FACE": base64.b64encode(args.face_woff2.read_bytes()).decode(),
        "FACE_ASCENT": f"{ascent * 100:.4f}%",
        # The line gap goes below the baseline, as the desktop window sets it.
        "FACE_DESCENT": f"{(descent + line_gap) * 100:.4f}%",
    }

    shell = args.shell.read_text(encoding="utf-8")
    served_head = re.sub(r"<!-- SPDX-[^>]*-->\n", "", args.served_head.read_text(encoding="utf-8"))
    served_head = fill(served_head, {"NAME": args.name, "COLOUR": values["COLOUR"]})
    scripts = [fill(script, values) for script in InlineScripts(shell).texts]
    args.page.write_text(fill(shell, values | {"SERVED_HEAD": "", "POLICY": policy(scripts)}),
                         encoding="utf-8")
    served_policy = policy(scripts + InlineScripts(served_head).texts, SERVED_POLICY)
    index = fill(shell, values | {"SERVED_HEAD": served_head, "POLICY": served_policy})
    write_folder(args, args.folder, index, values["COLOUR"])


if __name__ == "__main__":
    main()
