#include "platform/basic/ansi.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

QByteArray ToAnsi(const QString& text) {
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

QString FromAnsi(const QByteArray& bytes) {
    QStringDecoder decoder("GBK");
    return decoder.decode(bytes);
}

int AnsiLength(const QString& text) { return static_cast<int>(ToAnsi(text).size()); }

}  // namespace platform
