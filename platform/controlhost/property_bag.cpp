#include "platform/controlhost/property_bag.h"

#include <QMetaType>

namespace platform::controlhost {
namespace {

QString Folded(const QString& name) {
    return name.toCaseFolded();
}

bool IsNumber(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Float:
        case QMetaType::Double:
            return true;
        default:
            return false;
    }
}

double NumberOf(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) return value.toBool() ? -1.0 : 0.0;
    return value.toDouble();
}

}  // namespace

PropertyBag::PropertyBag(const QVariantMap& stored) {
    for (auto it = stored.begin(); it != stored.end(); ++it)
        entries_.insert(Folded(it.key()), Entry{it.key(), it.value()});
}

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const {
    const auto it = entries_.find(Folded(name));
    return it == entries_.end() ? defaultValue : it->value;
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value,
                                const QVariant& defaultValue) {
    if (SameValue(value, defaultValue)) {
        entries_.remove(Folded(name));
        return;
    }
    entries_.insert(Folded(name), Entry{name, value});
}

bool PropertyBag::Contains(const QString& name) const {
    return entries_.contains(Folded(name));
}

QVariantMap PropertyBag::ToMap() const {
    QVariantMap map;
    for (const Entry& entry : entries_) map.insert(entry.name, entry.value);
    return map;
}

bool SameValue(const QVariant& a, const QVariant& b) {
    if (!a.isValid() || !b.isValid()) return a.isValid() == b.isValid();
    const bool numberA = IsNumber(a);
    const bool numberB = IsNumber(b);
    if (numberA || numberB) return numberA && numberB && NumberOf(a) == NumberOf(b);
    const bool textA = a.typeId() == QMetaType::QString;
    const bool textB = b.typeId() == QMetaType::QString;
    if (textA || textB) return textA && textB && a.toString() == b.toString();
    return a.metaType() == b.metaType() && a == b;
}

}  // namespace platform::controlhost
