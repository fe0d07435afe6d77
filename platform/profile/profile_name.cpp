#include "platform/profile/profile_name.h"

#include <algorithm>

#include "platform/basic/ansi.h"
#include "platform/profile/profile_line.h"

namespace platform::profile {
namespace {

bool isAscii(QByteArrayView bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool sameAsciiIgnoringCase(QByteArrayView a, QByteArrayView b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

}  // namespace

ProfileName::ProfileName(const QString& name)
    : ansi_(TrimBlanks(basic::ToAnsi(name)).toByteArray()) {
    text_ = basic::FromAnsi(ansi_);
    ascii_ = isAscii(ansi_);
}

bool ProfileName::Matches(QByteArrayView stored) const {
    // Every byte of 0x80 and above decodes to a character outside ASCII, so a
    // plain ASCII name can only match plain ASCII bytes; this keeps long files fast.
    if (ascii_ && isAscii(stored)) return sameAsciiIgnoringCase(stored, ansi_);
    if (ascii_) return false;
    return basic::FromAnsi(stored).compare(text_, Qt::CaseInsensitive) == 0;
}

}  // namespace platform::profile
