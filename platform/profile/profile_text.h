#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace platform::profile {

// The rules of the profile format on a whole file's bytes (GBK, any line
// ends, an optional UTF-8 byte-order mark). When a section or a key occurs
// more than once, the first one counts.

// The stored value of key in section, blanks and one pair of enclosing
// quotation marks dropped; empty when the section or key is missing.
QByteArray StoredValue(QByteArrayView text, const QString& section, const QString& key);

// The file's bytes with key in section set to value; the section and key are
// added where missing. Every other line stays as it was; lines end in CR LF.
// The value is quoted where reading would otherwise change it.
QByteArray WithValue(QByteArrayView text, const QString& section, const QString& key,
                     const QString& value);

// False for names and values that would break the file's lines: a line end
// or NUL anywhere, "]" in a section name, "=" in a key or a key that starts
// with "[".
bool CanStore(const QString& section, const QString& key, const QString& value);

}  // namespace platform::profile
