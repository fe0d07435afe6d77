#pragma once

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace platform::controlhost {

// The stored properties of one control instance. Keys compare without regard
// to case. Reading an absent key gives the default handed with the read;
// writing a value equal to its default stores nothing, so a later read gives
// that default back.
class PropertyBag {
public:
    PropertyBag() = default;
    // A bag holding what a window's designer data stored for the instance.
    explicit PropertyBag(const QVariantMap& stored);

    QVariant ReadProperty(const QString& name, const QVariant& defaultValue = {}) const;
    void WriteProperty(const QString& name, const QVariant& value,
                       const QVariant& defaultValue = {});

    bool Contains(const QString& name) const;
    int Count() const { return static_cast<int>(entries_.size()); }
    // The stored keys with the spelling of their last write.
    QVariantMap ToMap() const;

private:
    struct Entry {
        QString name;
        QVariant value;
    };
    QHash<QString, Entry> entries_;
};

// Whether a written value counts as equal to its default: numbers (Booleans
// as -1 and 0) compare by value, texts exactly, objects by identity; a number
// never equals a text, and an empty value equals only an empty value.
bool SameValue(const QVariant& a, const QVariant& b);

}  // namespace platform::controlhost
