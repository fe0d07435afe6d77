#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "controls/FlatCmd/rgb_text.h"
#include "flatcmd_fixture.h"
#include "platform/basic/runtime_error.h"
#include "platform/controlhost/std_font.h"
#include "support/row_print.h"

namespace {

using flattest::FlatOnWindow;
using flattest::FlatProbe;
using flattest::Strip;
using flattest::StripBag;

platform::raster::PicturePtr Bitmap(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    return platform::raster::PictureFromImage(image);
}

// --- setters -------------------------------------------------------------------------

TEST(FlatCmdMembers, MousePointerOutside16BitsIsRefused) {
    const platform::controlhost::PropertyBag empty;
    FlatOnWindow on(&empty);
    on.control->SetMousePointer(2);
    on.control->Save();
    for (std::int32_t value : {40000, 32768, -32769}) {
        try {
            on.control->SetMousePointer(value);
            ADD_FAILURE() << value << " accepted";
        } catch (const platform::basic::RuntimeError& error) {
            EXPECT_EQ(error.number(), 6) << value;
        }
        EXPECT_EQ(on.control->MousePointer(), 2);
        EXPECT_FALSE(on.control->IsChanged());
    }
    on.control->SetMousePointer(-32768);
    EXPECT_EQ(on.control->MousePointer(), -32768);
}

// The window selects a category through the Qt property "Status"; the
// selection repaints at once and is never marked changed.
TEST(FlatCmdMembers, StatusRepaintsWithoutMarking) {
    const auto bag = StripBag(Strip(180), true);
    FlatOnWindow on(&bag);
    on.control->Save();
    const int before = on.control->refreshes;
    ASSERT_TRUE(on.control->setProperty("Status", true));
    EXPECT_TRUE(on.control->Status());
    EXPECT_EQ(on.control->refreshes, before + 1);
    EXPECT_EQ(flattest::Look(*on.control), "strip:122");
    EXPECT_FALSE(on.control->IsChanged());
    on.control->setProperty("Status", false);
    EXPECT_EQ(flattest::Look(*on.control), "window:15,9");
    EXPECT_EQ(on.control->property("Status"), QVariant(false));
}

// The drawn picture size after setting Picture: its own size with
// PictureSize 2 (32 x 32 for none), unchanged (5 x 6 here) with other
// values. Only "Picture" is marked.
struct PictureRow {
    const char* what;
    std::int32_t pictureSize;
    platform::raster::PicturePtr (*picture)();
    int width, height;
    int ownWidth, ownHeight;
};

using support::PrintTo;

const PictureRow kPictures[] = {
    {"NoneAtOwnSize", 2, [] { return platform::raster::PicturePtr(); }, 32, 32, 32, 32},
    {"BitmapAtOwnSize", 2, [] { return Bitmap(48, 24); }, 48, 24, 48, 24},
    {"EmptyAtOwnSize", 2, [] { return platform::raster::Picture::CreateEmpty(); }, 0, 0, 0, 0},
    {"NoneSmall", 0, [] { return platform::raster::PicturePtr(); }, 5, 6, 32, 32},
    {"BitmapLarge", 1, [] { return Bitmap(48, 24); }, 5, 6, 48, 24},
    {"BitmapOtherSize", 7, [] { return Bitmap(48, 24); }, 5, 6, 48, 24},
};

class FlatCmdPicture : public ::testing::TestWithParam<PictureRow> {};

TEST_P(FlatCmdPicture, SizesFollowPictureSize) {
    const PictureRow& row = GetParam();
    FlatOnWindow on(nullptr);
    FlatProbe& c = *on.control;
    c.SetPictureSize(row.pictureSize);
    c.SetPictureWidth(5);
    c.SetPictureHeight(6);
    c.Save();
    c.SetPicture(row.picture());
    EXPECT_EQ(c.PictureSize(), row.pictureSize);
    EXPECT_EQ(c.PictureWidth(), row.width);
    EXPECT_EQ(c.PictureHeight(), row.height);
    EXPECT_EQ(c.Fields().OriginalPicSizeW, row.ownWidth);
    EXPECT_EQ(c.Fields().OriginalPicSizeH, row.ownHeight);
    EXPECT_EQ(c.ChangedProperties(), QStringList{"Picture"});
}

INSTANTIATE_TEST_SUITE_P(Cases, FlatCmdPicture, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return std::string(info.param.what); });

// While hovering, Picture returns the hover picture; one set meanwhile waits
// for the next entry.
TEST(FlatCmdMembers, HoverPictureWaitsForTheNextEntry) {
    FlatOnWindow on(nullptr);
    FlatProbe& c = *on.control;
    const platform::raster::PicturePtr normal = Bitmap(16, 16);
    const platform::raster::PicturePtr first = Bitmap(16, 16);
    const platform::raster::PicturePtr second = Bitmap(16, 16);
    c.SetPicture(normal);
    c.SetPictureHover(first);
    c.Enter();
    EXPECT_EQ(c.Picture(), first);
    c.SetPictureHover(second);
    EXPECT_EQ(c.Picture(), first);
    c.Leave();
    EXPECT_EQ(c.Picture(), normal);
    c.Enter();
    EXPECT_EQ(c.Picture(), second);
}

