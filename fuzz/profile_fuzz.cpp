// The profile file on arbitrary bytes: reading never fails or exceeds its
// buffer, a write keeps every other key as it read before, and a value
// written reads back as it was, up to the buffer's cut. The input is also used as a value
// and as names, split at its first two NUL bytes.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "platform/basic/ansi.h"
#include "platform/profile/profile_file.h"
#include "platform/profile/profile_text.h"

namespace {

using platform::profile::Read;
using platform::profile::Write;

const QString& configFile() {
    // Shared memory when there is some: every write flushes to the disk.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/marlquin-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/marlquin-fuzz-XXXXXX"));
    static const QString file = dir.filePath(QStringLiteral("Config.ini"));
    return file;
}

QByteArray contents() {
    QFile file(configFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QByteArray& bytes) {
    QFile file(configFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

// What reading gives for a value as written: the value itself in the ANSI
// code page, cut to at most 254 bytes.
QString expectedRead(const QString& value) {
    return platform::basic::FromAnsi(platform::basic::CutAnsi(platform::basic::ToAnsi(value), 254));
}

struct Key {
    QString section;
    QString key;
};

void checkWrite(const Key& target, const QString& value, const QList<Key>& others) {
    QStringList before;
    for (const Key& other : others) before.append(Read(configFile(), other.section, other.key));
    const QByteArray old = contents();
    const bool storable = platform::profile::CanStore(target.section, target.key, value);
    if (Write(configFile(), target.section, target.key, value) != storable) std::abort();
    if (!storable) {
        if (contents() != old) std::abort();
        return;
    }
    if (Read(configFile(), target.section, target.key) != expectedRead(value)) std::abort();
    for (qsizetype i = 0; i < others.size(); ++i)
        if (Read(configFile(), others[i].section, others[i].key) != before[i]) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<QByteArray> parts = input.split('\0');
    const QString name = platform::basic::FromAnsi(parts.value(1).left(40));
    const QString value = platform::basic::FromAnsi(parts.value(2));

    put(input);
    const QList<Key> keys = {{QStringLiteral("Config"), QStringLiteral("RemPwd")},
                             {QStringLiteral("Info"), QStringLiteral("UserName")},
                             {QStringLiteral("Config"), name},
                             {name, QStringLiteral("LastID")}};
    for (const Key& key : keys)
        if (platform::basic::ToAnsi(Read(configFile(), key.section, key.key)).size() > 254)
            std::abort();

    checkWrite({QStringLiteral("Config"), QStringLiteral("LastID")}, QStringLiteral("600519"),
               {keys[0], keys[1]});
    checkWrite({QStringLiteral("Info"), name}, value, {keys[0]});
    return 0;
}
