#include "dispatch.h"

#include <cstdio>
#include <cstdlib>

namespace brivolo {

void reportFatalError(const std::exception& error) {
    std::fprintf(stderr, "brivolo: errore di run-time: %s\n", error.what());
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace brivolo
