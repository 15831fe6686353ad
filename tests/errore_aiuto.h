#pragma once
// The run-time error a call raised, 0 for none.

#include "platform/errori_runtime.h"

namespace didiv {

template <class F>
int errore_di(F&& chiamata) {
    try {
        chiamata();
    } catch (const ErroreRuntime& e) {
        return e.numero();
    }
    return 0;
}

}  // namespace didiv
