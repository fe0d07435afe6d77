#pragma once

#include <QString>

namespace platform {

// The BASIC runtime's general numeric test: true when the whole text converts
// to a number (blanks around, a sign, a decimal separator, group separators and
// an exponent are allowed).
bool IsNumeric(const QString& text);

}  // namespace platform
