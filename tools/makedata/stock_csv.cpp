#include "stock_csv.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QStringList>

namespace {

const QString kHeader = QStringLiteral("pNumber,pPY,pName");

bool isCode(const QString& text) {
    if (text.size() != 6) return false;
    for (QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

bool isUpperLetters(const QString& text) {
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (c < u'A' || c > u'Z') return false;
    return true;
}

bool isLatinLetter(char32_t c) {
    return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

// One initial per character of the name; a Latin letter of the name stands
// for itself ("万科A" gives "WKA", "TCL科技" gives "TCLKJ").
bool initialsFitName(const QString& pinyin, const QString& name) {
    const QList<uint> chars = name.toUcs4();
    if (chars.size() != pinyin.size()) return false;
    for (qsizetype i = 0; i < chars.size(); ++i) {
        const char32_t c = chars[i];
        if (c <= U' ' || c == 0x7F || c == 0x3000) return false;
        if (isLatinLetter(c) && QChar(pinyin[i]) != QChar(c).toUpper()) return false;
    }
    return true;
}

// The reason a row is refused, or an empty string when it is sound.
QString checkRow(const QString& line, StockRow& row) {
    const QStringList fields = line.split(u',');
    if (fields.size() != 3)
        return QStringLiteral("应有 3 个字段（代码,拼音,名称），实有 %1 个").arg(fields.size());
    row = StockRow{fields[0], fields[1], fields[2]};
    if (!isCode(row.code)) return QStringLiteral("代码“%1”不是六位数字").arg(row.code);
    if (!isUpperLetters(row.pinyin))
        return QStringLiteral("拼音简码“%1”只能由大写字母组成").arg(row.pinyin);
    if (row.name.isEmpty()) return QStringLiteral("名称为空");
    if (!initialsFitName(row.pinyin, row.name))
        return QStringLiteral("拼音简码“%1”与名称“%2”的字不一一对应").arg(row.pinyin, row.name);
    return {};
}

QString located(const QString& path, int line, const QString& reason) {
    return QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(reason);
}

}  // namespace

StockCsv ReadStockCsv(const QString& path) {
    StockCsv result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("%1: 无法读取股票列表：%2").arg(path, file.errorString());
        return result;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(file.readAll());
    if (utf8.hasError()) {
        result.error = QStringLiteral("%1: 股票列表不是有效的 UTF-8 文本").arg(path);
        return result;
    }
    QStringList lines = text.split(u'\n');
    QHash<QString, int> seen;  // code -> line
    bool headerRead = false;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.trimmed().isEmpty()) continue;
        const int lineNumber = i + 1;
        if (!headerRead) {
            if (line != kHeader) {
                result.error =
                    located(path, lineNumber, QStringLiteral("第一行应为表头“%1”").arg(kHeader));
                return result;
            }
            headerRead = true;
            continue;
        }
        StockRow row;
        QString reason = checkRow(line, row);
        if (reason.isEmpty() && seen.contains(row.code))
            reason = QStringLiteral("代码 %1 与第 %2 行重复").arg(row.code).arg(seen[row.code]);
        if (!reason.isEmpty()) {
            result.error = located(path, lineNumber, reason);
            return result;
        }
        seen.insert(row.code, lineNumber);
        result.rows.append(row);
    }
    if (result.rows.isEmpty())
        result.error = QStringLiteral("%1: 股票列表中没有任何股票").arg(path);
    return result;
}
