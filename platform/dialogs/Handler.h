// The one slot of a replaceable handler of this library (one per handler type), and its
// exchange. Used only inside the library's sources, so that each slot exists once.
#pragma once

#include <utility>

template <class H> H &DialogHandler() {
    static H handler;
    return handler;
}

// Installs a handler and answers the previous one.
template <class H> H ReplaceDialogHandler(H handler) {
    H previous = std::move(DialogHandler<H>());
    DialogHandler<H>() = std::move(handler);
    return previous;
}
