#include <gtest/gtest.h>

#include <QImage>
#include <QVariantMap>
#include <functional>
#include <string>

#include "flatcmd_fixture.h"
#include "platform/controlhost/std_font.h"
#include "platform/raster/picture.h"
#include "support/row_print.h"

namespace {

using flattest::FlatOnWindow;
using flattest::FlatProbe;
using platform::controlhost::PropertyBag;

QString Describe(const platform::raster::PicturePtr& picture) {
    if (!picture) return QStringLiteral("none");
    return picture->Type() == platform::raster::PictureType::None ? QStringLiteral("empty")
                                                                  : QStringLiteral("picture");
}

QStringList KeysOf(const PropertyBag& bag) {
    QStringList keys = bag.ToMap().keys();
    keys.sort(Qt::CaseInsensitive);
    return keys;
}

// --- a new control against one read from stored data without a key ---------------

struct StartCase {
    const char* what;
    std::function<QVariant(FlatProbe&)> read;
    QVariant whenNew;
    QVariant whenLoaded;
};

void PrintTo(const StartCase& c, std::ostream* out) {
    *out << c.what;
}

const StartCase kStarts[] = {
    {"Caption", [](FlatProbe& c) { return QVariant(c.Caption()); }, "", "FlatCmd1"},
    {"PictureSize", [](FlatProbe& c) { return QVariant(c.PictureSize()); }, 2, 2},
    {"PictureHover", [](FlatProbe& c) { return QVariant(Describe(c.PictureHover())); }, "empty",
     "none"},
    {"g_PictureNormal", [](FlatProbe& c) { return QVariant(Describe(c.Fields().g_PictureNormal)); },
     "empty", "none"},
    {"Picture", [](FlatProbe& c) { return QVariant(Describe(c.Picture())); }, "none", "none"},
    {"PictureBG", [](FlatProbe& c) { return QVariant(Describe(c.PictureBG())); }, "none", "none"},
    {"OriginalPicSizeW", [](FlatProbe& c) { return QVariant(c.Fields().OriginalPicSizeW); }, 0, 16},
    {"OriginalPicSizeH", [](FlatProbe& c) { return QVariant(c.Fields().OriginalPicSizeH); }, 0, 16},
    {"PictureWidth", [](FlatProbe& c) { return QVariant(c.PictureWidth()); }, 16, 16},
    {"PicturePosition", [](FlatProbe& c) { return QVariant(c.PicturePosition()); }, 1, 1},
    {"ForeColor", [](FlatProbe& c) { return QVariant(c.ForeColor()); },
     platform::raster::SystemOleColor(18), platform::raster::SystemOleColor(18)},
    {"BackColor", [](FlatProbe& c) { return QVariant(c.BackColor()); },
     platform::raster::SystemOleColor(15), platform::raster::SystemOleColor(15)},
    {"TransparentBG", [](FlatProbe& c) { return QVariant(c.TransparentBG()); }, true, true},
    {"NoBorderEffect", [](FlatProbe& c) { return QVariant(c.NoBorderEffect()); }, false, false},
    {"MaskColor", [](FlatProbe& c) { return QVariant(c.MaskColor()); }, 0, 0},
    {"Status", [](FlatProbe& c) { return QVariant(c.Status()); }, false, false},
    {"Checked", [](FlatProbe& c) { return QVariant(c.Checked()); }, false, false},
    {"Enabled", [](FlatProbe& c) { return QVariant(c.Enabled()); }, true, true},
    {"MousePointer", [](FlatProbe& c) { return QVariant(c.MousePointer()); }, 0, 0},
    {"Font", [](FlatProbe& c) { return QVariant(c.Font()->Name()); }, "宋体", "宋体"},
    {"MarkedChanged", [](FlatProbe& c) { return QVariant(c.ChangedProperties()); }, QStringList{},
     (QStringList{"PictureBG", "MouseIcon"})},
};

class FlatCmdStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(FlatCmdStart, NewAndLoadedControlsDifferAsIntended) {
    const StartCase& c = GetParam();
    FlatOnWindow fresh(nullptr);
    const PropertyBag empty;
    FlatOnWindow loaded(&empty);
    EXPECT_EQ(c.read(*fresh.control), c.whenNew) << "new";
    EXPECT_EQ(c.read(*loaded.control), c.whenLoaded) << "loaded";
}

INSTANTIATE_TEST_SUITE_P(Fields, FlatCmdStart, ::testing::ValuesIn(kStarts),
                         [](const auto& info) { return std::string(info.param.what); });

// --- saving ---------------------------------------------------------------------------

// TransparentBG's stored default is the number 1, which no Boolean equals, so
// it is always stored; NoBorderEffect's is 0, which False equals.
struct SaveCase {
    const char* what;
    bool fresh;
    QVariantMap stored;
    QStringList keys;
};

using support::PrintTo;

const SaveCase kSaves[] = {
    {"NewControl",
     true,
     {},
     {"Caption", "Font", "OriginalPicSizeH", "OriginalPicSizeW", "PictureHover", "TransparentBG"}},
    {"LoadedWithoutKeys", false, {}, {"Font", "TransparentBG"}},
    {"TransparentBGFalse", false, {{"TransparentBG", 0}}, {"Font", "TransparentBG"}},
    {"NoBorderEffectTrue",
     false,
     {{"NoBorderEffect", 1}},
     {"Font", "NoBorderEffect", "TransparentBG"}},
    {"NoBorderEffectFalse", false, {{"NoBorderEffect", 0}}, {"Font", "TransparentBG"}},
    {"MaskColorZero", false, {{"MaskColor", 0}}, {"Font", "TransparentBG"}},
    {"StatusAndChecked",
     false,
     {{"Status", true}, {"Checked", -1}},
     {"Checked", "Font", "Status", "TransparentBG"}},
};

class FlatCmdSave : public ::testing::TestWithParam<SaveCase> {};

TEST_P(FlatCmdSave, StoresWhatDiffersFromTheDefaults) {
    const SaveCase& c = GetParam();
    const PropertyBag bag(c.stored);
    FlatOnWindow on(c.fresh ? nullptr : &bag);
    EXPECT_EQ(KeysOf(on.control->Save()), c.keys);
}

INSTANTIATE_TEST_SUITE_P(Cases, FlatCmdSave, ::testing::ValuesIn(kSaves),
                         [](const auto& info) { return std::string(info.param.what); });

// The main window's category buttons store their size, the caption with one
// blank per Chinese character, the strip, Checked, Status on the first and
// the font; the designer data spell keys in lower case.
TEST(FlatCmdSave, TheCategoryButtonsReadTheirKeys) {
    const PropertyBag bag(QVariantMap{{"_extentx", 1588},
                                      {"_extenty", 688},
                                      {"caption", QStringLiteral("个股透析    ")},
                                      {"picturebg", QStringLiteral(":/images/FlatCmd/strip.bmp")},
                                      {"checked", true},
                                      {"status", true},
                                      {"font", QVariantMap{{"name", QStringLiteral("宋体")},
                                                           {"size", 9},
                                                           {"weight", 400},
                                                           {"charset", 134},
                                                           {"bold", false},
                                                           {"italic", false},
                                                           {"underline", false},
                                                           {"strikethrough", false}}}});
    FlatOnWindow on(&bag);
    FlatProbe& c = *on.control;
    EXPECT_EQ(c.Caption(), QStringLiteral("个股透析    "));
    EXPECT_TRUE(c.Checked());
    EXPECT_TRUE(c.Status());
    EXPECT_TRUE(c.TransparentBG());
    EXPECT_EQ(c.width(), 60);
    EXPECT_EQ(c.height(), 26);
    EXPECT_EQ(c.PictureBG()->PixelWidth(), 180);
    EXPECT_EQ(c.Surface::Font()->Charset(), 134);
    EXPECT_EQ(c.PicT(2).Picture()->PixelWidth(), 60);
    EXPECT_EQ(c.Surface::Picture(), c.PicT(2).Picture()) << "the selected frame";
    EXPECT_EQ(KeysOf(c.Save()),
              (QStringList{"Caption", "Checked", "Font", "PictureBG", "Status", "TransparentBG"}));
}

platform::raster::PicturePtr Bitmap(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    return platform::raster::PictureFromImage(image);
}

TEST(FlatCmdSave, EveryPropertySurvivesARoundTrip) {
    FlatOnWindow first(nullptr);
    FlatProbe& a = *first.control;
    const platform::raster::PicturePtr picture = Bitmap(24, 20);
    const platform::raster::PicturePtr hover = Bitmap(24, 20);
    const platform::raster::PicturePtr icon = Bitmap(8, 8);
    const platform::raster::PicturePtr strip = flattest::Strip(180);
    a.SetEnabled(false);
    a.SetStatus(true);
    a.SetChecked(true);
    a.SetMousePointer(99);
    a.SetMouseIcon(icon);
    a.SetCaption(QStringLiteral("主力  "));
    a.SetPicturePosition(3);
    a.SetPicture(picture);
    a.SetPictureBG(strip);
    a.SetPictureSize(5);
    a.SetPictureWidth(12);
    a.SetPictureHeight(13);
    a.SetPictureHover(hover);
    a.SetBackColor(0x00FF00);
    a.SetForeColor(0x0000FF);
    a.SetNoBorderEffect(true);
    a.SetMaskColor(0x123456);
    a.SetTransparentBG(false);
    auto font = platform::controlhost::NewDefaultFont();
    font->SetSize(11);
    font->SetBold(true);
    a.SetFont(font);
    const PropertyBag bag = a.Save();

    FlatOnWindow second(&bag);
    FlatProbe& b = *second.control;
    EXPECT_FALSE(b.Enabled());
    EXPECT_TRUE(b.Status());
    EXPECT_TRUE(b.Checked());
    EXPECT_EQ(b.MousePointer(), 99);
    EXPECT_EQ(b.MouseIcon(), icon);
    EXPECT_EQ(b.Caption(), QStringLiteral("主力  "));
    EXPECT_EQ(b.PicturePosition(), 3);
    EXPECT_EQ(b.Picture(), picture);
    EXPECT_EQ(b.Fields().g_PictureNormal, picture);
    EXPECT_EQ(b.PictureBG(), strip);
    EXPECT_EQ(b.PictureSize(), 5);
    EXPECT_EQ(b.PictureWidth(), 12);
    EXPECT_EQ(b.PictureHeight(), 13);
    EXPECT_EQ(b.Fields().OriginalPicSizeW, 24);
    EXPECT_EQ(b.Fields().OriginalPicSizeH, 20);
    EXPECT_EQ(b.PictureHover(), hover);
    EXPECT_EQ(b.BackColor(), 0x00FF00);
    EXPECT_EQ(b.Surface::BackColor(), 0x00FF00);
    EXPECT_EQ(b.ForeColor(), 0x0000FF);
    EXPECT_TRUE(b.NoBorderEffect());
    EXPECT_EQ(b.MaskColor(), 0x123456);
    EXPECT_FALSE(b.TransparentBG());
    EXPECT_EQ(b.Font()->Size(), 11);
    EXPECT_TRUE(b.Font()->Bold());
    EXPECT_EQ(b.width(), 60);
}

}  // namespace
