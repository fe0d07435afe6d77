#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>

#include "platform/tabstrip/tab_strip.h"
#include "support/row_print.h"

namespace {

using platform::tabstrip::TabStrip;

QVariantMap song(bool bold) {
    return {{"name", "宋体"}, {"size", 9}, {"bold", bold}, {"charset", 134}};
}

QVariantMap designed() {
    return {{"tabcount", 2},
            {"tabcaption(0)", " 主力底牌 "},
            {"tabcaption(1)", " 主力持仓 "},
            {"activetabbackstartcolor", 0xFBFDFB},
            {"activetabbackendcolor", 0xFBFDFB},
            {"inactivetabbackstartcolor", 0xFFFFFF},
            {"inactivetabbackendcolor", 0xEAF0F0},
            {"outerbordercolor", 0x9B9C91},
            {"tabstripbackcolor", 0xEAB43F},
            {"disabledtabbackcolor", qlonglong(0x8000000F)},
            {"disabledtabforecolor", 0xA0A0A0},
            {"activetabfont", song(true)},
            {"inactivetabfont", song(false)}};
}

void pressAt(TabStrip& strip, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent press(QEvent::MouseButtonPress, at, strip.mapToGlobal(at), button, button,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&strip, &press);
}

struct BagRow {
    const char* name;
    QVariantMap bag;
    QStringList captions;
};

using support::PrintTo;

class TabStripBagTest : public ::testing::TestWithParam<BagRow> {};

TEST_P(TabStripBagTest, CountAndCaptionsComeFromTheBag) {
    TabStrip strip;
    strip.ReadProperties(GetParam().bag);
    QStringList captions;
    for (int tab = 0; tab < strip.TabCount(); ++tab) captions.append(strip.TabCaption(tab));
    EXPECT_EQ(captions, GetParam().captions);
}

INSTANTIATE_TEST_SUITE_P(
    Bags, TabStripBagTest,
    ::testing::Values(
        BagRow{"Designed", designed(), {" 主力底牌 ", " 主力持仓 "}},
        // Without a count the strip has three tabs, as the fund-flows strip relies on.
        BagRow{"NoCount",
               {{"tabcaption(0)", "a"}, {"tabcaption(1)", "b"}, {"tabcaption(2)", "c"}},
               {"a", "b", "c"}},
        BagRow{"KeysInAnyCase", {{"TabCount", 1}, {"TABCAPTION(0)", "x"}}, {"x"}},
        BagRow{"MissingCaption", {{"tabcount", 2}, {"tabcaption(0)", "x"}}, {"x", "Tab 2"}},
        BagRow{"NegativeCount", {{"tabcount", -4}}, {}},
        BagRow{"CountNotANumber", {{"tabcount", "many"}}, {"Tab 1", "Tab 2", "Tab 3"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TabStrip, ColoursAndFontsComeFromTheBag) {
    TabStrip strip;
    strip.ReadProperties(designed());
    EXPECT_EQ(strip.colours().activeStart, QColor(0xFB, 0xFD, 0xFB));
    EXPECT_EQ(strip.colours().inactiveEnd, QColor(0xF0, 0xF0, 0xEA));
    EXPECT_EQ(strip.colours().outerBorder, QColor(0x91, 0x9C, 0x9B));
    EXPECT_EQ(strip.colours().stripBack, QColor(0x3F, 0xB4, 0xEA));
    EXPECT_TRUE(strip.activeFont().bold());
    EXPECT_FALSE(strip.inactiveFont().bold());
    EXPECT_EQ(strip.inactiveFont().pointSize(), 9);
}

TEST(TabStrip, ClickRaisesTheNumberOfTheTabUnderThePointer) {
    TabStrip strip;
    strip.resize(593, 21);
    QVariantMap bag = designed();
    bag["tabcount"] = 4;
    bag["tabcaption(2)"] = " 主力成本 ";
    bag["tabcaption(3)"] = " 主力获利 ";
    strip.ReadProperties(bag);
    QList<int> clicks;
    QObject::connect(&strip, &TabStrip::Click, [&](int tab) { clicks.append(tab); });
    for (int tab : {3, 0, 2, 2}) pressAt(strip, strip.TabRect(tab).center());
    pressAt(strip, QPoint(590, 10));                             // right of the last tab
    pressAt(strip, strip.TabRect(1).center(), Qt::RightButton);  // not a click
    EXPECT_EQ(clicks, (QList<int>{3, 0, 2, 2}));
    EXPECT_EQ(strip.SelectedTab(), 2);
}

TEST(TabStrip, TabsSitSideBySideWithoutOverlap) {
    TabStrip strip;
    strip.resize(593, 21);
    strip.ReadProperties(designed());
    EXPECT_EQ(strip.TabRect(0).right() + 1, strip.TabRect(1).left());
    EXPECT_TRUE(strip.TabRect(2).isEmpty());
    EXPECT_TRUE(strip.TabRect(-1).isEmpty());
}

TEST(TabStrip, PaintsInTheStoredColours) {
    TabStrip strip;
    strip.resize(593, 21);
    strip.ReadProperties(designed());
    QImage image(strip.size(), QImage::Format_RGB32);
    strip.render(&image);
    // Beyond the tabs the strip's own colour shows; the selected tab is light.
    EXPECT_EQ(image.pixelColor(580, 5), QColor(0x3F, 0xB4, 0xEA));
    EXPECT_EQ(image.pixelColor(strip.TabRect(0).left() + 2, 3), QColor(0xFB, 0xFD, 0xFB));
}

}  // namespace
