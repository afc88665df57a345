// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The page's side of the browser program: it makes the elements the program asks for, mirrors
// their properties and hands the user's clicks, keys and focus to the program. Everything the
// window shows or says comes from the program; the browser's own elements do the rest.
"use strict";

function utf8(pointer) {
  return new TextDecoder().decode(HEAPU8.subarray(pointer, HEAPU8.indexOf(0, pointer)));
}

var Page = (function () {
  var root = document.documentElement;
  var stage = document.getElementById("Form1");
  var said = document.getElementById("said");
  var elements = [];  // by the control's place in the program's layout
  var pictures = [];  // picture documents by asset
  // Hidden pictures whose document is not given to them yet: until the first frame is ready,
  // a picture is loaded only when it shows, so that hidden ones do not hold up the first frame.
  var unloaded = new Map();
  var committed = [];  // what each box holds as far as the program knows
  var boxes = [];
  var hand = "";
  var ascent = 1;  // of the em, where the window's texts have their first baseline
  var ended = false;
  var held = new Set();  // keys down now: text that comes with one gets its KeyUp from it
  var returning = null;  // the box that had the focus when the page lost it

  function svgUrl(svg) {
    return "data:image/svg+xml," + encodeURIComponent(svg);
  }

  function place(element, index, name, z, rect) {
    element.id = name;
    element.style.cssText = "left:" + rect[0] + "px;top:" + rect[1] + "px;width:" + rect[2] +
        "px;height:" + rect[3] + "px;z-index:" + z;
    elements[index] = element;
    stage.appendChild(element);
    return element;
  }

  function load(picture) {
    picture.src = unloaded.get(picture);
    unloaded.delete(picture);
  }

  function fit() {
    var scale = Math.min(innerWidth / stage.offsetWidth, innerHeight / stage.offsetHeight);
    stage.style.transform = "translate(-50%,-50%) scale(" + scale + ")";
    root.style.setProperty("--stage-bottom", (innerHeight + stage.offsetHeight * scale) / 2 + "px");
  }

  // Gives the program the box's text after an edit it let through.
  function handOver(index, text) {
    var bytes = new TextEncoder().encode(text);
    HEAPU8.set(bytes, _brivolo_text_buffer(bytes.length));
    _brivolo_text_edited(index);
  }

  // One character code through the box's KeyPress; what passes is typed at the caret.
  // Returns whether it passed.
  function press(index, code) {
    var box = elements[index];
    code = _brivolo_key_press(index, (code << 16) >> 16);
    if (ended || code === 0 || box.disabled) return false;
    var start = box.selectionStart, end = box.selectionEnd, value = box.value;
    var typed = "";
    if (code === 8) {
      if (start === end && start > 0) start -= 1;
    } else {
      typed = String.fromCharCode(code & 0xffff);
    }
    box.value = value.slice(0, start) + typed + value.slice(end);
    box.setSelectionRange(start + typed.length, start + typed.length);
    committed[index] = box.value;
    handOver(index, box.value);
    return true;
  }

  function shiftState(event) {
    return (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
  }

  // The character code a key types, or null for keys that type none; the input method's keys
  // are left to it. As on the desktop: Alt combinations are commands, Control with a letter is
  // its control character (Ctrl+H a Backspace, Ctrl+V 22) and with anything else types nothing.
  function typedCode(event) {
    if (event.isComposing || event.keyCode === 229) return null;
    var control = event.ctrlKey;
    if (event.metaKey || (event.altKey && !control)) return null;
    switch (event.key) {
      case "Backspace": return control ? 127 : 8;
      case "Enter": return 13;
      case "Escape": return 27;
    }
    if (Array.from(event.key).length !== 1) return null;
    if (control && /^[a-z]$/i.test(event.key)) return event.key.toUpperCase().charCodeAt(0) - 64;
    return control ? null : event.key.charCodeAt(0);
  }

  function listenToBox(box, index) {
    box.addEventListener("keydown", function (event) {
      var code = typedCode(event);
      if (code === null) return;
      // A control character the box refuses leaves the browser's own shortcut alone (its
      // editing commands are stopped below).
      var typed = !ended && press(index, code);
      if (!typed && event.ctrlKey) return;
      event.preventDefault();
    });
    // The key's Windows key code, as the window's first platform gave it: for digits and
    // letters the same number the desktop program passes.
    box.addEventListener("keyup", function (event) {
      if (!ended) _brivolo_key_up(index, event.keyCode, shiftState(event));
    });
    // Text that comes without a key of its own (an on-screen keyboard, an input method) goes
    // through KeyPress character by character; nothing else may change the box.
    box.addEventListener("beforeinput", function (event) {
      // Delete types no character, so it reaches no KeyPress and works as in any box.
      if (event.inputType === "deleteContentForward" && !ended) return;
      event.preventDefault();
      if (ended) return;
      var codes = [];
      if (event.inputType === "insertText" && event.data) {
        codes = Array.from(event.data).map(function (c) { return c.charCodeAt(0); });
      } else if (event.inputType === "deleteContentBackward") {
        codes = [8];
      }
      codes.forEach(function (code) {
        press(index, code);
        if (held.size === 0) {
          var key = String.fromCharCode(code).toUpperCase();
          _brivolo_key_up(index, /[0-9A-Z]/.test(key) ? key.charCodeAt(0) : code, 0);
        }
      });
    });
    // Whatever still got past (autofill, a composition that cannot be cancelled) is undone.
    function restore() {
      if (box.value !== committed[index]) box.value = committed[index];
    }
    box.addEventListener("input", function (event) {
      if (event.inputType === "deleteContentForward") {
        committed[index] = box.value;
        handOver(index, box.value);
      } else {
        restore();
      }
    });
    box.addEventListener("compositionend", restore);
    ["paste", "cut", "drop", "dragover", "contextmenu"].forEach(function (type) {
      box.addEventListener(type, function (event) { event.preventDefault(); });
    });
    box.addEventListener("focus", function () {
      var back = returning === box;
      returning = null;
      if (!back && !ended) _brivolo_got_focus(index);
    });
  }

  addEventListener("keydown", function (event) { held.add(event.code); }, true);
  addEventListener("keyup", function (event) { held.delete(event.code); }, true);
  addEventListener("blur", function () {
    returning = document.activeElement;
    held.clear();
  });
  addEventListener("resize", fit);

  return {
    stage: function (caption, width, height, colour, background, pictureWidth, pictureHeight,
                     cursor, hotspotX, hotspotY, fontAscent) {
      ascent = fontAscent;
      document.title = caption;
      document.getElementById("caption").textContent = caption;
      stage.setAttribute("aria-label", caption);
      stage.style.width = width + "px";
      stage.style.height = height + "px";
      stage.style.background = "url(\"" + svgUrl(background) + "\") 0 0 / " + pictureWidth +
          "px " + pictureHeight + "px no-repeat " + colour;
      hand = "url(\"" + svgUrl(cursor) + "\") " + hotspotX + " " + hotspotY + ", pointer";
      fit();
    },
    picture: function (index, name, z, rect, asset, svg, tooltip, spoken, button, handCursor) {
      if (svg) pictures[asset] = svgUrl(svg);
      var picture = place(document.createElement("img"), index, name, z, rect);
      unloaded.set(picture, pictures[asset]);
      picture.alt = spoken;
      picture.draggable = false;
      if (tooltip) picture.title = tooltip;
      if (handCursor) picture.style.cursor = hand;
      if (button) {
        picture.setAttribute("role", "button");
        picture.addEventListener("click", function (event) {
          if (event.button === 0 && !ended) _brivolo_click(index);
        });
      }
    },
    label: function (index, name, z, rect, caption, fontPixels, fore, back) {
      var label = place(document.createElement("div"), index, name, z, rect);
      label.className = "label";
      label.textContent = caption;
      label.style.fontSize = fontPixels + "px";
      label.style.color = fore;
      label.style.background = back;
    },
    textBox: function (index, name, z, rect, fontPixels, fore, back, tabIndex, spoken) {
      var box = place(document.createElement("input"), index, name, z, rect);
      box.type = "text";
      box.inputMode = "numeric";
      box.autocomplete = "off";
      box.spellcheck = false;
      box.setAttribute("autocorrect", "off");
      box.setAttribute("autocapitalize", "off");
      box.tabIndex = tabIndex;
      box.setAttribute("aria-label", spoken);
      box.style.fontSize = fontPixels + "px";
      box.style.color = box.style.webkitTextFillColor = fore;
      box.style.background = back;
      committed[index] = "";
      boxes.push(box);
      listenToBox(box, index);
    },
    stroke: function (index, name, z, rect, svg, spoken) {
      var stroke = place(document.createElement("div"), index, name, z, rect);
      stroke.className = "stroke";
      stroke.setAttribute("role", "img");
      stroke.setAttribute("aria-label", spoken);
      stroke.style.backgroundImage = "url(\"" + svgUrl(svg) + "\")";
    },
    visible: function (index, visible) {
      var element = elements[index];
      element.hidden = !visible;
      if (visible && unloaded.has(element)) load(element);
    },
    enabled: function (index, enabled) {
      var element = elements[index];
      if (element.tagName === "INPUT") element.disabled = !enabled;
      else if (element.getAttribute("role") === "button") {
        element.setAttribute("aria-disabled", enabled ? "false" : "true");
      }
    },
    text: function (index, text) {
      var element = elements[index];
      if (element.tagName === "INPUT") {
        committed[index] = element.value = text;
      } else {
        element.textContent = text;
      }
    },
    behind: function (index, behind) {
      if (behind) elements[index].setAttribute("aria-hidden", "true");
      else elements[index].removeAttribute("aria-hidden");
    },
    spoken: function (index, name, description) {
      var element = elements[index];
      if (element.tagName === "DIV" && element.className === "label") {
        if (name) element.setAttribute("role", "img");
        else element.removeAttribute("role");
      }
      if (name) element.setAttribute("aria-label", name);
      else if (element.tagName !== "INPUT") element.removeAttribute("aria-label");
      var id = element.id + "-said";
      var note = document.getElementById(id);
      if (!note) {
        note = said.appendChild(document.createElement("span"));
        note.id = id;
      }
      note.textContent = description;
      if (description) element.setAttribute("aria-describedby", id);
      else element.removeAttribute("aria-describedby");
    },
    // The next enabled, visible box in tab order takes the focus once the handler is done.
    queueTab: function () {
      setTimeout(function () {
        if (ended) return;
        var order = boxes.filter(function (box) { return !box.disabled && !box.hidden; });
        order.sort(function (a, b) { return a.tabIndex - b.tabIndex; });
        if (order.length === 0) return;
        var at = order.indexOf(document.activeElement);
        order[(at + 1) % order.length].focus();
      }, 0);
    },
    end: function (message) {
      ended = true;
      stage.inert = true;
      stage.hidden = true;
      if (document.activeElement) document.activeElement.blur();
      root.dataset.state = "ended";
      var notice = document.getElementById("ended");
      notice.textContent = message;
      notice.hidden = false;
      window.close();
    },
    ready: function () {
      var shown = elements.filter(function (element) {
        return element.tagName === "IMG" && !element.hidden;
      });
      shown.forEach(function (picture) { if (unloaded.has(picture)) load(picture); });
      // The stage's face itself, rather than document.fonts.ready, which waits for a rendering.
      var look = getComputedStyle(stage);
      Promise.all(shown.map(function (picture) { return picture.decode(); }).concat(
          [document.fonts.load(look.fontWeight + " 1em " + look.fontFamily)])).then(function () {
        // A face whose ascent is smaller than designed would set the labels too high.
        var measure = document.createElement("canvas").getContext("2d");
        elements.forEach(function (label) {
          if (label.className !== "label") return;
          var style = getComputedStyle(label);
          measure.font = style.fontWeight + " " + style.fontSize + " " + style.fontFamily;
          var pixels = parseFloat(style.fontSize);
          var actual = measure.measureText("").fontBoundingBoxAscent;
          label.style.paddingTop = Math.max(0, Math.round(pixels * ascent) - actual) + "px";
        });
        if (!ended) root.dataset.state = "ready";
        // The rest once the first frame is out, so that they are ready before they are shown.
        requestAnimationFrame(function () {
          setTimeout(function () { unloaded.forEach(function (url, picture) { load(picture); }); });
        });
      });
    },
  };
})();
