#pragma once

#include <QString>

namespace platform::basic {

// The BASIC runtime's general numeric test: true when the whole text is one
// number. Allowed: blanks (spaces, tabs) before and after, one sign in front,
// group separators "," between digits of the whole part, one decimal point
// and an exponent (e, E, d or D with an optional sign and at least one digit).
// The number must fit a Double: "1e309" overflows and fails, while "1e-400"
// is merely zero and passes.
// Hexadecimal and octal literals ("&H10", "&O7") count as letters and fail, as
// do a trailing sign, parentheses and a blank between sign and digits.
bool IsNumeric(const QString& text);

}  // namespace platform::basic
