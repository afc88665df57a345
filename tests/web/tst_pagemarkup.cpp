// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// The page as the build writes it, before any browser reads it: the drawings made part of the
// page without a clash of ids, the caption kept as it stands, and each element as it stands
// after Load.
#include <QTest>

#include "app/web/elementstate.h"
#include "app/web/pagemarkup.h"
#include "support/harness.h"

using namespace brivolo;

class PageMarkupTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aDrawingBecomesAnElementWithIdsOfItsOwn() {
        const std::string svg =
            "<svg xmlns='http://www.w3.org/2000/svg' width='97' height='185' viewBox='0 0 97 "
            "185' preserveAspectRatio='none'><defs><linearGradient id='cap'/></defs><path "
            "fill='url(#cap)' clip-path=\"url(#cut)\"/><use href='#cap'/><g data-id='x' "
            "id=\"cut\"/></svg>";
        QCOMPARE(inlineSvg(svg, "symbol", " id=\"cone\"", "cone"),
                 std::string("<symbol viewBox=\"0 0 97 185\" preserveAspectRatio=\"none\" "
                             "id=\"cone\"><defs><linearGradient id='cone-cap'/></defs><path "
                             "fill='url(#cone-cap)' clip-path=\"url(#cone-cut)\"/><use "
                             "href='#cone-cap'/><g data-id='x' id=\"cone-cut\"/></symbol>"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, inlineSvg("<g/>", "svg", "", "p"));
    }

    void textIsEscapedForWhereItGoes() {
        QCOMPARE(escapeHtml("a&b<c>\"d\"", true), std::string("a&amp;b<c>&quot;d&quot;"));
        QCOMPARE(escapeHtml("a&b<c>\"d\"", false), std::string("a&amp;b&lt;c>\"d\""));
        QCOMPARE(svgDataUrl("<svg a=\"#1\">%&</svg>"),
                 std::string("data:image/svg+xml,<svg a='%231'>%25%26</svg>"));
    }

    void theTitleKeepsTheCaptionsBlanks() {
        const test::Harness h;
        const PageMarkup markup(h.form, [](std::string_view) { return std::string_view{}; }, {});
        const std::string title = markup.title();
        const std::string_view noBreak = "\u00a0";
        std::string blanks;
        for (std::size_t at = 0; at < title.size();) {
            const bool kept = title.compare(at, noBreak.size(), noBreak) == 0;
            blanks += kept ? ' ' : title[at];
            at += kept ? noBreak.size() : 1;
        }
        QCOMPARE(blanks, std::string(kCaption));
        QVERIFY(markup.title().find("  ") == std::string::npos);
    }

    void eachElementShowsItsControlAfterLoad() {
        const test::Harness h;
        const auto field = [&](const Control& control, ElementField which) {
            return elementState(h.form, control)[static_cast<std::size_t>(which)];
        };
        QCOMPARE(field(h.form.image(7), ElementField::Hidden), std::optional<std::string>(""));
        QCOMPARE(field(h.form.image(70), ElementField::Hidden), std::nullopt);
        QCOMPARE(field(h.form.image(3), ElementField::AriaDisabled),
                 std::optional<std::string>("true"));
        QCOMPARE(field(h.form.image(70), ElementField::AriaDisabled),
                 std::optional<std::string>("false"));
        QCOMPARE(field(h.form.image(2), ElementField::AriaDisabled), std::nullopt);
        QCOMPARE(field(h.form.textBox(4), ElementField::Disabled), std::optional<std::string>(""));
        // Of the three faces on show at one place, only the one in front is heard.
        QCOMPARE(field(h.form.image(67), ElementField::AriaHidden), std::nullopt);
        QCOMPARE(field(h.form.image(68), ElementField::AriaHidden),
                 std::optional<std::string>("true"));
        QCOMPARE(field(h.form.label(11), ElementField::Text),
                 std::optional<std::string>(h.form.label(11).caption()));
    }
};

QTEST_APPLESS_MAIN(PageMarkupTest)
#include "tst_pagemarkup.moc"
