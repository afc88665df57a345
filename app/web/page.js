// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The page's side of the browser program. The page already shows the window; this takes its
// elements over: it hands the user's clicks, keys and focus to the program by the control's
// place in the layout, and applies what the program changes. The browser's own elements do the
// rest: text editing, focus, tooltips, cursors, scaling.
"use strict";
// Emscripten's minifier reads this script too: it knows nothing of ?. and ?? and renames
// destructured names wrongly.

const root = document.documentElement;
const stage = document.getElementById("Form1");
const elements = [...stage.querySelectorAll(":scope > [id]")];  // in the layout's order
const indices = new Map(elements.map((element, index) => [element, index]));
// An element that is no control of the program's (-1) makes the program fail and end.
const indexOf = (element) => (indices.has(element) ? indices.get(element) : -1);
const committed = new Map();  // what each box holds as far as the program knows
const held = new Set();  // keys down now: text that comes with one gets its KeyUp from it
let returning = null;  // the box that had the focus when the page lost it
let ended = false;

// Text for the program goes into memory from malloc, which the program frees: never onto the
// stack, which a long text would overflow. Typed text goes as UTF-16, as the page holds it.
const utf16 = (text) => {
  const size = lengthBytesUTF16(text) + 2;
  const at = _malloc(size);
  stringToUTF16(text, at, size);
  return at;
};

const handOver = (box) => {
  committed.set(box, box.value);
  _brivolo_text_edited(indexOf(box), stringToNewUTF8(box.value));
};

const Page = {
  set(index, field, value) {
    const element = elements[index];
    if (field === "text") {
      if (element instanceof HTMLInputElement) {
        element.value = value;
        committed.set(element, value);
      } else {
        element.textContent = value;
      }
    } else if (field === "description") {
      document.getElementById(element.getAttribute("aria-describedby")).textContent = value;
    } else if (value === null) {
      element.removeAttribute(field);
    } else {
      // A box that is hidden or disabled lets the focus go at once, as in the window, rather
      // than at the browser's next look at it, which costs it a layout of the page.
      if (element === document.activeElement && (field === "hidden" || field === "disabled")) {
        element.blur();
      }
      element.setAttribute(field, value);
    }
  },
  // What a key typed, at the caret, replacing the selection.
  type(index, text, deleteBefore) {
    const box = elements[index];
    const end = box.selectionEnd;
    const start = deleteBefore && box.selectionStart === end ? Math.max(0, end - 1) : box.selectionStart;
    box.setRangeText(text, start, end, "end");
    handOver(box);
  },
  focusedIndex: () => indexOf(document.activeElement),
  // After the running handler and before any later event, as a queued keystroke would.
  focus(index) {
    queueMicrotask(() => ended || elements[index].focus());
  },
  end(message, failed) {
    ended = true;
    if (failed) console.error(message);
    stage.inert = true;
    stage.hidden = true;
    if (document.activeElement) document.activeElement.blur();
    root.dataset.state = "ended";
    const notice = document.getElementById("ended");
    notice.textContent = message;
    notice.hidden = false;
    window.close();
  },
  ready() {
    if (ended) return;
    // The drawings of the pictures not on show at start-up, before the program can show one.
    document.body.insertAdjacentHTML("beforeend", document.getElementById("pictures").textContent);
    root.dataset.state = "ready";
  },
};

const modifiers = (event) => [event.shiftKey, event.ctrlKey, event.altKey, event.metaKey];

// Clicks and taps on the scene never take the focus from the open box, as pictures, labels and
// lines never take it in the window; only the boxes do. Nothing of the browser's own (picture
// menus, selection) appears over the scene.
document.addEventListener("mousedown", (event) => {
  if (!(event.target instanceof HTMLInputElement && indices.has(event.target))) {
    event.preventDefault();
  }
});
document.addEventListener("contextmenu", (event) => event.preventDefault());
stage.addEventListener("click", (event) => {
  const button = event.target.closest("#Form1 > [role=button]");
  if (!ended && event.button === 0 && button) _brivolo_click(indexOf(button));
});

for (const box of stage.querySelectorAll(":scope > input")) {
  const index = indexOf(box);
  committed.set(box, box.value);
  box.addEventListener("keydown", (event) => {
    // The input method's keys are its own; what it commits comes through beforeinput.
    if (ended || event.isComposing || event.keyCode === 229) return;
    const code = _brivolo_key_down(index, ...modifiers(event), utf16(event.key), event.key.length);
    // A key without a character keeps its own action (arrows, Tab, Delete), and so does a
    // shortcut whose control character the box refuses (its editing is stopped below).
    if (code < 0 || (code === 0 && event.ctrlKey)) return;
    event.preventDefault();
  });
  // The key's Windows key code, as the window's first platform gave it.
  box.addEventListener("keyup", (event) => {
    if (!ended) _brivolo_key_up(index, event.keyCode, ...modifiers(event));
  });
  // Text that comes without a key of its own (an on-screen keyboard, an input method) goes
  // through KeyPress in the program; nothing else may change the box.
  box.addEventListener("beforeinput", (event) => {
    // Delete types no character, so it reaches no KeyPress and works as in any box.
    if (event.inputType === "deleteContentForward" && !ended) return;
    event.preventDefault();
    if (ended) return;
    const data = event.data || "";
    _brivolo_input(index, stringToNewUTF8(event.inputType), utf16(data), data.length, held.size > 0);
  });
  // Whatever still got past (autofill, a composition that cannot be cancelled) is undone.
  const restore = () => {
    if (box.value !== committed.get(box)) box.value = committed.get(box);
  };
  box.addEventListener("input", (event) => {
    if (event.inputType === "deleteContentForward") handOver(box);
    else restore();
  });
  box.addEventListener("compositionend", restore);
  for (const type of ["paste", "cut", "drop", "dragover"]) {
    box.addEventListener(type, (event) => event.preventDefault());
  }
  box.addEventListener("focus", () => {
    const back = returning === box;
    returning = null;
    if (!back && !ended) _brivolo_focus(index);
  });
}

addEventListener("keydown", (event) => held.add(event.code), true);
addEventListener("keyup", (event) => held.delete(event.code), true);
addEventListener("blur", () => {
  returning = document.activeElement;
  held.clear();
});
