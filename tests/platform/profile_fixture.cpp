#include "profile_fixture.h"

#include <QDir>
#include <QFile>

#include "platform/basic/ansi.h"

ProfileFolder::ProfileFolder() : file_(dir_.filePath(QStringLiteral("Config.ini"))) {}

void ProfileFolder::Put(const QByteArray& bytes) const {
    QFile out(file_);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot prepare %s", qPrintable(file_));
}

void ProfileFolder::PutText(const QString& text) const {
    Put(platform::basic::ToAnsi(text));
}

QByteArray ProfileFolder::Bytes() const {
    QFile in(file_);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

QStringList ProfileFolder::Entries() const {
    return QDir(dir_.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}
