#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh folder with a path for Config.ini in it, and raw access to the file.
class ProfileFolder {
public:
    ProfileFolder();

    const QString& file() const { return file_; }
    QString folder() const { return dir_.path(); }

    void Put(const QByteArray& bytes) const;
    // The text converted to GBK first.
    void PutText(const QString& text) const;
    QByteArray Bytes() const;
    // The names in the folder, to spot files left behind.
    QStringList Entries() const;

private:
    QTemporaryDir dir_;
    QString file_;
};
