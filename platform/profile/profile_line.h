#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace platform::profile {

// One line of a profile file, as GBK bytes without its line end.
QByteArrayView TrimBlanks(QByteArrayView bytes);

// The name inside "[name]" when the line is a section line.
std::optional<QByteArrayView> SectionName(QByteArrayView line);

// A line "key=value": the key and the value as read (blanks around both and
// one pair of enclosing quotation marks dropped).
struct KeyLine {
    QByteArrayView key;
    QByteArrayView value;
};
std::optional<KeyLine> ParseKeyLine(QByteArrayView line);

// What goes behind "key=" so that ParseKeyLine gives the value back as it
// is: a value that reading would change (blanks around it, or a pair of
// enclosing quotation marks) is put in quotation marks.
QByteArray ValueText(QByteArrayView value);

// Splits a file's text into lines at CR LF, CR or LF. A line end at the very
// end does not start another line.
class LineReader {
public:
    explicit LineReader(QByteArrayView text) : text_(text) {}
    bool Next(QByteArrayView& line);

private:
    QByteArrayView text_;
    qsizetype at_ = 0;
};

}  // namespace platform::profile
