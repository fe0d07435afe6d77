#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <tuple>

#include "platform/basic/runtime_error.h"
#include "platform/controlhost/std_font.h"
#include "platform/raster/picture.h"
#include "xpcommand_control_fixture.h"

namespace {

using xptest::XPOnWindow;
using xptest::XPProbe;

platform::raster::PicturePtr SolidBitmap(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    return platform::raster::PictureFromImage(image);
}

// --- what each member marks and repaints ---------------------------------------

struct MemberCase {
    const char* member;
    std::function<void(XPProbe&)> set;
    const char* marks;
    int repaints;
};

void PrintTo(const MemberCase& c, std::ostream* out) {
    *out << c.member;
}

const MemberCase kMembers[] = {
    {"XPColor_Pressed", [](XPProbe& c) { c.SetXPColor_Pressed(0xFF); }, "XPColor_Pressed", 0},
    {"XPColor_Hover", [](XPProbe& c) { c.SetXPColor_Hover(0xFF); }, "XPColor_Hover", 0},
    {"Enabled", [](XPProbe& c) { c.SetEnabled(false); }, "Enabled", 1},
    {"MousePointer", [](XPProbe& c) { c.SetMousePointer(5); }, "MousePointer", 0},
    {"MouseIcon", [](XPProbe& c) { c.SetMouseIcon(SolidBitmap(4, 4)); }, "MouseIcon", 0},
    {"Caption", [](XPProbe& c) { c.SetCaption(QStringLiteral("确定  ")); }, "Caption", 1},
    {"PicturePosition", [](XPProbe& c) { c.SetPicturePosition(3); }, "PicturePosition", 1},
    {"Picture", [](XPProbe& c) { c.SetPicture(SolidBitmap(8, 8)); }, "Picture", 1},
    {"PictureWidth", [](XPProbe& c) { c.SetPictureWidth(20); }, "PictureWidth", 1},
    {"PictureHeight", [](XPProbe& c) { c.SetPictureHeight(20); }, "PictureHeight", 1},
    {"PictureSize", [](XPProbe& c) { c.SetPictureSize(0); }, "PictureSize", 1},
    {"PictureHover", [](XPProbe& c) { c.SetPictureHover(SolidBitmap(8, 8)); }, "PictureHover", 0},
    {"ForeColor", [](XPProbe& c) { c.SetForeColor(0xFF0000); }, "ForeColor", 1},
    {"MaskColor", [](XPProbe& c) { c.SetMaskColor(0xFF00FF); }, "MaskColor", 1},
    {"TransparentBG", [](XPProbe& c) { c.SetTransparentBG(true); }, "TransparentBG", 1},
    // One repaint for each of the six attributes copied.
    {"Font",
     [](XPProbe& c) {
         auto font = platform::controlhost::NewDefaultFont();
         font->SetSize(12);
         c.SetFont(font);
     },
     "Font", 6},
};

// Each member on a newly placed and on a stored instance.
class XPCommandMembers : public ::testing::TestWithParam<std::tuple<MemberCase, bool>> {};

TEST_P(XPCommandMembers, MarkTheirKeyAndRepaintAsTheyShould) {
    const auto& [c, stored] = GetParam();
    const platform::controlhost::PropertyBag bag;
    XPOnWindow on(89, 25, stored ? &bag : nullptr);
    on.control->Save();
    on.control->refreshes = 0;
    c.set(*on.control);
    EXPECT_EQ(on.control->ChangedProperties(), QStringList{QString::fromLatin1(c.marks)});
    EXPECT_EQ(on.control->refreshes, c.repaints);
}

INSTANTIATE_TEST_SUITE_P(All, XPCommandMembers,
                         ::testing::Combine(::testing::ValuesIn(kMembers), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).member) +
                                    (std::get<1>(info.param) ? "Stored" : "New");
                         });

// --- picture sizes -------------------------------------------------------------

struct PictureSizeCase {
    const char* what;
    int pictureSize;  // set before the picture
    std::function<platform::raster::PicturePtr()> picture;
    int ownW, ownH;      // OriginalPicSizeW and H afterwards
    int drawnW, drawnH;  // PictureWidth and Height afterwards
};

const PictureSizeCase kPictureSizes[] = {
    {"Nothing counts as 32 by 32", 2, [] { return platform::raster::PicturePtr(); }, 32, 32, 32,
     32},
    {"own size with PictureSize 2", 2, [] { return SolidBitmap(48, 48); }, 48, 48, 48, 48},
    {"own size, not square", 2, [] { return SolidBitmap(20, 7); }, 20, 7, 20, 7},
    {"an empty picture is 0 by 0", 2, [] { return platform::raster::Picture::CreateEmpty(); }, 0, 0,
     0, 0},
    {"PictureSize 0 keeps 16", 0, [] { return SolidBitmap(48, 48); }, 48, 48, 16, 16},
    {"PictureSize 1 keeps 32", 1, [] { return SolidBitmap(48, 48); }, 48, 48, 32, 32},
    {"PictureSize 5 keeps what was", 5, [] { return SolidBitmap(48, 48); }, 48, 48, 16, 16},
};

TEST(XPCommandPicture, PictureSetterWorksOutTheOwnAndDrawnSizes) {
    for (const PictureSizeCase& c : kPictureSizes) {
        XPOnWindow on(89, 25, nullptr);
        on.control->SetPictureSize(c.pictureSize);
        on.control->SetPicture(c.picture());
        EXPECT_EQ(on.control->Fields().OriginalPicSizeW, c.ownW) << c.what;
        EXPECT_EQ(on.control->Fields().OriginalPicSizeH, c.ownH) << c.what;
        EXPECT_EQ(on.control->PictureWidth(), c.drawnW) << c.what;
        EXPECT_EQ(on.control->PictureHeight(), c.drawnH) << c.what;
        EXPECT_EQ(on.control->PictureSize(), c.pictureSize) << c.what;
    }
}

