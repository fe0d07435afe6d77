#pragma once

#include "platform/basic/runtime_error.h"

namespace controls {

// Runs one step of a procedure that ignores its errors: a run-time error
// raised by the step ends that step only, and the caller goes on with its
// next one.
template <class Step>
void ResumeNext(Step&& step) {
    try {
        step();
    } catch (const platform::basic::RuntimeError&) {
    }
}

}  // namespace controls
