#include "platform/basic/ansi.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform::basic {
namespace {

bool isTrailByte(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return b >= 0x40 && b <= 0xFE && b != 0x7F;
}

// The decoder keeps a lead byte at the very end back for a next chunk that
// never comes; such a byte must not vanish without a trace.
bool endsInLoneLeadByte(QByteArrayView bytes) {
    qsizetype at = 0;
    qsizetype last = 1;
    while (at < bytes.size()) {
        last = AnsiCharSize(bytes, at);
        at += last;
    }
    return !bytes.isEmpty() && last == 1 && IsAnsiLeadByte(bytes.back());
}

}  // namespace

// Opening a GBK converter costs more than most conversions, and a caption
// is converted several times on every repaint, so each thread keeps one of
// each; being stateless, they carry nothing from one call to the next.
QByteArray ToAnsi(const QString& text) {
    thread_local QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

QString FromAnsi(QByteArrayView bytes) {
    thread_local QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (endsInLoneLeadByte(bytes)) text.append(QChar::ReplacementCharacter);
    return text;
}

int AnsiLength(const QString& text) {
    return static_cast<int>(ToAnsi(text).size());
}

qsizetype AnsiCharSize(QByteArrayView bytes, qsizetype at) {
    return IsAnsiLeadByte(bytes[at]) && at + 1 < bytes.size() && isTrailByte(bytes[at + 1]) ? 2 : 1;
}

QByteArray CutAnsi(QByteArrayView bytes, qsizetype maxBytes) {
    qsizetype end = 0;
    while (end < bytes.size()) {
        const qsizetype next = end + AnsiCharSize(bytes, end);
        if (next > maxBytes) break;
        end = next;
    }
    return bytes.first(end).toByteArray();
}

}  // namespace platform::basic
