#include <gtest/gtest.h>

#include <QImage>
#include <QVariantMap>
#include <functional>

#include "platform/controlhost/std_font.h"
#include "platform/raster/picture.h"
#include "xpcommand_control_fixture.h"

namespace {

using platform::controlhost::PropertyBag;
using xptest::XPOnWindow;
using xptest::XPProbe;

QString Describe(const platform::raster::PicturePtr& picture) {
    if (!picture) return QStringLiteral("nothing");
    return picture->Type() == platform::raster::PictureType::None ? QStringLiteral("empty")
                                                                  : QStringLiteral("picture");
}

// --- a new control against one read from stored data without a key -------------

struct StartCase {
    const char* what;
    std::function<QVariant(XPProbe&)> read;
    QVariant whenNew;
    QVariant whenLoaded;
};

void PrintTo(const StartCase& c, std::ostream* out) {
    *out << c.what;
}

const StartCase kStarts[] = {
    {"PictureSize", [](XPProbe& c) { return QVariant(c.PictureSize()); }, 2, 1},
    {"PictureHover", [](XPProbe& c) { return QVariant(Describe(c.PictureHover())); }, "empty",
     "nothing"},
    {"g_PictureNormal", [](XPProbe& c) { return QVariant(Describe(c.Fields().g_PictureNormal)); },
     "empty", "nothing"},
    {"Picture", [](XPProbe& c) { return QVariant(Describe(c.Picture())); }, "nothing", "nothing"},
    {"OriginalPicSizeW", [](XPProbe& c) { return QVariant(c.Fields().OriginalPicSizeW); }, 0, 16},
    {"OriginalPicSizeH", [](XPProbe& c) { return QVariant(c.Fields().OriginalPicSizeH); }, 0, 16},
    {"PictureWidth", [](XPProbe& c) { return QVariant(c.PictureWidth()); }, 16, 16},
    {"PictureHeight", [](XPProbe& c) { return QVariant(c.PictureHeight()); }, 16, 16},
    {"PicturePosition", [](XPProbe& c) { return QVariant(c.PicturePosition()); }, 1, 1},
    {"Caption", [](XPProbe& c) { return QVariant(c.Caption()); }, "XPCommand1", "XPCommand1"},
    {"ForeColor", [](XPProbe& c) { return QVariant(c.ForeColor()); }, 0x404040, 0x404040},
    {"BackColor", [](XPProbe& c) { return QVariant(c.Fields().BackColor); },
     platform::raster::SystemOleColor(15), platform::raster::SystemOleColor(15)},
    {"ShowBorderOnFocus", [](XPProbe& c) { return QVariant(c.Fields().ShowBorderOnFocus); }, true,
     true},
    {"XPColor_Pressed", [](XPProbe& c) { return QVariant(c.XPColor_Pressed()); }, 0xE4AD89,
     0xE4AD89},
    {"XPColor_Hover", [](XPProbe& c) { return QVariant(c.XPColor_Hover()); }, 0x30B3F8, 0x30B3F8},
    {"MaskColor", [](XPProbe& c) { return QVariant(c.MaskColor()); }, 0, 0},
    {"TransparentBG", [](XPProbe& c) { return QVariant(c.TransparentBG()); }, false, false},
    {"Enabled", [](XPProbe& c) { return QVariant(c.Enabled()); }, true, true},
    {"MousePointer", [](XPProbe& c) { return QVariant(c.MousePointer()); }, 0, 0},
    {"Font", [](XPProbe& c) { return QVariant(c.Font()->Name()); }, "宋体", "宋体"},
    {"MarkedChanged", [](XPProbe& c) { return QVariant(c.ChangedProperties()); }, QStringList{},
     QStringList{"MouseIcon"}},
};

class XPCommandStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(XPCommandStart, NewAndLoadedControlsDifferAsIntended) {
    const StartCase& c = GetParam();
    XPOnWindow fresh(89, 25, nullptr);
    const PropertyBag empty;
    XPOnWindow loaded(89, 25, &empty);
    EXPECT_EQ(c.read(*fresh.control), c.whenNew) << "new";
    EXPECT_EQ(c.read(*loaded.control), c.whenLoaded) << "loaded";
}

INSTANTIATE_TEST_SUITE_P(Fields, XPCommandStart, ::testing::ValuesIn(kStarts),
                         [](const auto& info) { return std::string(info.param.what); });

QStringList KeysOf(const PropertyBag& bag) {
    QStringList keys = bag.ToMap().keys();
    keys.sort();
    return keys;
}

TEST(XPCommandSave, ANewControlStoresWhatDiffersFromTheStoredDefaults) {
    XPOnWindow fresh(89, 25, nullptr);
    EXPECT_EQ(KeysOf(fresh.control->Save()),
              (QStringList{"Font", "OriginalPicSizeH", "OriginalPicSizeW", "PictureHover",
                           "PictureSize"}));
    const PropertyBag empty;
    XPOnWindow loaded(89, 25, &empty);
    EXPECT_EQ(KeysOf(loaded.control->Save()), QStringList{"Font"});
}

// The windows' buttons store their size, the caption with one blank per
// Chinese character, and the font; the designer data spell keys in lower
// case.
TEST(XPCommandSave, TheWindowsInstancesReadTheirDefaults) {
    const PropertyBag bag(QVariantMap{
        {"_extentx", 2355},
        {"_extenty", 661},
        {"caption", QStringLiteral("游客登录    ")},
        {"font", QVariantMap{{"name", QStringLiteral("宋体")}, {"size", 9}, {"charset", 134}}}});
    XPOnWindow on(89, 25, &bag);
    XPProbe& c = *on.control;
    EXPECT_EQ(c.Caption(), QStringLiteral("游客登录    "));
    EXPECT_EQ(c.Font()->Name(), QStringLiteral("宋体"));
    EXPECT_EQ(c.Font()->Size(), 9);
    EXPECT_EQ(c.Surface::Font()->Charset(), 134);
    EXPECT_EQ(c.PictureSize(), 1);
    EXPECT_EQ(c.PicturePosition(), 1);
    EXPECT_EQ(c.ForeColor(), 0x404040);
    EXPECT_EQ(c.Fields().BackColor, platform::raster::SystemOleColor(15));
    EXPECT_EQ(c.Surface::BackColor(), platform::raster::SystemOleColor(15));
    EXPECT_TRUE(c.Enabled());
    EXPECT_EQ(c.Picture(), nullptr);
    EXPECT_EQ(c.PictureHover(), nullptr);
    EXPECT_EQ(KeysOf(c.Save()), (QStringList{"Caption", "Font"}));
}

// Stored values in the designer data's forms: colours as unsigned numbers,
// Booleans as numbers (0 False, anything else True).
TEST(XPCommandSave, StoredValuesAreConvertedByTheRuntimeRules) {
    const PropertyBag bag(QVariantMap{{"BackColor", 2147483663.0},
                                      {"XPColor_Hover", QStringLiteral("&H8000000D")},
                                      {"Enabled", 0},
                                      {"TransparentBG", 5},
                                      {"ShowBorderOnFocus", 0},
                                      {"MousePointer", 99}});
    XPOnWindow on(89, 25, &bag);
    EXPECT_EQ(on.control->Fields().BackColor, platform::raster::SystemOleColor(15));
    EXPECT_EQ(on.control->XPColor_Hover(), platform::raster::SystemOleColor(13));
    EXPECT_FALSE(on.control->Enabled());
    EXPECT_TRUE(on.control->TransparentBG());
    EXPECT_FALSE(on.control->Fields().ShowBorderOnFocus);
    EXPECT_EQ(on.control->MousePointer(), 99);
    EXPECT_EQ(KeysOf(on.control->Save()),
              (QStringList{"Enabled", "Font", "MousePointer", "ShowBorderOnFocus", "TransparentBG",
                           "XPColor_Hover"}));
}

// --- round trip ------------------------------------------------------------------

platform::raster::PicturePtr Bitmap(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    return platform::raster::PictureFromImage(image);
}

TEST(XPCommandSave, EveryPropertySurvivesARoundTrip) {
    XPOnWindow first(89, 25, nullptr);
    XPProbe& a = *first.control;
    const platform::raster::PicturePtr picture = Bitmap(24, 20);
    const platform::raster::PicturePtr hover = Bitmap(24, 20);
    const platform::raster::PicturePtr icon = Bitmap(8, 8);
    a.SetXPColor_Pressed(0x112233);
    a.SetXPColor_Hover(platform::raster::SystemOleColor(13));
    a.SetEnabled(false);
    a.SetMousePointer(99);
    a.SetMouseIcon(icon);
    a.SetCaption(QStringLiteral("评测  "));
    a.SetPicturePosition(3);
    a.SetPicture(picture);
    a.SetPictureSize(5);
    a.SetPictureWidth(12);
    a.SetPictureHeight(13);
    a.SetPictureHover(hover);
    a.SetForeColor(0x0000FF);
    a.SetMaskColor(0x00FF00);
    a.SetTransparentBG(true);
    auto font = platform::controlhost::NewDefaultFont();
    font->SetSize(11);
    font->SetBold(true);
    a.SetFont(font);
    const PropertyBag bag = a.Save();

    XPOnWindow second(89, 25, &bag);
    XPProbe& b = *second.control;
    EXPECT_EQ(b.XPColor_Pressed(), 0x112233);
    EXPECT_EQ(b.XPColor_Hover(), platform::raster::SystemOleColor(13));
    EXPECT_FALSE(b.Enabled());
    EXPECT_EQ(b.MousePointer(), 99);
    EXPECT_EQ(b.MouseIcon(), icon);
    EXPECT_EQ(b.Caption(), QStringLiteral("评测  "));
    EXPECT_EQ(b.PicturePosition(), 3);
    EXPECT_EQ(b.Picture(), picture);
    EXPECT_EQ(b.Fields().g_PictureNormal, picture);
    EXPECT_EQ(b.PictureSize(), 5);
    EXPECT_EQ(b.PictureWidth(), 12);
    EXPECT_EQ(b.PictureHeight(), 13);
    EXPECT_EQ(b.Fields().OriginalPicSizeW, 24);
    EXPECT_EQ(b.Fields().OriginalPicSizeH, 20);
    EXPECT_EQ(b.PictureHover(), hover);
    EXPECT_EQ(b.ForeColor(), 0x0000FF);
    EXPECT_EQ(b.MaskColor(), 0x00FF00);
    EXPECT_TRUE(b.TransparentBG());
    EXPECT_EQ(b.Font()->Size(), 11);
    EXPECT_TRUE(b.Font()->Bold());
    EXPECT_EQ(KeysOf(b.Save()), KeysOf(bag));
}

}  // namespace
