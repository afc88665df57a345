#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
"""Writes the one HTML file of the browser program: the page, its script with the compiled
program inside, and the font, all inline so that the file works from disk."""
import base64
import sys

shell, script, font, out = sys.argv[1:5]
with open(shell, encoding="utf-8") as f:
    page = f.read()
with open(script, encoding="utf-8") as f:
    code = f.read()
if "</script" in code.lower():
    sys.exit("assemble.py: the script would end the page's <script> element early")
with open(font, "rb") as f:
    font_data = base64.b64encode(f.read()).decode("ascii")
page = page.replace("@FONT@", font_data).replace("@SCRIPT@", code)
with open(out, "w", encoding="utf-8") as f:
    f.write(page)
