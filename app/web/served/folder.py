#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
"""Writes the folder a static web server publishes: the one-file page as index.html with what a
tablet needs to install it (the manifest, the icons, the Home Screen tags) and the service worker
that keeps the folder's files for use without the network."""
import argparse
import hashlib
import json
import re
import shutil
import subprocess
import xml.etree.ElementTree as ElementTree
from pathlib import Path

HERE = Path(__file__).resolve().parent

# A maskable icon's launcher may cut away everything outside the circle of 0.4 of its side
# around its centre. The program's drawing is round: a circle of 0.52 of its side holds it all,
# so at three quarters of the icon's side it lies inside that circle. The Home Screen icon of an
# iPad has its corners rounded off and no transparency, so it is drawn the same way.
FILLED_SHARE = 0.75

# What the served page needs beyond the policy of the page on disk: its manifest, its icons
# (which the browser loads under the page's policy) and its service worker, all from its folder.
SERVED_SOURCES = {"img-src": "'self'", "manifest-src": "'self'", "worker-src": "'self'"}


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


def served_policy(policy):
    directives = [directive.split() for directive in policy.split(";") if directive.strip()]
    for name, source in SERVED_SOURCES.items():
        given = [directive for directive in directives if directive[0] == name]
        if given:
            given[0].append(source)
        else:
            directives.append([name, source])
    return "; ".join(" ".join(directive) for directive in directives)


def served_page(page, head):
    """The page with the served head and policy; everything else as in the page on disk."""
    policy = r'(<meta http-equiv="Content-Security-Policy" content=")([^"]*)(")'
    page, policies = re.subn(policy, lambda m: m[1] + served_policy(m[2]) + m[3], page)
    if policies != 1 or page.count("</head>") != 1:
        raise SystemExit("folder.py: the page needs one content policy and one </head>")
    return page.replace("</head>", head + "</head>")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--page", type=Path, required=True, help="the one-file page")
    parser.add_argument("--icon", type=Path, required=True, help="the program icon's drawing")
    parser.add_argument("--rsvg-convert", required=True)
    parser.add_argument("--name", required=True)
    parser.add_argument("--description", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--output", type=Path, required=True, help="the folder, written anew")
    args = parser.parse_args()

    page = args.page.read_text(encoding="utf-8")
    # The scene's colour, the window's background, as the page gives it to its stage.
    background = re.search(r'<main id="Form1"[^>]*background-color:(#[0-9a-f]{6})', page)
    if not background:
        raise SystemExit("folder.py: the page's stage has no background colour")
    colour = background[1]
    out = args.output
    shutil.rmtree(out, ignore_errors=True)
    out.mkdir(parents=True)

    head = (HERE / "head.html").read_text(encoding="utf-8")
    head = re.sub(r"<!-- SPDX-[^>]*-->\n", "", head)
    head = head.replace("@NAME@", args.name).replace("@COLOUR@", colour)
    (out / "index.html").write_text(served_page(page, head), encoding="utf-8")

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

    # The cache is named by the build's files, so that a build with other files fills another.
    files = sorted(path.name for path in out.iterdir())
    digest = hashlib.sha256()
    for file in files:
        digest.update(file.encode("utf-8") + b"\0" + (out / file).read_bytes())
    worker = (HERE / "sw.js").read_text(encoding="utf-8")
    worker = worker.replace("@BUILD@", f"{args.version}-{digest.hexdigest()[:16]}")
    worker = worker.replace("@FILES@", json.dumps(files))
    (out / "sw.js").write_text(worker, encoding="utf-8")


if __name__ == "__main__":
    main()
