// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The character a key press gives the boxes' KeyPress, whichever toolkit reports it.
#include <QTest>

#include "app/keystroke.h"

using namespace brivolo;

namespace {

constexpr Modifiers kNone{};
constexpr Modifiers kShift{.shift = true};
constexpr Modifiers kControl{.control = true};
constexpr Modifiers kAlt{.alt = true};
constexpr Modifiers kAltGr{.control = true, .alt = true};
constexpr Modifiers kMeta{.meta = true};
constexpr int kNoCharacter = -1;

}  // namespace

Q_DECLARE_METATYPE(brivolo::KeyStroke)

class KeyStrokeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void characterCode_data() {
        QTest::addColumn<KeyStroke>("stroke");
        QTest::addColumn<int>("code");
        const auto row = [](const char* name, KeyStroke stroke, int code) {
            QTest::newRow(name) << stroke << code;
        };
        row("digit", {kNone, NamedKey::None, 0, u"7"}, '7');
        row("shifted letter", {kShift, NamedKey::None, 'A', u"A"}, 'A');
        row("accented letter", {kNone, NamedKey::None, 0, u"è"}, 0xe8);
        row("a character beyond 16 bits gives its first unit", {kNone, NamedKey::None, 0, u"😀"},
            static_cast<short>(0xd83d));
        row("Backspace", {kNone, NamedKey::Backspace, 0, u"\b"}, kBackspace);
        row("Ctrl+Backspace", {kControl, NamedKey::Backspace, 0, u"\x7f"}, 127);
        row("Enter, with Control too", {kControl, NamedKey::Enter, 0, {}}, 13);
        row("Escape", {kNone, NamedKey::Escape, 0, {}}, 27);
        row("Tab", {kNone, NamedKey::Tab, 0, u"\t"}, kNoCharacter);
        row("Delete", {kNone, NamedKey::Delete, 0, u"\x7f"}, kNoCharacter);
        row("Ctrl+V, whatever text comes with it", {kControl, NamedKey::None, 'V', u"v"}, 22);
        row("Ctrl+H is a Backspace", {kControl, NamedKey::None, 'H', u"\b"}, kBackspace);
        row("Ctrl+digit", {kControl, NamedKey::None, 0, u"2"}, kNoCharacter);
        row("Ctrl with a control character", {kControl, NamedKey::None, 0, u"\x1b"}, 27);
        row("Alt+digit", {kAlt, NamedKey::None, 0, u"5"}, kNoCharacter);
        row("Control and Alt (AltGr on Windows) with a sign", {kAltGr, NamedKey::None, 0, u"@"},
            kNoCharacter);
        row("Meta+digit", {kMeta, NamedKey::None, 0, u"5"}, kNoCharacter);
        row("arrow or Shift: no text", {kNone, NamedKey::None, 0, {}}, kNoCharacter);
    }

    void characterCode() {
        QFETCH(KeyStroke, stroke);
        QFETCH(int, code);
        const std::optional<short> typed = brivolo::characterCode(stroke);
        QCOMPARE(typed.has_value() ? int{*typed} : kNoCharacter, code);
    }

    void domKeys() {
        struct Row {
            const char16_t* key;
            Modifiers held;
            int code;
        };
        const Row rows[] = {
            {u"7", kNone, '7'},
            {u"è", kNone, 0xe8},
            {u"v", kControl, 22},
            {u"V", kControl, 22},
            {u"Backspace", kNone, kBackspace},
            {u"Enter", kShift, 13},
            {u"Delete", kNone, kNoCharacter},
            {u"ArrowLeft", kNone, kNoCharacter},
            {u"Dead", kNone, kNoCharacter},
            {u"😀", kNone, static_cast<short>(0xd83d)},
        };
        for (const Row& row : rows) {
            const std::optional<short> typed =
                brivolo::characterCode(domKeyStroke(row.held, row.key));
            QCOMPARE(typed.has_value() ? int{*typed} : kNoCharacter, row.code);
        }
        QVERIFY(pressesButton(domKeyStroke(kNone, u"Enter")));
        QVERIFY(pressesButton(domKeyStroke(kShift, u" ")));
        QVERIFY(!pressesButton(domKeyStroke(kControl, u" ")));
        QVERIFY(!pressesButton(domKeyStroke(kNone, u"a")));
    }

    void theLetterOfAKeyIsTheSameFromItsCodeOrItsCharacter() {
        QCOMPARE(keyLetter(U'q'), 'Q');
        QCOMPARE(keyLetter(0x51), 'Q');  // Qt::Key_Q
        QCOMPARE(keyLetter(U'1'), '\0');
        QCOMPARE(keyLetter(0x01000003), '\0');  // Qt::Key_Backspace
        QCOMPARE(keyCodeOf('q'), int{'Q'});
        QCOMPARE(keyCodeOf('5'), int{'5'});
        QCOMPARE(keyCodeOf(kBackspace), 8);
    }

    void shiftStateAddsUpTheModifiers() {
        QCOMPARE(shiftState(kNone), 0);
        QCOMPARE(shiftState({.shift = true, .alt = true, .meta = true}), 5);
        QCOMPARE(shiftState(kAltGr), 6);
    }
};

QTEST_APPLESS_MAIN(KeyStrokeTest)
#include "tst_keystroke.moc"
