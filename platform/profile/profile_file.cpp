#include "platform/profile/profile_file.h"

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

#include "platform/basic/ansi.h"
#include "platform/profile/profile_text.h"

namespace platform::profile {
namespace {

// Only a regular file is read: a directory, a pipe or a device such as
// /dev/zero would fail or never end.
std::optional<QByteArray> readRegularFile(const QString& path) {
    if (!QFileInfo(path).isFile()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

// Writes a temporary file beside the target, flushes it to the disk and
// renames it over the target: a crash or a full disk leaves the old file.
// Where the folder refuses new files but the file itself may be written (a
// shared install with a file of the user's own), the file is written in place.
bool replaceFile(const QString& path, const QByteArray& bytes, bool created) {
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    // The file holds a password in plain text.
    if (created && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return false;
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0)
        return false;
    return file.commit();
}

}  // namespace

QString Read(const QString& file, const QString& section, const QString& key, int bufferSize) {
    if (bufferSize <= 1 || file.isEmpty()) return {};
    const std::optional<QByteArray> text = readRegularFile(file);
    if (!text) return {};
    return basic::FromAnsi(basic::CutAnsi(StoredValue(*text, section, key), bufferSize - 1));
}

bool Write(const QString& file, const QString& section, const QString& key, const QString& value) {
    return WriteAll(file, {{section, key, value}});
}

bool WriteAll(const QString& file, const QList<Entry>& entries) {
    if (file.isEmpty()) return false;
    for (const Entry& entry : entries)
        if (!CanStore(entry.section, entry.key, entry.value)) return false;
    const bool created = !QFileInfo::exists(file);
    std::optional<QByteArray> text = created ? QByteArray() : readRegularFile(file);
    // An existing file that cannot be read must not be replaced by a new one.
    if (!text) return false;
    for (const Entry& entry : entries)
        *text = WithValue(*text, entry.section, entry.key, entry.value);
    return replaceFile(file, *text, created);
}

bool FitsBuffer(const QString& value, int bufferSize) {
    return basic::ToAnsi(value).size() <= bufferSize - 1;
}

}  // namespace platform::profile
