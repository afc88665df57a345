// Quit: the setting sun ends the program; nothing is kept between runs.
#include "app/form1.h"

namespace brivolo {

void Form1::Image88_Click() {
    ended_ = true;
    host_.endProgram();
}

}  // namespace brivolo
