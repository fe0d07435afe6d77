#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <ostream>

#include "platform/basic/runtime_error.h"
#include "platform/listview/list_view.h"

namespace {

QString caption(const platform::ListView& list, int column) {
    return list.model()->headerData(column, Qt::Horizontal).toString();
}

QString cell(const platform::ListView& list, int row, int column) {
    return list.model()->index(row, column).data().toString();
}

// A list of three columns holding the given lines, each "code|pinyin|name".
void fill(platform::ListView& list, const QStringList& lines) {
    list.AddColumn(QStringLiteral("代码"), 900);
    list.AddColumn(QStringLiteral("拼音"), 1050);
    list.AddColumn(QStringLiteral("名称"), 1200);
    for (const QString& line : lines) {
        const QStringList texts = line.split(u'|');
        const int item = list.AddItem(texts[0]);
        for (int n = 1; n < texts.size(); ++n) list.SetSubItem(item, n, texts[n]);
    }
}

void doubleClick(platform::ListView& list, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent event(QEvent::MouseButtonDblClick, at, list.viewport()->mapToGlobal(at), button,
                      button, Qt::NoModifier);
    QCoreApplication::sendEvent(list.viewport(), &event);
}

struct ColumnRow {
    double twips;
    int pixels;
};

class ListViewColumnTest : public ::testing::TestWithParam<ColumnRow> {};

TEST_P(ListViewColumnTest, ColumnWidthIsTheNearestWholePixel) {
    platform::ListView list;
    list.AddColumn(QStringLiteral("代码"), GetParam().twips);
    EXPECT_EQ(list.columnWidth(0), GetParam().pixels);
    EXPECT_EQ(caption(list, 0), QStringLiteral("代码"));
}

INSTANTIATE_TEST_SUITE_P(Widths, ListViewColumnTest,
                         ::testing::Values(ColumnRow{903.75, 60}, ColumnRow{1012.2, 67},
                                           ColumnRow{1192.95, 80}, ColumnRow{457.5, 30},
                                           ColumnRow{472.5, 32}));

TEST(ListView, SizesAreTwips) {
    platform::ListView list;
    list.resize(241, 17);
    EXPECT_EQ(list.Width(), 3615);
    list.SetHeight(1695);
    EXPECT_EQ(list.height(), 113);
    EXPECT_EQ(list.Height(), 1695);
    EXPECT_EQ(list.width(), 241);
}

TEST(ListView, ReportViewOfFlatRows) {
    platform::ListView list;
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
    platform::ListView list;
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
    platform::ListView list;
    fill(list, {});
    EXPECT_EQ(list.AddItem(QStringLiteral("a")), 1);
    EXPECT_EQ(list.AddItem(QStringLiteral("b")), 2);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.AddItem(QStringLiteral("c")), 1);
}

TEST(ListView, SubItemOutsideTheListIsAnError) {
    platform::ListView list;
    fill(list, {"600000"});
    const std::pair<int, int> wrong[] = {{0, 1}, {2, 1}, {1, 0}, {1, 3}, {1, -1}};
    for (const auto& [line, n] : wrong)
        EXPECT_THROW(list.SetSubItem(line, n, QStringLiteral("x")), platform::RuntimeError)
            << line << "," << n;
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
    platform::ListView list;
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
void showOneLine(platform::ListView& list) {
    list.resize(241, 113);
    fill(list, {"600000|PFYH|浦发银行"});
    list.show();
    QCoreApplication::processEvents();
}

TEST(ListView, DoubleClickIsReportedOnLinesAndBesideThem) {
    platform::ListView list;
    showOneLine(list);
    QSignalSpy clicks(&list, &platform::ListView::DblClick);
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
    platform::ListView list;
    showOneLine(list);
    QSignalSpy clicks(&list, &platform::ListView::DblClick);
    doubleClick(list, list.visualRect(list.model()->index(0, 0)).center(), GetParam().button);
    EXPECT_EQ(clicks.count(), GetParam().reported);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ListViewButtonTest,
                         ::testing::Values(ButtonRow{"Left", Qt::LeftButton, 1},
                                           ButtonRow{"Right", Qt::RightButton, 0},
                                           ButtonRow{"Middle", Qt::MiddleButton, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
