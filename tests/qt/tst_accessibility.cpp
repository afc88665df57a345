// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// What the window tells assistive technology, read through Qt's accessibility interfaces as a
// screen reader's bridge reads them: the operation in its parts and as a whole, the scores,
// whose turn it is, and which controls are hidden or disabled.
#include <QAccessible>
#include <QApplication>
#include <QtTest>

#include "support/shownoperation.h"
#include "support/windowfixture.h"

using namespace brivolo;

class SpokenTextTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void beforeAGameNothingIsSomeonesTurn();
    void newGameReadsZeroScores();
    void operationReadsInItsPartsAndAsAWhole();
    void openBoxSaysWhoseTurnItIs();
    void rightAnswerIsReadInTheScore();
    void hiddenAndDisabledControlsAreReportedSo();
    void finalBoxAsksForTheTotal();
    void buttonsPressAndStacksShowTheirFront();

private:
    QAccessibleInterface* accessible(const QString& control) const;
    QString name(const QString& control) const;
    QString description(const QString& control) const;
    QAccessible::State state(const QString& control) const;
    void newGame();
    void nextOperation();
    void answer(int box, bool right);

    std::unique_ptr<test::WindowFixture> fixture_;
    Form1* form_ = nullptr;
    FormWindow* window_ = nullptr;
};

void SpokenTextTest::init() {
    fixture_ = std::make_unique<test::WindowFixture>(7);
    form_ = &fixture_->form;
    window_ = fixture_->window.get();
    QVERIFY(fixture_->showExposed());
}

void SpokenTextTest::cleanup() {
    fixture_.reset();
}

QAccessibleInterface* SpokenTextTest::accessible(const QString& control) const {
    QWidget* widget = window_->findChild<QWidget*>(control);
    return widget == nullptr ? nullptr : QAccessible::queryAccessibleInterface(widget);
}

QString SpokenTextTest::name(const QString& control) const {
    QAccessibleInterface* a = accessible(control);
    return a == nullptr ? QStringLiteral("<no %1>").arg(control) : a->text(QAccessible::Name);
}

QString SpokenTextTest::description(const QString& control) const {
    QAccessibleInterface* a = accessible(control);
    return a == nullptr ? QStringLiteral("<no %1>").arg(control)
                        : a->text(QAccessible::Description);
}

QAccessible::State SpokenTextTest::state(const QString& control) const {
    QAccessibleInterface* a = accessible(control);
    return a == nullptr ? QAccessible::State() : a->state();
}

void SpokenTextTest::newGame() {
    form_->click(form_->image(70));
    QCoreApplication::processEvents();  // the spoken texts follow once the handler is done
}

void SpokenTextTest::nextOperation() {
    form_->click(form_->image(3));
    QCoreApplication::processEvents();
}

// Typed into the box's widget, key by key, as the user types it.
void SpokenTextTest::answer(int box, bool right) {
    const std::string result = std::to_string(test::shownResult(*form_));
    const std::string typed = right ? result : test::wrongOfSameLength(result);
    QWidget* widget = window_->findChild<QWidget*>(QStringLiteral("Text%1").arg(box));
    QTest::keyClicks(widget, QString::fromStdString(typed));
    QCoreApplication::processEvents();
}

void SpokenTextTest::beforeAGameNothingIsSomeonesTurn() {
    QCOMPARE(name(QStringLiteral("Shape1")), QStringLiteral("Fumetto dell'operazione"));
    QCOMPARE(name(QStringLiteral("Label5")), QStringLiteral("Punti del verde"));
    for (int box = 1; box <= 4; ++box) {
        QCOMPARE(description(QStringLiteral("Text%1").arg(box)), QString());
    }
    QCOMPARE(name(QStringLiteral("Text1")), QStringLiteral("Risposta del nipotino verde"));
    QCOMPARE(name(QStringLiteral("Label4")), QStringLiteral("uguale"));
    QCOMPARE(name(QStringLiteral("Label6")), QStringLiteral("più"));
    QCOMPARE(name(QStringLiteral("Label10")), QStringLiteral("uguale"));
    QCOMPARE(name(QStringLiteral("Label11")),
             QStringLiteral("ZIO GORVALDO COMPRERÀ AI NIPOTINI UN GELATO PER OGNI RISPOSTA "
                            "ESATTA: AIUTA BRIVOLO!"));
}

void SpokenTextTest::newGameReadsZeroScores() {
    newGame();
    QCOMPARE(name(QStringLiteral("Label5")), QStringLiteral("Punti del verde: 0"));
    QCOMPARE(name(QStringLiteral("Label7")), QStringLiteral("Punti del rosso: 0"));
    QCOMPARE(name(QStringLiteral("Label9")), QStringLiteral("Punti dell'azzurro: 0"));
}

