#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The ANSI code page of the program's texts: GBK (CP936).
QByteArray ToAnsi(const QString& text);
QString FromAnsi(const QByteArray& bytes);
// Number of GBK bytes the text takes.
int AnsiLength(const QString& text);

}  // namespace platform
