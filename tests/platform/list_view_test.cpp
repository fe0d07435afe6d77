#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <ostream>

#include "platform/basic/runtime_error.h"
#include "platform/listview/list_view.h"
#include "support/row_print.h"

namespace {

QString caption(const platform::listview::ListView& list, int column) {
    return list.model()->headerData(column, Qt::Horizontal).toString();
}

QString cell(const platform::listview::ListView& list, int row, int column) {
    return list.model()->index(row, column).data().toString();
}

// A list of three columns holding the given lines, each "code|pinyin|name".
void fill(platform::listview::ListView& list, const QStringList& lines) {
    list.AddColumn(QStringLiteral("代码"), 900);
    list.AddColumn(QStringLiteral("拼音"), 1050);
    list.AddColumn(QStringLiteral("名称"), 1200);
    for (const QString& line : lines) {
        const QStringList texts = line.split(u'|');
        const int item = list.AddItem(texts[0]);
        for (int n = 1; n < texts.size(); ++n) list.SetSubItem(item, n, texts[n]);
    }
}

void doubleClick(platform::listview::ListView& list, QPoint at,
                 Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent event(QEvent::MouseButtonDblClick, at, list.viewport()->mapToGlobal(at), button,
                      button, Qt::NoModifier);
    QCoreApplication::sendEvent(list.viewport(), &event);
}

struct ColumnRow {
    double twips;
    int pixels;
};

void PrintTo(const ColumnRow& c, std::ostream* os) {
    *os << c.twips << " twips";
}

class ListViewColumnTest : public ::testing::TestWithParam<ColumnRow> {};

TEST_P(ListViewColumnTest, ColumnWidthIsTheNearestWholePixel) {
    platform::listview::ListView list;
    list.AddColumn(QStringLiteral("代码"), GetParam().twips);
    EXPECT_EQ(list.columnWidth(0), GetParam().pixels);
    EXPECT_EQ(caption(list, 0), QStringLiteral("代码"));
}

INSTANTIATE_TEST_SUITE_P(Widths, ListViewColumnTest,
                         ::testing::Values(ColumnRow{903.75, 60}, ColumnRow{1012.2, 67},
                                           ColumnRow{1192.95, 80}, ColumnRow{457.5, 30},
                                           ColumnRow{472.5, 32}));

TEST(ListView, SizesAreTwips) {
    platform::listview::ListView list;
    list.resize(241, 17);
    EXPECT_EQ(list.Width(), 3615);
    list.SetHeight(1695);
    EXPECT_EQ(list.height(), 113);
    EXPECT_EQ(list.Height(), 1695);
    EXPECT_EQ(list.width(), 241);
}

TEST(ListView, ReportViewOfFlatRows) {
    platform::listview::ListView list;
    fill(list, {});
    ASSERT_EQ(list.model()->columnCount(), 3);
    EXPECT_EQ(caption(list, 1), QStringLiteral("拼音"));
    EXPECT_EQ(caption(list, 2), QStringLiteral("名称"));
    EXPECT_EQ(list.columnWidth(1), 70);
    EXPECT_FALSE(list.rootIsDecorated());
    EXPECT_FALSE(list.header()->isHidden());
    EXPECT_EQ(list.selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST(ListView, LinesKeepTheirOrderAndSubItems) {
    platform::listview::ListView list;
    fill(list, {"600000|PFYH|浦发银行", "000001|PAYH|平安银行", "300001|TRD"});
    EXPECT_EQ(list.Count(), 3);
    QCoreApplication::sendPostedEvents(list.model(), QEvent::MetaCall);
    ASSERT_EQ(list.model()->rowCount(), 3);
    const char* expected[3][3] = {
        {"600000", "PFYH", "浦发银行"}, {"000001", "PAYH", "平安银行"}, {"300001", "TRD", ""}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(cell(list, row, column), QString::fromUtf8(expected[row][column]))
                << row << "," << column;
}

TEST(ListView, NewLinesAreNumberedFromOne) {
    platform::listview::ListView list;
    fill(list, {});
    EXPECT_EQ(list.AddItem(QStringLiteral("a")), 1);
    EXPECT_EQ(list.AddItem(QStringLiteral("b")), 2);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.AddItem(QStringLiteral("c")), 1);
}

TEST(ListView, SubItemOutsideTheListIsAnError) {
    platform::listview::ListView list;
    fill(list, {"600000"});
    const std::pair<int, int> wrong[] = {{0, 1}, {2, 1}, {1, 0}, {1, 3}, {1, -1}};
    for (const auto& [line, n] : wrong)
        EXPECT_THROW(list.SetSubItem(line, n, QStringLiteral("x")), platform::basic::RuntimeError)
            << line << "," << n;
}

// A text handed over the way a caller holds it: as QString (UTF-16), as
// bytes of UTF-8 (a record set's value) or as Latin-1.
enum class Form { Utf16, Utf8, Latin1 };

struct TextRow {
    const char* name;
    Form form;
    const char* latin1;  // the text for Form::Latin1, else nullptr
    const char* text;    // the text as it must read back (UTF-8)
};

using support::PrintTo;

class ListViewTextTest : public ::testing::TestWithParam<TextRow> {};

TEST_P(ListViewTextTest, ReadsBackAsGiven) {
    const TextRow row = GetParam();
    platform::listview::ListView list;
    fill(list, {"000001|PAYH|平安银行"});
    const QByteArray utf8(row.text);
    const QString utf16 = QString::fromUtf8(utf8);
    const auto add = [&](auto text) {
        const int line = list.AddItem(text);
        list.SetSubItem(line, 2, text);
        return line;
    };
    int line = 0;
    switch (row.form) {
        case Form::Utf16:
            line = add(QStringView(utf16));
            break;
        case Form::Utf8:
            line = add(QUtf8StringView(utf8));
            break;
        case Form::Latin1:
            line = add(QLatin1StringView(row.latin1));
            break;
    }
    QCoreApplication::sendPostedEvents(list.model(), QEvent::MetaCall);
    EXPECT_EQ(cell(list, line - 1, 0), utf16);
    EXPECT_EQ(cell(list, line - 1, 1), QString());
    EXPECT_EQ(cell(list, line - 1, 2), utf16);
    EXPECT_EQ(cell(list, 0, 2), QStringLiteral("平安银行"));
    list.selectionModel()->select(list.model()->index(line - 1, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(list.SelectedText(), utf16);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ListViewTextTest,
    ::testing::Values(TextRow{"Utf16Ascii", Form::Utf16, nullptr, "600519"},
                      TextRow{"Utf16Chinese", Form::Utf16, nullptr, "贵州茅台"},
                      TextRow{"Utf8Ascii", Form::Utf8, nullptr, "GZMT"},
                      TextRow{"Utf8Chinese", Form::Utf8, nullptr, "万科Ａ"},
                      TextRow{"Utf8OutsideTheBmp", Form::Utf8, nullptr, "𠀀股"},
                      TextRow{"Utf8Empty", Form::Utf8, nullptr, ""},
                      TextRow{"Latin1", Form::Latin1, "caf\xe9", "café"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListView, ReplacedAndClearedTextsLeaveNoTrace) {
    platform::listview::ListView list;
    fill(list, {"600000|PFYH|浦发银行", "000001|PAYH|平安银行"});
    list.SetSubItem(1, 2, QStringLiteral("浦发"));
    list.SetSubItem(1, 2, QStringLiteral("浦东发展银行"));
    QCoreApplication::sendPostedEvents(list.model(), QEvent::MetaCall);
    EXPECT_EQ(cell(list, 0, 2), QStringLiteral("浦东发展银行"));
    EXPECT_EQ(cell(list, 1, 0), QStringLiteral("000001"));
    EXPECT_EQ(cell(list, 1, 2), QStringLiteral("平安银行"));
    list.Clear();
    EXPECT_EQ(list.AddItem(QStringLiteral("601318")), 1);
    QCoreApplication::sendPostedEvents(list.model(), QEvent::MetaCall);
    ASSERT_EQ(list.model()->rowCount(), 1);
    EXPECT_EQ(cell(list, 0, 0), QStringLiteral("601318"));
    EXPECT_EQ(cell(list, 0, 1), QString());
    EXPECT_EQ(cell(list, 0, 2), QString());
}

TEST(ListView, ColumnAddedLaterIsEmptyOnEarlierLines) {
    platform::listview::ListView list;
    list.AddColumn(QStringLiteral("代码"), 900);
    list.AddItem(QStringLiteral("600000"));
    list.AddItem(QStringLiteral("000001"));
    list.AddColumn(QStringLiteral("名称"), 1200);
    list.SetSubItem(2, 1, QStringLiteral("平安银行"));
    QCoreApplication::sendPostedEvents(list.model(), QEvent::MetaCall);
    ASSERT_EQ(list.model()->rowCount(), 2);
    EXPECT_EQ(cell(list, 0, 0), QStringLiteral("600000"));
    EXPECT_EQ(cell(list, 0, 1), QString());
    EXPECT_EQ(cell(list, 1, 0), QStringLiteral("000001"));
    EXPECT_EQ(cell(list, 1, 1), QStringLiteral("平安银行"));
}

struct SelectionRow {
    const char* name;
    int select;  // row selected before the check, -1 for none
    bool clearAfter;
    int index;
    const char* text;
};

class ListViewSelectionTest : public ::testing::TestWithParam<SelectionRow> {};

TEST_P(ListViewSelectionTest, SelectedIndexCountsFromOne) {
    const SelectionRow row = GetParam();
    platform::listview::ListView list;
    fill(list, {"600000|PFYH|浦发银行", "000001|PAYH|平安银行"});
    QCoreApplication::sendPostedEvents(list.model(), QEvent::MetaCall);
    if (row.select >= 0)
        list.selectionModel()->select(
            list.model()->index(row.select, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (row.clearAfter) list.Clear();
    EXPECT_EQ(list.SelectedIndex(), row.index);
    EXPECT_EQ(list.SelectedText(), QString::fromUtf8(row.text));
}

INSTANTIATE_TEST_SUITE_P(Selections, ListViewSelectionTest,
                         ::testing::Values(SelectionRow{"None", -1, false, 0, ""},
                                           SelectionRow{"First", 0, false, 1, "600000"},
                                           SelectionRow{"Second", 1, false, 2, "000001"},
                                           SelectionRow{"GoneWithTheLines", 1, true, 0, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// A shown list of one line.
void showOneLine(platform::listview::ListView& list) {
    list.resize(241, 113);
    fill(list, {"600000|PFYH|浦发银行"});
    list.show();
    QCoreApplication::processEvents();
}

TEST(ListView, DoubleClickIsReportedOnLinesAndBesideThem) {
    platform::listview::ListView list;
    showOneLine(list);
    QSignalSpy clicks(&list, &platform::listview::ListView::DblClick);
    doubleClick(list, list.visualRect(list.model()->index(0, 0)).center());
    EXPECT_EQ(list.SelectedIndex(), 1);
    list.selectionModel()->clearSelection();
    doubleClick(list, QPoint(5, list.viewport()->height() - 3));
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(list.SelectedIndex(), 0);
}

struct ButtonRow {
    const char* name;
    Qt::MouseButton button;
    int reported;
};

void PrintTo(const ButtonRow& row, std::ostream* out) {
    *out << row.name;
}

class ListViewButtonTest : public ::testing::TestWithParam<ButtonRow> {};

TEST_P(ListViewButtonTest, OnlyTheLeftButtonsDoubleClickIsReported) {
    platform::listview::ListView list;
    showOneLine(list);
    QSignalSpy clicks(&list, &platform::listview::ListView::DblClick);
    doubleClick(list, list.visualRect(list.model()->index(0, 0)).center(), GetParam().button);
    EXPECT_EQ(clicks.count(), GetParam().reported);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ListViewButtonTest,
                         ::testing::Values(ButtonRow{"Left", Qt::LeftButton, 1},
                                           ButtonRow{"Right", Qt::RightButton, 0},
                                           ButtonRow{"Middle", Qt::MiddleButton, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
