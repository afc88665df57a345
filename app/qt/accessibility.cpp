#include "accessibility.h"

#include <QWidget>
#include <array>

#include "app/form1.h"
#include "formwindow.h"
#include "game/players.h"
#include "pictureaccessible.h"

namespace brivolo {

namespace {

constexpr int kFirstOperandLabel = 1;
constexpr int kSignLabel = 2;
constexpr int kSecondOperandLabel = 3;
constexpr int kOperationBalloon = 1;
constexpr int kTotalBox = 4;

struct ScoreSquare {
    int label;
    const char* owner;
};

constexpr std::array<ScoreSquare, 3> kScoreSquares{{
    {kPlayers[0].scoreLabel, "Punti del verde"},
    {kPlayers[1].scoreLabel, "Punti del rosso"},
    {kPlayers[2].scoreLabel, "Punti dell'azzurro"},
}};

// The labels between the numbers: the "=" after the operation and the signs of the score row.
struct Symbol {
    int label;
    const char* spoken;
};

constexpr std::array<Symbol, 4> kSymbols{{{4, "uguale"}, {6, "più"}, {8, "più"}, {10, "uguale"}}};

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

QString spokenSign(const std::string& sign) {
    if (sign == "+") {
        return QStringLiteral("più");
    }
    if (sign == "-") {
        return QStringLiteral("meno");
    }
    return fromUtf8(sign);
}

QString spokenOperation(Form1& form) {
    const std::string& first = form.label(kFirstOperandLabel).caption();
    const std::string& second = form.label(kSecondOperandLabel).caption();
    if (first.empty() || second.empty()) {
        return QStringLiteral("Fumetto dell'operazione");
    }
    return fromUtf8(first) + QLatin1Char(' ') + spokenSign(form.label(kSignLabel).caption()) +
           QLatin1Char(' ') + fromUtf8(second) + QStringLiteral(" uguale");
}

SpokenText spokenLabel(const Label& label) {
    const int number = label.number();
    switch (number) {
        case kFirstOperandLabel:
            return {fromUtf8(label.caption()), QStringLiteral("Primo numero dell'operazione")};
        case kSignLabel:
            return {spokenSign(label.caption()), QStringLiteral("Segno dell'operazione")};
        case kSecondOperandLabel:
            return {fromUtf8(label.caption()), QStringLiteral("Secondo numero dell'operazione")};
        default:
            break;
    }
    for (const ScoreSquare& square : kScoreSquares) {
        if (square.label == number) {
            const QString owner = QString::fromUtf8(square.owner);
            return {label.caption().empty()
                        ? owner
                        : owner + QStringLiteral(": ") + fromUtf8(label.caption()),
                    {}};
        }
    }
    for (const Symbol& symbol : kSymbols) {
        if (symbol.label == number) {
            return {QString::fromUtf8(symbol.spoken), {}};
        }
    }
    return {};
}

// The open box is the one the balloon points at while it still takes an answer.
bool isOpenAnswerBox(Form1& form, const TextBox& box) {
    for (const PlayerBinding& player : kPlayers) {
        if (player.answerBox == box.number()) {
            return box.visible() && box.enabled() && form.shape(player.balloonShape).visible();
        }
    }
    return false;
}

SpokenText spokenTextBox(Form1& form, const TextBox& box) {
    if (box.number() == kTotalBox) {
        return {{},
                box.enabled() && box.visible()
                    ? QStringLiteral("Tocca a te: scrivi il totale dei punti dei tre nipotini")
                    : QString()};
    }
    return {{}, isOpenAnswerBox(form, box) ? QStringLiteral("Tocca a te") : QString()};
}

void apply(QWidget& widget, const SpokenText& text) {
    if (!text.name.isEmpty() && widget.accessibleName() != text.name) {
        widget.setAccessibleName(text.name);
    } else if (text.name.isEmpty() && widget.inherits("QLabel") &&
               !widget.accessibleName().isEmpty()) {
        widget.setAccessibleName({});  // the label's own text speaks again
    }
    if (widget.accessibleDescription() != text.description) {
        widget.setAccessibleDescription(text.description);
    }
}

}  // namespace

SpokenText spokenText(Form1& form, const Control& control) {
    switch (control.kind()) {
        case ControlKind::Label:
            return spokenLabel(static_cast<const Label&>(control));
        case ControlKind::TextBox:
            return spokenTextBox(form, static_cast<const TextBox&>(control));
        case ControlKind::Shape:
            if (control.number() == kOperationBalloon) {
                return {spokenOperation(form), {}};
            }
            break;
        case ControlKind::Picture:
        case ControlKind::Line:
            break;
    }
    return {};
}

void updateSpokenTexts(Form1& form, const FormWindow& window) {
    for (const Control* control : form.controls()) {
        const ControlKind kind = control->kind();
        const bool followsGame =
            kind == ControlKind::Label || kind == ControlKind::TextBox ||
            (kind == ControlKind::Shape && control->number() == kOperationBalloon);
        if (!followsGame) {
            continue;
        }
        if (QWidget* widget = window.widgetFor(*control); widget != nullptr) {
            apply(*widget, spokenText(form, *control));
        }
    }
    updateStackedPictures(form, window);
}

}  // namespace brivolo
