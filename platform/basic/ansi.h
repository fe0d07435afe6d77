#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace platform::basic {

// The ANSI code page of the program's texts: GBK (CP936). Characters that GBK
// lacks become "?"; bytes that are no GBK character become U+FFFD or the
// code page's private-use characters.
QByteArray ToAnsi(const QString& text);
QString FromAnsi(QByteArrayView bytes);
// Number of GBK bytes the text takes.
int AnsiLength(const QString& text);

// A lead byte of a GBK double-byte character.
constexpr bool IsAnsiLeadByte(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return b >= 0x81 && b <= 0xFE;
}

// Bytes taken by the character at position at: 2 for a lead byte followed by
// a valid trail byte, else 1.
qsizetype AnsiCharSize(QByteArrayView bytes, qsizetype at);

// The longest start of bytes that is at most maxBytes long and does not end
// inside a double-byte character.
QByteArray CutAnsi(QByteArrayView bytes, qsizetype maxBytes);

}  // namespace platform::basic
