#pragma once

#include <QString>

namespace platform::profile {

// Stand-in for GetPrivateProfileStringA: the value of key in section of the
// profile file, as at most bufferSize - 1 bytes of GBK; empty when the file,
// section or key is missing.
QString Read(const QString& file, const QString& section, const QString& key,
             int bufferSize = 255);

// Stand-in for WritePrivateProfileStringA: creates the file, section and key
// as needed. False when the file could not be written.
bool Write(const QString& file, const QString& section, const QString& key, const QString& value);

}  // namespace platform::profile