// Name, size, bold, italic, underline and strikethrough follow the given
// font; its character set and weight stay with the control's font.
TEST(FlatCmdMembers, FontCopiesSixAttributes) {
    FlatOnWindow on(nullptr);
    FlatProbe& c = *on.control;
    const platform::controlhost::StdFontRef kept = c.Font();
    auto given = platform::controlhost::NewDefaultFont();
    given->SetName(QStringLiteral("Arial"));
    given->SetSize(12);
    given->SetItalic(true);
    given->SetUnderline(true);
    given->SetStrikethrough(true);
    given->SetCharset(0);
    const int before = c.refreshes;
    c.SetFont(given);
    EXPECT_EQ(c.Font(), kept);
    EXPECT_EQ(c.Font()->Name(), QStringLiteral("Arial"));
    EXPECT_EQ(c.Font()->Size(), 12);
    EXPECT_TRUE(c.Font()->Italic());
    EXPECT_TRUE(c.Font()->Underline());
    EXPECT_TRUE(c.Font()->Strikethrough());
    EXPECT_FALSE(c.Font()->Bold());
    EXPECT_EQ(c.Font()->Charset(), 134);
    EXPECT_GE(c.refreshes, before + 4) << "one repaint per change notification";
    EXPECT_TRUE(c.ChangedProperties().contains("Font"));
    EXPECT_THROW(c.SetFont(nullptr), platform::basic::RuntimeError);
}

// --- the colour probe ------------------------------------------------------------------

struct RgbRow {
    const char* what;
    std::int32_t colour;
    const char* text;
};

const RgbRow kRgbs[] = {
    {"Black", 0x000000, "000"},
    {"White", 0xFFFFFF, "255255255"},
    {"Magenta", 0xFF00FF, "2550255"},
    {"SameTextAsMagenta", 0xFF3219, "2550255"},
    {"NearlyMagenta", 0xFE00FF, "2550254"},
    {"Mixed", 0x640A01, "110100"},
    {"Invalid", -1, "255255255"},
};

class FlatCmdRgb : public ::testing::TestWithParam<RgbRow> {};

TEST_P(FlatCmdRgb, IsTheDecimalTextOfTheBytes) {
    const RgbRow& row = GetParam();
    EXPECT_EQ(controls::RgbText(row.colour).View(), QLatin1String(row.text));
    EXPECT_EQ(controls::RgbText(row.colour).View() == controls::kKeyText,
              QByteArray(row.text) == "2550255");
}

INSTANTIATE_TEST_SUITE_P(Colours, FlatCmdRgb, ::testing::ValuesIn(kRgbs),
                         [](const auto& info) { return std::string(info.param.what); });

// GetRGB reads the surface: a button face in one colour, and points outside
// it, which read as white.
TEST(FlatCmdRgbProbe, ReadsTheSurface) {
    const auto bag = StripBag(nullptr, true, {{"NoBorderEffect", true}, {"TransparentBG", false}});
    FlatOnWindow on(&bag);
    FlatProbe& c = *on.control;
    for (const RgbRow& row : kRgbs) {
        if (row.colour < 0) continue;
        c.SetBackColor(row.colour);
        EXPECT_EQ(c.GetRGB(3, 4), QString::fromLatin1(row.text)) << row.what;
    }
    c.SetBackColor(0);
    const std::int32_t outside[][2] = {{-1, 0}, {0, -1}, {c.width(), 0}, {0, c.height()}};
    for (const auto& point : outside) {
        const std::int32_t x = point[0];
        const std::int32_t y = point[1];
        EXPECT_EQ(c.GetRGB(x, y), QStringLiteral("255255255")) << x << "," << y;
        EXPECT_EQ(x, point[0]);
    }
}

// --- the designer data ------------------------------------------------------------------

TEST(FlatCmdKind, DesignerDataMakesALoadedButtonThatClicks) {
    const QVariantMap bag{{"_extentx", 1588},
                          {"_extenty", 688},
                          {"caption", QStringLiteral("主力  ")},
                          {"picturebg", QStringLiteral(":/images/FlatCmd/strip.bmp")},
                          {"checked", true}};
    buttontest::Designed on(QStringLiteral("FlatCmd"), QStringLiteral("FlatCmd1"), 1,
                            QRect(1155, 480, 900, 390), bag);
    auto* button = qobject_cast<controls::FlatCmd*>(on.made);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->geometry(), QRect(77, 32, 60, 26));
    EXPECT_EQ(button->Caption(), QStringLiteral("主力  "));
    EXPECT_FALSE(button->Status());

    buttontest::Clicks clicks(button);
    ASSERT_TRUE(clicks.Connected());
    EXPECT_EQ(clicks.At(QPoint(30, 12)), 1);

    QVariantMap missing = bag;
    missing.insert("picturebg", QStringLiteral(":/images/FlatCmd/missing.bmp"));
    const buttontest::Designed refused(QStringLiteral("FlatCmd"), QStringLiteral("FlatCmd1"), 1,
                                       QRect(1155, 480, 900, 390), missing);
    EXPECT_EQ(refused.made, nullptr) << "a strip that cannot be read";
}

}  // namespace
