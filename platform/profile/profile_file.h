#pragma once

#include <QString>

namespace platform::profile {

// Stand-in for GetPrivateProfileStringA: the value of key in section of the
// profile file, as at most bufferSize - 1 bytes of GBK (never half of a
// double-byte character); empty when the file, section or key is missing or
// the file cannot be read.
QString Read(const QString& file, const QString& section, const QString& key, int bufferSize = 255);

// Stand-in for WritePrivateProfileStringA: creates the file, section and key
// as needed and keeps every other line. The file is replaced as a whole, so a
// failed write leaves it as it was; a new file is readable and writable by its
// owner only. False when the file could not be written or the names or value
// contain what would break its lines (see CanStore).
bool Write(const QString& file, const QString& section, const QString& key, const QString& value);

}  // namespace platform::profile
