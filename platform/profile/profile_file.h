#pragma once

#include <QList>
#include <QString>

namespace platform::profile {

// Stand-in for GetPrivateProfileStringA: the value of key in section of the
// profile file, as at most bufferSize - 1 bytes of GBK (never half of a
// double-byte character); empty when the file, section or key is missing or
// the file cannot be read.
QString Read(const QString& file, const QString& section, const QString& key, int bufferSize = 255);

// Stand-in for WritePrivateProfileStringA: creates the file, section and key
// as needed and keeps every other line. The file is replaced as a whole, so a
// failed write leaves it as it was; in a folder that refuses new files it is
// written in place instead. A new file is readable and writable by its owner
// only. A value is stored so that Read gives it back unchanged up to
// the buffer's cut. False when the file could not be written or the names or
// value contain what would break its lines (see CanStore).
bool Write(const QString& file, const QString& section, const QString& key, const QString& value);

// One key to write.
struct Entry {
    QString section;
    QString key;
    QString value;
};

// Writes several keys by Write's rules in one replacement of the file: all
// of them are written, or none when any one cannot be.
bool WriteAll(const QString& file, const QList<Entry>& entries);

// Whether Read with this buffer size gives the value back whole.
bool FitsBuffer(const QString& value, int bufferSize = 255);

}  // namespace platform::profile
