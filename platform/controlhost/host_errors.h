#pragma once

#include "platform/basic/runtime_error.h"

namespace platform::controlhost {

// The run-time errors that the control host and its conversions raise, with
// the runtime's numbers and texts.
basic::RuntimeError Overflow();              // 6
basic::RuntimeError SubscriptOutOfRange();   // 9
basic::RuntimeError TypeMismatch();          // 13
basic::RuntimeError InvalidProcedureCall();  // 5
basic::RuntimeError ObjectNotSet();          // 91
basic::RuntimeError InvalidPicture();        // 481

}  // namespace platform::controlhost
