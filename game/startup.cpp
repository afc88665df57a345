// Start-up: binds the picture rows and puts the window into its state before the first game.
#include "app/form1.h"

namespace brivolo {

namespace {

void bindRow(ImageArray& row, Form1& form, int (*imageNumber)(int element)) {
    for (int i = 1; i <= kRowLength; ++i) {
        row.bind(i, form.image(imageNumber(i)));
    }
    for (int i = 1; i <= kRowLength; ++i) {
        row[i].setVisible(false);
    }
}

}  // namespace

void Form1::Form_Load() {
    image(71).setVisible(false);
    image(93).setVisible(false);
    image(90).setVisible(false);
    image(91).setVisible(false);

    bindRow(state_.contaoperazioni, *this, [](int k) { return progressImageNumber(k); });
    bindRow(state_.gelativerdi, *this, [](int k) { return coneImageNumber(ConeRow::Green, k); });
    bindRow(state_.gelatirossi, *this, [](int k) { return coneImageNumber(ConeRow::Red, k); });
    bindRow(state_.gelatiazzurri, *this,
            [](int k) { return coneImageNumber(ConeRow::LightBlue, k); });

    showAllBalloonOutlines(false);
    label(4).setVisible(false);
    image(3).setEnabled(false);
    textBox(4).setEnabled(false);
}

}  // namespace brivolo
