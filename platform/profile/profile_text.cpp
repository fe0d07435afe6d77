#include "platform/profile/profile_text.h"

#include "platform/basic/ansi.h"
#include "platform/profile/profile_line.h"
#include "platform/profile/profile_name.h"

namespace platform::profile {
namespace {

constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");
constexpr char kLineEnd[] = "\r\n";

struct Split {
    QByteArrayView mark;
    QByteArrayView lines;
};

Split splitMark(QByteArrayView text) {
    if (text.startsWith(kByteOrderMark))
        return {text.first(kByteOrderMark.size()), text.sliced(kByteOrderMark.size())};
    return {{}, text};
}

// Where key lies in the first section of that name.
struct Location {
    bool sectionFound = false;
    qsizetype keyLine = -1;
    qsizetype lastLineOfSection = -1;  // the section line or its last key line
    QByteArrayView value;
};

Location locate(QByteArrayView lines, const ProfileName& section, const ProfileName& key) {
    Location found;
    LineReader reader(lines);
    QByteArrayView line;
    for (qsizetype index = 0; reader.Next(line); ++index) {
        if (const auto name = SectionName(line)) {
            if (found.sectionFound) break;
            found.sectionFound = section.Matches(*name);
            found.lastLineOfSection = index;
            continue;
        }
        if (!found.sectionFound) continue;
        const auto entry = ParseKeyLine(line);
        if (!entry) continue;
        found.lastLineOfSection = index;
        if (found.keyLine < 0 && key.Matches(entry->key)) {
            found.keyLine = index;
            found.value = entry->value;
        }
    }
    return found;
}

bool hasLineBreaker(const QString& text) {
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(u'\0'));
}

}  // namespace

QByteArray StoredValue(QByteArrayView text, const QString& section, const QString& key) {
    const Location found = locate(splitMark(text).lines, ProfileName(section), ProfileName(key));
    return found.keyLine < 0 ? QByteArray() : found.value.toByteArray();
}

QByteArray WithValue(QByteArrayView text, const QString& section, const QString& key,
                     const QString& value) {
    const ProfileName sectionName(section);
    const ProfileName keyName(key);
    const Split split = splitMark(text);
    const Location found = locate(split.lines, sectionName, keyName);
    const QByteArray keyLine = keyName.ansi() + '=' + ValueText(basic::ToAnsi(value));

    QByteArray out;
    out.reserve(text.size() + keyLine.size() + sectionName.ansi().size() + 8);
    out += split.mark;
    LineReader reader(split.lines);
    QByteArrayView line;
    for (qsizetype index = 0; reader.Next(line); ++index) {
        out += index == found.keyLine ? QByteArrayView(keyLine) : line;
        out += kLineEnd;
        if (found.sectionFound && found.keyLine < 0 && index == found.lastLineOfSection)
            out += keyLine + kLineEnd;
    }
    if (!found.sectionFound) out += '[' + sectionName.ansi() + ']' + kLineEnd + keyLine + kLineEnd;
    return out;
}

bool CanStore(const QString& section, const QString& key, const QString& value) {
    if (hasLineBreaker(section) || hasLineBreaker(key) || hasLineBreaker(value)) return false;
    if (section.contains(u']') || key.contains(u'=')) return false;
    return !TrimBlanks(basic::ToAnsi(key)).startsWith('[');
}

}  // namespace platform::profile
