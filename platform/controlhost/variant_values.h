#pragma once

#include <QVariant>
#include <cstdint>

namespace platform::controlhost {

// Conversions of stored or passed values to the types the controls keep, with
// the runtime's rules: a Boolean is False for 0 and True for any other
// number; an empty value converts to False, 0 or an empty text; a text
// converts when it reads as a number ("12", "&H80000012") or as "True" /
// "False". Anything else raises run-time error 13 (type mismatch); a number
// outside the target's range raises run-time error 6 (overflow).
bool ToBoolean(const QVariant& value);
std::int16_t ToInteger(const QVariant& value);
std::int32_t ToLong(const QVariant& value);
float ToSingle(const QVariant& value);
QString ToText(const QVariant& value);

}  // namespace platform::controlhost
