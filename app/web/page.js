// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The page's side of the browser program. The page already shows the window; this takes its
// elements over: it hands the user's clicks, keys and focus to the program by the control each
// element names, and applies what the program changes. The browser's own elements do the rest:
// text editing, focus, tooltips, cursors, scaling. Elements that name no control (an
// extension's, say) are left to their owners.
"use strict";
// Emscripten's minifier reads this script too: it knows nothing of ?. and ?? and renames
// destructured names wrongly.

const root = document.documentElement;
const stage = document.getElementById("Form1");
const elements = [];  // by the control's place in the layout
for (const element of stage.querySelectorAll(":scope > [data-control]")) {
  elements[Number(element.dataset.control)] = element;
}
const indices = new Map(elements.map((element, index) => [element, index]));
// The control an event's target belongs to, or -1.
const controlOf = (target) => {
  for (let node = target; node && node !== stage; node = node.parentNode) {
    if (indices.has(node)) return indices.get(node);
  }
  return -1;
};
const committed = new Map();  // what each box holds as far as the program knows
const held = new Set();  // keys down now: text that comes with one gets its KeyUp from it
let returning = null;  // the box that had the focus when the page lost it
let ended = false;
let runTimeError = "";

// Every call into the program. A fault that escapes it (a trap of the machine itself) ends the
// page as a failing handler does, rather than leaving a page that looks alive.
const call = (entry, ...args) => {
  if (ended) return undefined;
  try {
    return entry(...args);
  } catch (error) {
    Page.end(runTimeError + error.message, true);
    return undefined;
  }
};
// Text for the program goes into memory from malloc, which the program frees: never onto the
// stack, which a long text would overflow. Typed text goes as UTF-16, as the page holds it.
const utf16 = (text) => {
  const size = lengthBytesUTF16(text) + 2;
  const at = _malloc(size);
  stringToUTF16(text, at, size);
  return at;
};
// The drawings of the pictures not on show at start-up: added once the page takes input, when the
// browser is idle after that frame, or before the program's first change, which may show one.
let pictures = document.getElementById("pictures");
const addPictures = () => {
  if (!pictures) return;
  document.body.insertAdjacentHTML("beforeend", pictures.textContent);
  // Each drawing goes into its picture from its template, never held by the script itself: an
  // SVG element in the script's hands would make the browser build it SVG's interfaces (30 KB).
  for (const drawing of document.querySelectorAll("body > template[data-drawing-of]")) {
    document.getElementById(drawing.dataset.drawingOf).append(drawing.content);
    drawing.remove();
  }
  pictures = null;
};
// What the first frame of a working page can do without, done once the browser is idle after it.
const completeScene = () => {
  addPictures();
  stage.classList.add("pointing");
};

const handOver = (box) => {
  committed.set(box, box.value);
  call(_brivolo_text_edited, indices.get(box), stringToNewUTF8(box.value));
};

const modifiers = (event) => [event.shiftKey, event.ctrlKey, event.altKey, event.metaKey];
const boxOf = (target) => (target instanceof HTMLInputElement && indices.has(target) ? target : null);

// Text that comes in one piece, without keys of its own: an on-screen keyboard, handwriting,
// dictation, a paste. The program takes it character by character, as if typed.
const textOf = (event) => (event.dataTransfer ? event.dataTransfer.getData("text/plain") : event.data || "");

const handlers = {
  click(event) {
    const index = controlOf(event.target);
    if (event.button === 0 && index >= 0 && !boxOf(elements[index])) call(_brivolo_click, index);
  },
  keydown(event) {
    held.add(event.code);
    // Tab goes where the window's tab order says, from the control that has the focus (from
    // none, wherever the last click fell); Enter and Space press a picture that acts.
    const index = controlOf(event.target);
    const box = boxOf(event.target);
    if (index < 0 && event.key !== "Tab") return;
    // The input method's keys are its own; what it commits comes through beforeinput.
    if (box && (event.isComposing || event.keyCode === 229)) return;
    // WebKitGTK names Shift+Tab by GTK's own key for it, which the DOM does not know.
    const key = event.key === "Unidentified" && event.code === "Tab" ? "Tab" : event.key;
    const code = call(_brivolo_key_down, index, ...modifiers(event), utf16(key), key.length);
    // A key without a character keeps its own action (arrows, Delete), and so does a
    // shortcut whose control character the box refuses (its editing is stopped below).
    if (code === undefined || code < 0 || (code === 0 && event.ctrlKey && box)) return;
    event.preventDefault();
  },
  keyup(event) {
    held.delete(event.code);
    // The key's Windows key code, as the window's first platform gave it.
    const box = boxOf(event.target);
    if (box) call(_brivolo_key_up, indices.get(box), event.keyCode, ...modifiers(event));
  },
  // Text that comes without a key of its own goes through KeyPress in the program; nothing
  // else may change the box.
  beforeinput(event) {
    const box = boxOf(event.target);
    if (!box) return;
    // Delete types no character, so it reaches no KeyPress and works as in any box.
    if (event.inputType === "deleteContentForward") return;
    event.preventDefault();
    const text = textOf(event);
    call(_brivolo_input, indices.get(box), stringToNewUTF8(event.inputType), utf16(text), text.length, held.size > 0);
  },
  focusin(event) {
    const box = boxOf(event.target);
    if (!box) return;
    const back = returning === box;
    returning = null;
    if (!back) call(_brivolo_focus, indices.get(box));
  },
};

const Page = {
  set(index, field, value) {
    addPictures();
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
      // A control that is hidden or disabled lets the focus go at once, as in the window,
      // rather than at the browser's next look at it, which costs it a layout of the page.
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
  focusedIndex: () => controlOf(document.activeElement),
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
  // The program has taken the elements over: what the user did since the first frame is
  // handed to it in order, and from now on every event as it comes.
  ready(errorPrefix) {
    runTimeError = errorPrefix;
    if (ended) return;
    for (const box of stage.querySelectorAll(":scope > input[data-control]")) committed.set(box, box.value);
    for (const event of earlyEvents.splice(0)) handlers[event.type](event);
    for (const type of Object.keys(handlers)) {
      document.addEventListener(type, (event) => ended || handlers[type](event), type === "keydown" || type === "keyup");
    }
    root.dataset.state = "ready";
    if (window.requestIdleCallback) requestIdleCallback(completeScene);
    else requestAnimationFrame(() => setTimeout(completeScene));
  },
};

// Whatever still got past into a box (autofill, a composition that cannot be cancelled) is undone.
const restore = (event) => {
  const box = boxOf(event.target);
  if (box && box.value !== committed.get(box)) box.value = committed.get(box);
};
document.addEventListener("input", (event) => {
  const box = boxOf(event.target);
  if (!box || ended) return;
  if (event.inputType === "deleteContentForward") handOver(box);
  else restore(event);
});
document.addEventListener("compositionend", restore);
for (const type of ["cut", "drop", "dragover"]) {
  stage.addEventListener(type, (event) => boxOf(event.target) && event.preventDefault());
}
addEventListener("blur", () => {
  returning = document.activeElement;
  held.clear();
});