void SpokenTextTest::operationReadsInItsPartsAndAsAWhole() {
    newGame();
    bool sawAddition = false;
    bool sawSubtraction = false;
    for (int operation = 1; operation <= 12; ++operation) {
        nextOperation();
        const QString first = QString::fromStdString(form_->label(1).caption());
        const QString second = QString::fromStdString(form_->label(3).caption());
        const bool addition = form_->label(2).caption() == "+";
        sawAddition = sawAddition || addition;
        sawSubtraction = sawSubtraction || !addition;
        const QString sign = addition ? QStringLiteral("più") : QStringLiteral("meno");
        QCOMPARE(name(QStringLiteral("Label1")), first);
        QCOMPARE(name(QStringLiteral("Label2")), sign);
        QCOMPARE(name(QStringLiteral("Label3")), second);
        QCOMPARE(description(QStringLiteral("Label1")),
                 QStringLiteral("Primo numero dell'operazione"));
        QCOMPARE(description(QStringLiteral("Label2")), QStringLiteral("Segno dell'operazione"));
        QCOMPARE(description(QStringLiteral("Label3")),
                 QStringLiteral("Secondo numero dell'operazione"));
        QCOMPARE(name(QStringLiteral("Shape1")),
                 QStringLiteral("%1 %2 %3 uguale").arg(first, sign, second));
        answer((operation - 1) % 3 + 1, true);
    }
    QVERIFY2(sawAddition && sawSubtraction, "twelve operations without both kinds");
}

void SpokenTextTest::openBoxSaysWhoseTurnItIs() {
    newGame();
    const QString turn = QStringLiteral("Tocca a te");
    for (int operation = 1; operation <= 4; ++operation) {
        nextOperation();
        const int open = (operation - 1) % 3 + 1;
        for (int box = 1; box <= 3; ++box) {
            QCOMPARE(description(QStringLiteral("Text%1").arg(box)),
                     box == open ? turn : QString());
        }
        answer(open, operation % 2 == 0);
        QCOMPARE(description(QStringLiteral("Text%1").arg(open)), QString());
    }
}

void SpokenTextTest::rightAnswerIsReadInTheScore() {
    newGame();
    nextOperation();
    answer(1, true);
    QCOMPARE(name(QStringLiteral("Label5")), QStringLiteral("Punti del verde: 1"));
    nextOperation();
    answer(2, false);
    QCOMPARE(name(QStringLiteral("Label7")), QStringLiteral("Punti del rosso: 0"));
    nextOperation();
    answer(3, true);
    QCOMPARE(name(QStringLiteral("Label9")), QStringLiteral("Punti dell'azzurro: 1"));
}

void SpokenTextTest::hiddenAndDisabledControlsAreReportedSo() {
    QVERIFY(state(QStringLiteral("Image3")).disabled);    // the abacus before a game
    QVERIFY(state(QStringLiteral("Image88")).invisible);  // the quit sun before the 20th
    QVERIFY(state(QStringLiteral("Image71")).invisible);  // no answer judged yet
    QVERIFY(!state(QStringLiteral("Image92")).invisible);
    newGame();
    QVERIFY(!state(QStringLiteral("Image3")).disabled);
    QVERIFY(state(QStringLiteral("Image70")).disabled);
    nextOperation();
    QVERIFY(!state(QStringLiteral("Text1")).invisible);
    QVERIFY(state(QStringLiteral("Text2")).invisible);
    QVERIFY(state(QStringLiteral("Text3")).invisible);
    QCOMPARE(name(QStringLiteral("Image68")), QStringLiteral("Faccina sorridente: totale esatto"));
    QCOMPARE(name(QStringLiteral("Image93")),
             QStringLiteral("Il pesce è triste: risposta sbagliata"));
}

void SpokenTextTest::finalBoxAsksForTheTotal() {
    newGame();
    for (int operation = 1; operation <= 20; ++operation) {
        QCOMPARE(description(QStringLiteral("Text4")), QString());
        nextOperation();
        answer((operation - 1) % 3 + 1, true);
    }
    QVERIFY(!state(QStringLiteral("Text4")).disabled);
    QVERIFY(description(QStringLiteral("Text4")).startsWith(QStringLiteral("Tocca a te")));
    QVERIFY(!state(QStringLiteral("Image88")).invisible);
}

// The three picture buttons press as the mouse clicks, only when the game takes the click and
// without taking the focus; of the faces stacked at one place only the front one is visible.
void SpokenTextTest::buttonsPressAndStacksShowTheirFront() {
    for (const char* button : {"Image70", "Image3", "Image88"}) {
        QCOMPARE(accessible(QString::fromLatin1(button))->role(), QAccessible::Button);
    }
    QCOMPARE(accessible(QStringLiteral("Image2"))->role(), QAccessible::Client);
    QWidget* focus = QApplication::focusWidget();
    auto press = [this](const char* button) {
        QAccessibleActionInterface* action =
            accessible(QString::fromLatin1(button))->actionInterface();
        QVERIFY(action != nullptr && action->actionNames() == QStringList{action->pressAction()});
        action->doAction(action->pressAction());
        QCoreApplication::processEvents();
    };
    auto visibleFaces = [this] {
        QString faces;
        for (int face = 67; face <= 69; ++face) {
            if (!state(QStringLiteral("Image%1").arg(face)).invisible) {
                faces += QString::number(face);
            }
        }
        return faces;
    };
    QVERIFY(form_->image(67).visible() && form_->image(68).visible());
    QCOMPARE(visibleFaces(), QStringLiteral("67"));
    press("Image3");  // before a game the abacus takes no click
    QCOMPARE(form_->state().totoperazioni, 0.0f);
    press("Image70");
    QVERIFY(form_->image(3).enabled());
    QCOMPARE(QApplication::focusWidget(), focus);
    press("Image3");
    QCOMPARE(form_->state().totoperazioni, 1.0f);
    form_->image(67).setVisible(false);
    form_->image(68).setVisible(true);
    form_->image(69).setVisible(true);
    QCOMPARE(visibleFaces(), QStringLiteral("69"));
}

QTEST_MAIN(SpokenTextTest)
#include "tst_accessibility.moc"