TEST(XPCommandPicture, PictureSizeSetsTheDrawnSize) {
    const struct {
        bool withPicture;
        int value;
        int drawn;
    } cases[] = {{false, 0, 16}, {false, 1, 32}, {false, 2, 32}, {true, 2, 48},
                 {true, 1, 32},  {true, 0, 16},  {true, 5, 20}};
    for (const auto& c : cases) {
        XPOnWindow on(89, 25, nullptr);
        on.control->SetPictureSize(0);
        if (c.withPicture) on.control->SetPicture(SolidBitmap(48, 48));
        on.control->SetPictureWidth(20);
        on.control->SetPictureHeight(20);
        on.control->SetPictureSize(c.value);
        EXPECT_EQ(on.control->PictureWidth(), c.drawn) << c.withPicture << " " << c.value;
        EXPECT_EQ(on.control->PictureHeight(), c.drawn) << c.withPicture << " " << c.value;
        EXPECT_EQ(on.control->PictureSize(), c.value);
    }
}

TEST(XPCommandPicture, HoverPictureWaitsForTheNextEntry) {
    XPOnWindow on(89, 25, nullptr);
    const platform::raster::PicturePtr normal = SolidBitmap(16, 16);
    const platform::raster::PicturePtr hover = SolidBitmap(16, 16);
    on.control->SetPicture(normal);
    on.control->Enter();
    EXPECT_EQ(on.control->Picture()->Type(), platform::raster::PictureType::None)
        << "a new control's empty hover picture counts as a picture";
    on.control->Leave();
    on.control->SetPictureHover(nullptr);
    on.control->Enter();
    EXPECT_EQ(on.control->Picture(), normal);
    on.control->SetPictureHover(hover);
    EXPECT_EQ(on.control->Picture(), normal) << "set while the pointer is over it";
    on.control->Leave();
    on.control->Enter();
    EXPECT_EQ(on.control->Picture(), hover);
    on.control->SetPicture(normal);
    EXPECT_EQ(on.control->Picture(), normal) << "a new picture replaces the hover one at once";
    on.control->SetPictureHover(nullptr);
    on.control->Leave();
    on.control->Enter();
    EXPECT_EQ(on.control->Picture(), normal) << "no hover picture: the normal one stays";
}

// --- refusals --------------------------------------------------------------------

TEST(XPCommandRefusals, MousePointerOutsideSixteenBitsIsAnOverflowBeforeAnyChange) {
    XPOnWindow on(89, 25, nullptr);
    on.control->SetMousePointer(2);
    on.control->Save();
    for (std::int32_t value : {32768, -32769, 65536, 99999}) {
        try {
            on.control->SetMousePointer(value);
            ADD_FAILURE() << value << " accepted";
        } catch (const platform::basic::RuntimeError& error) {
            EXPECT_EQ(error.number(), 6);
            EXPECT_EQ(error.description(), QStringLiteral("溢出"));
        }
        EXPECT_EQ(on.control->MousePointer(), 2);
        EXPECT_FALSE(on.control->IsChanged());
    }
    for (std::int32_t value : {32767, -32768, 99}) {
        on.control->SetMousePointer(value);
        EXPECT_EQ(on.control->MousePointer(), value);
    }
}

TEST(XPCommandRefusals, FontCopiesSixAttributesAndRefusesNoFont) {
    XPOnWindow on(89, 25, nullptr);
    const auto before = on.control->Font();
    auto font = std::make_shared<platform::controlhost::StdFont>();
    font->SetName(QStringLiteral("黑体"));
    font->SetSize(12);
    font->SetBold(true);
    font->SetItalic(true);
    font->SetUnderline(true);
    font->SetStrikethrough(true);
    font->SetCharset(0);
    on.control->SetFont(font);
    const auto& now = on.control->Font();
    EXPECT_EQ(now, before) << "the attributes are copied into the control's own font";
    EXPECT_EQ(now->Name(), QStringLiteral("黑体"));
    EXPECT_EQ(now->Size(), 12);
    EXPECT_TRUE(now->Bold() && now->Italic() && now->Underline() && now->Strikethrough());
    EXPECT_EQ(now->Charset(), 134) << "the character set is not copied";
    EXPECT_EQ(on.control->Surface::Font(), now) << "the surface draws with it";
    try {
        on.control->SetFont(nullptr);
        ADD_FAILURE() << "no font accepted";
    } catch (const platform::basic::RuntimeError& error) {
        EXPECT_EQ(error.number(), 91);
    }
}

// --- size ------------------------------------------------------------------------

TEST(XPCommandResize, UnderTenPixelsGrowsTo150Twips) {
    const struct {
        QSize set, expected;
    } cases[] = {{{5, 5}, {10, 10}},
                 {{5, 30}, {10, 30}},
                 {{30, 9}, {30, 10}},
                 {{10, 10}, {10, 10}},
                 {{89, 25}, {89, 25}}};
    for (const auto& c : cases) {
        XPOnWindow on(60, 20, nullptr);
        on.control->resize(c.set);
        EXPECT_EQ(on.control->size(), c.expected);
        EXPECT_EQ(on.control->Fields().W, c.expected.width());
        EXPECT_EQ(on.control->Fields().H, c.expected.height());
        EXPECT_EQ(on.control->Width(), c.expected.width() * 15);
    }
}

}  // namespace
