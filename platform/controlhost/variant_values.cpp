#include "platform/controlhost/variant_values.h"

#include <cmath>
#include <limits>

#include "platform/basic/rounding.h"
#include "platform/controlhost/host_errors.h"

namespace platform::controlhost {
namespace {

bool ParseText(const QString& text, double* number) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
        *number = -1;
        return true;
    }
    if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) {
        *number = 0;
        return true;
    }
    if (trimmed.startsWith(QStringLiteral("&H"), Qt::CaseInsensitive)) {
        bool ok = false;
        const qulonglong bits = trimmed.mid(2).toULongLong(&ok, 16);
        if (!ok || bits > 0xFFFFFFFFull) return false;
        // Hex literals are 32-bit patterns: "&H80000012" is a system colour.
        *number = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
        return true;
    }
    bool ok = false;
    *number = trimmed.toDouble(&ok);
    return ok;
}

double NumberOf(const QVariant& value) {
    if (!value.isValid()) return 0;
    switch (value.typeId()) {
        case QMetaType::Bool:
            return value.toBool() ? -1 : 0;
        case QMetaType::QString: {
            if (value.toString().isEmpty()) return 0;
            double number = 0;
            if (!ParseText(value.toString(), &number)) throw TypeMismatch();
            return number;
        }
        default:
            break;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok) throw TypeMismatch();
    return number;
}

template <class T>
T ToWhole(const QVariant& value) {
    const double number = NumberOf(value);
    // The comparison also refuses NaN; the rounding then cannot overflow.
    if (!(number > std::numeric_limits<T>::min() - 1.0 &&
          number < std::numeric_limits<T>::max() + 1.0))
        throw Overflow();
    const long long rounded = basic::RoundHalfEven(number);
    if (rounded < std::numeric_limits<T>::min() || rounded > std::numeric_limits<T>::max())
        throw Overflow();
    return static_cast<T>(rounded);
}

}  // namespace

bool ToBoolean(const QVariant& value) {
    return NumberOf(value) != 0;
}

std::int16_t ToInteger(const QVariant& value) {
    return ToWhole<std::int16_t>(value);
}

std::int32_t ToLong(const QVariant& value) {
    // Colours are stored as unsigned numbers (&H80000012 as 2147483666): any
    // whole number up to 32 bits keeps its bit pattern.
    const double number = NumberOf(value);
    if (number > std::numeric_limits<std::int32_t>::max() && number <= 0xFFFFFFFFu &&
        number == std::floor(number))
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
    return ToWhole<std::int32_t>(value);
}

float ToSingle(const QVariant& value) {
    const double number = NumberOf(value);
    if (std::fabs(number) > std::numeric_limits<float>::max()) throw Overflow();
    return static_cast<float>(number);
}

QString ToText(const QVariant& value) {
    if (!value.isValid()) return {};
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    if (!value.canConvert<QString>()) throw TypeMismatch();
    return value.toString();
}

}  // namespace platform::controlhost
