#include "app/Frmmain/Frmmain.h"

#include <algorithm>

#include "app/mData/mData.h"
#include "platform/basic/ansi.h"
#include "platform/basic/numeric.h"
#include "platform/basic/runtime_error.h"
#include "platform/data/data_errors.h"
#include "platform/forms/controls/text_box.h"
#include "platform/forms/message_box.h"
#include "platform/listview/list_view.h"

namespace {

// The text without the blanks (spaces) before and after it.
QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == u' ') ++first;
    while (end > first && text[end - 1] == u' ') --end;
    return text.mid(first, end - first);
}

// What the user is told when the stock table cannot be read.
QString lookupFailure(const platform::basic::RuntimeError& error) {
    switch (error.number()) {
        case platform::data::kDatabaseBusy:
            return QStringLiteral("数据文件正被其他程序使用,请稍后再试！");
        case platform::data::kFieldUnknown:
        case platform::data::kItemNotFound:
            return QStringLiteral("数据文件中的股票表缺少代码、拼音或名称字段,无法查询股票！");
        default:
            return QStringLiteral("查询股票时出错,请检查数据文件 Data.dat！");
    }
}

}  // namespace

bool Frmmain::CheckZ(const QString& s) const {
    // ASCII is one byte in every ANSI code page: the usual codes and pinyin
    // need no conversion.
    if (std::all_of(s.cbegin(), s.cend(), [](QChar c) { return c.unicode() < 0x80; })) return true;
    const QByteArray bytes = platform::basic::ToAnsi(s);
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype size = platform::basic::AnsiCharSize(bytes, at);
        if (size == 2) return false;
        at += size;
    }
    return true;
}

void Frmmain::Text1_Change() {
    const QString t = Text1->text();
    const QString trimmed = trimBlanks(t);
    if (trimmed.isEmpty()) {
        ListView1->hide();
        return;
    }
    if (platform::basic::IsNumeric(t) && trimmed.size() == 6) {
        ListView1->hide();
        return;
    }
    ListView1->show();
    ListView1->Clear();
    if (PickedFromList) return;
    ListMatches(t);
}

// The typed text goes into the pattern with each quote doubled, so that it
// stays text: a quote cannot break the query nor anything typed change it,
// while a "%" typed still acts as a wildcard. A literal pattern, unlike a
// bound one, lets SQLite plan the prefix search once per keystroke.
void Frmmain::ListMatches(const QString& t) {
    const QString pattern = QString(t).replace(u'\'', QStringLiteral("''")) + QStringLiteral("%'");
    QString sql;
    if (platform::basic::IsNumeric(t.left(1)))
        sql = QStringLiteral("select  * from pList where pNumber like '") + pattern;
    else if (CheckZ(t))
        sql = QStringLiteral("select  * from pList where pPY like '") + pattern;
    else
        sql = QStringLiteral("select  * from pList where pName like '") + pattern;
    if (!mData::Conn) return;
    try {
        mData::Rs = mData::OpenRecordset(*mData::Conn, sql);
        platform::data::Recordset& rs = *mData::Rs;
        // The fields are found once; a table without one of them lists nothing.
        const int pnumber = rs.FieldIndex(QStringLiteral("pnumber"));
        const int ppy = rs.FieldIndex(QStringLiteral("ppy"));
        const int pname = rs.FieldIndex(QStringLiteral("pname"));
        for (; !rs.EOF_(); rs.MoveNext()) {
            CurItem = ListView1->AddItem(rs.Value(pnumber));
            ListView1->SetSubItem(CurItem, 1, rs.Value(ppy));
            ListView1->SetSubItem(CurItem, 2, rs.Value(pname));
        }
    } catch (const platform::basic::RuntimeError& error) {
        // The list stays shown and empty, the user learns why, and the window
        // goes on as before.
        ListView1->Clear();
        platform::forms::MsgBox(lookupFailure(error), platform::forms::vbInformation,
                                QStringLiteral("提示"));
    }
}

void Frmmain::Text1_KeyPress(int&) {
    PickedFromList = false;
}

void Frmmain::ListView1_DblClick() {
    if (ListView1->Count() == 0 || ListView1->SelectedIndex() < 1) return;
    Text1->setText(ListView1->SelectedText());
    XPCommand1_Click();
    ListView1->hide();
    PickedFromList = true;
}
