#pragma once

#include "platform/basic/runtime_error.h"

namespace platform::controlhost {

// The run-time errors that the control host and its conversions raise, with
// the runtime's numbers and texts.
RuntimeError Overflow();              // 6
RuntimeError SubscriptOutOfRange();   // 9
RuntimeError TypeMismatch();          // 13
RuntimeError InvalidProcedureCall();  // 5
RuntimeError ObjectNotSet();          // 91
RuntimeError InvalidPicture();        // 481

}  // namespace platform::controlhost
