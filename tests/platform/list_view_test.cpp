#include <gtest/gtest.h>

#include "platform/listview/list_view.h"

namespace {

struct ColumnRow {
    double twips;
    int pixels;
};

class ListViewColumnTest : public ::testing::TestWithParam<ColumnRow> {};

TEST_P(ListViewColumnTest, ColumnWidthIsTheNearestWholePixel) {
    platform::ListView list;
    list.AddColumn(QStringLiteral("代码"), GetParam().twips);
    EXPECT_EQ(list.columnWidth(0), GetParam().pixels);
    EXPECT_EQ(list.headerItem()->text(0), QStringLiteral("代码"));
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

TEST(ListView, ColumnsFollowEachOther) {
    platform::ListView list;
    list.AddColumn(QStringLiteral("代码"), 900);
    list.AddColumn(QStringLiteral("拼音"), 1050);
    ASSERT_EQ(list.columnCount(), 2);
    EXPECT_EQ(list.headerItem()->text(1), QStringLiteral("拼音"));
    EXPECT_EQ(list.columnWidth(1), 70);
    EXPECT_FALSE(list.rootIsDecorated());
}

}  // namespace
