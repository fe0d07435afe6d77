#include <gtest/gtest.h>

#include <QPainter>
#include <ostream>

#include "host_fixture.h"
#include "platform/basic/runtime_error.h"
#include "platform/controlhost/picture_box.h"
#include "platform/raster/raster.h"

namespace {

using namespace platform::controlhost;
using platform::controlhost::testing::HostWindow;
using platform::controlhost::testing::Recorder;

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// Setting a size in twips: the window takes whole pixels and the control is
// told once for each real change.
struct SizeCase {
    const char* name;
    double twips;
    int pixels;
    bool notified;
};

void PrintTo(const SizeCase& c, std::ostream* out) {
    *out << c.name;
}

const SizeCase kSizes[] = {
    {"WholePixels", 390, 26, true},
    {"HalfPixelRoundsToEven", 262.5, 18, true},
    {"OtherHalfRoundsToEven", 277.5, 18, true},
    {"BelowHalfRoundsDown", 262, 17, true},
    {"SameSizeRaisesNothing", 300, 20, false},
    {"RoundsToTheSameSize", 296, 20, false},
    {"NothingLeft", 7.5, 0, true},
};

class HostSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(HostSize, TwipsBecomeWholePixels) {
    const SizeCase& c = GetParam();
    HostWindow w;  // 20 x 10 pixels
    w.control->SetWidth(c.twips);
    EXPECT_EQ(w.control->width(), c.pixels);
    EXPECT_DOUBLE_EQ(w.control->Width(), c.pixels * 15.0);
    EXPECT_EQ(w.control->log.size(), c.notified ? 1 : 0);
    EXPECT_EQ(w.control->KeptImage().width(), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Widths, HostSize, ::testing::ValuesIn(kSizes),
                         [](const auto& info) { return std::string(info.param.name); });

// A control that sets its own height while it is told of a new width.
class SelfSizing : public Recorder {
public:
    using Recorder::Recorder;
    void UserControl_Resize() override {
        Recorder::UserControl_Resize();
        SetHeight(255);
    }
};

TEST(HostSize, SizeSetInsideTheNotificationNests) {
    QWidget window;
    SelfSizing control(&window);
    control.resize(20, 10);
    control.Load(PropertyBag());
    control.SetWidth(390);
    EXPECT_EQ(control.log, (QStringList{"Resize 26x10", "Resize 26x17"}));
}

// A newly placed instance is told its size once after its properties are
// set; a loaded one resizes itself while it reads them.
TEST(HostSize, OnlyANewInstanceIsToldItsFirstSize) {
    const struct {
        bool stored;
        QStringList log;
    } cases[] = {{false, {"Resize 20x10"}}, {true, {}}};
    for (const auto& c : cases) {
        QWidget window;
        Recorder control(&window);
        control.resize(20, 10);
        if (c.stored)
            control.Load(PropertyBag());
        else
            control.InitNew();
        EXPECT_EQ(control.log, c.log) << (c.stored ? "stored" : "new");
    }
}

struct ScaleCase {
    const char* name;
    std::int16_t mode;
    double scaleWidth;
    double scaleHeight;
};

void PrintTo(const ScaleCase& c, std::ostream* out) {
    *out << c.name;
}

class HostScale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(HostScale, MeasuresTheSurfaceInItsMode) {
    const ScaleCase& c = GetParam();
    HostWindow w;
    w.control->SetScaleMode(c.mode);
    EXPECT_DOUBLE_EQ(w.control->ScaleWidth(), c.scaleWidth);
    EXPECT_DOUBLE_EQ(w.control->ScaleHeight(), c.scaleHeight);
    // 26 x 17 pixels as HIMETRIC picture sizes, into the scale mode.
    EXPECT_DOUBLE_EQ(w.control->ScaleX(platform::raster::PixelsToHimetric(96)),
                     ConvertScale(96, vbPixels, c.mode));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, HostScale,
    ::testing::Values(ScaleCase{"Twips", vbTwips, 300, 150}, ScaleCase{"Pixels", vbPixels, 20, 10},
                      ScaleCase{"Himetric", vbHimetric, 20 * 2540.0 / 96, 10 * 2540.0 / 96}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HostScale, UnknownModeIsRefused) {
    HostWindow w;
    EXPECT_THROW(w.control->SetScaleMode(2), platform::basic::RuntimeError);
    EXPECT_EQ(w.control->ScaleMode(), vbTwips);
}

void FillThroughDc(Surface& surface, platform::raster::COLORREF colour) {
    const platform::raster::HBRUSH brush = platform::raster::CreateSolidBrush(colour);
    platform::raster::FillRect(surface.hDC(), platform::raster::RECT{0, 0, 4, 4}, brush);
    platform::raster::DeleteObject(brush);
}

TEST(HostSurface, PersistentDrawingIsKeptAndShown) {
    HostWindow w;
    Recorder& c = *w.control;
    c.SetBackColor(0x00FFFFFF);
    c.SetAutoRedraw(true);
    c.Cls();
    FillThroughDc(c, platform::raster::RGB(255, 0, 0));
    c.SetAutoRedraw(false);
    EXPECT_EQ(At(c.KeptImage(), 0, 0), QColor(255, 0, 0));
    EXPECT_EQ(At(c.ShownImage(), 0, 0), QColor(255, 0, 0));
    EXPECT_EQ(At(c.ShownImage(), 5, 5), QColor(255, 255, 255));
}

TEST(HostSurface, DrawingWithoutPersistenceIsShownButNotKept) {
    HostWindow w;
    Recorder& c = *w.control;
    c.SetBackColor(0x00FFFFFF);
    FillThroughDc(c, platform::raster::RGB(0, 0, 255));
    EXPECT_EQ(At(c.ShownImage(), 0, 0), QColor(0, 0, 255));
    EXPECT_EQ(At(c.KeptImage(), 0, 0), QColor(255, 255, 255));
    c.Cls();
    EXPECT_EQ(At(c.ShownImage(), 0, 0), QColor(255, 255, 255));
    c.SetAutoRedraw(true);
    c.SetAutoRedraw(false);
    EXPECT_EQ(c.ShownImage(), c.KeptImage());
}

TEST(HostSurface, ClearPutsTheBackgroundPictureAtTheTopLeft) {
    HostWindow w;
    Recorder& c = *w.control;
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(QColor(0, 128, 0));
    c.SetBackColor(0x00FFFFFF);
    c.SetPicture(platform::raster::PictureFromImage(picture));
    c.SetAutoRedraw(true);
    FillThroughDc(c, platform::raster::RGB(255, 0, 0));
    c.Cls();
    c.SetAutoRedraw(false);
    EXPECT_EQ(At(c.KeptImage(), 2, 1), QColor(0, 128, 0));
    EXPECT_EQ(At(c.KeptImage(), 3, 1), QColor(255, 255, 255));
    EXPECT_EQ(At(c.KeptImage(), 2, 2), QColor(255, 255, 255));
}

TEST(HostSurface, ContextFollowsColoursAndFont) {
    HostWindow w;
    Recorder& c = *w.control;
    c.SetForeColor(static_cast<platform::raster::OLE_COLOR>(0x80000010u));
    c.SetBackColor(0x00123456);
    EXPECT_EQ(platform::raster::GetDCPenColor(c.hDC()),
              platform::raster::GetSysColor(platform::raster::COLOR_BTNSHADOW));
    EXPECT_EQ(platform::raster::GetTextColor(c.hDC()),
              platform::raster::GetSysColor(platform::raster::COLOR_BTNSHADOW));
    EXPECT_EQ(platform::raster::GetBkColor(c.hDC()), 0x00123456u);
    const std::size_t objects = platform::raster::LiveObjectCount();
    c.Font()->SetSize(18);
    EXPECT_EQ(platform::raster::FontOf(platform::raster::GetCurrentFont(c.hDC())).pixelSize(), 24);
    EXPECT_EQ(platform::raster::LiveObjectCount(), objects);
}

TEST(HostSurface, ResizeKeepsWhatWasDrawn) {
    HostWindow w;
    Recorder& c = *w.control;
    c.SetBackColor(0x00FFFFFF);
    c.SetAutoRedraw(true);
    FillThroughDc(c, platform::raster::RGB(255, 0, 0));
    c.SetWidth(600);
    EXPECT_EQ(c.KeptImage().size(), QSize(40, 10));
    EXPECT_EQ(At(c.KeptImage(), 3, 3), QColor(255, 0, 0));
    EXPECT_EQ(At(c.KeptImage(), 30, 3), QColor(255, 255, 255));
}

QImage Quadrants() {
    QImage image(4, 4, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 2, 4, QColor(255, 0, 0));
    painter.fillRect(2, 0, 2, 4, QColor(0, 0, 255));
    return image;
}

TEST(HostPaintPicture, CopiesAPartOfABitmapInScaleUnits) {
    HostWindow w;
    Recorder& c = *w.control;  // twips
    c.SetBackColor(0x00FFFFFF);
    c.SetAutoRedraw(true);
    c.PaintPicture(platform::raster::PictureFromImage(Quadrants()), 15, 0, 30, 60, 30, 0, 30, 60,
                   platform::raster::SRCCOPY);
    EXPECT_EQ(At(c.KeptImage(), 0, 0), QColor(255, 255, 255));
    EXPECT_EQ(At(c.KeptImage(), 1, 0), QColor(0, 0, 255));
    EXPECT_EQ(At(c.KeptImage(), 2, 3), QColor(0, 0, 255));
    EXPECT_EQ(At(c.KeptImage(), 3, 0), QColor(255, 255, 255));
    EXPECT_EQ(At(c.KeptImage(), 1, 4), QColor(255, 255, 255));
}

TEST(HostPaintPicture, StretchesToTheDestination) {
    HostWindow w;
    Recorder& c = *w.control;
    c.SetScaleMode(vbPixels);
    c.SetAutoRedraw(true);
    c.PaintPicture(platform::raster::PictureFromImage(Quadrants()), 0, 0, 8, 4);
    EXPECT_EQ(At(c.KeptImage(), 3, 0), QColor(255, 0, 0));
    EXPECT_EQ(At(c.KeptImage(), 4, 0), QColor(0, 0, 255));
}

TEST(HostPaintPicture, IconKeepsItsTransparency) {
    HostWindow w;
    Recorder& c = *w.control;
    c.SetScaleMode(vbPixels);
    c.SetBackColor(0x00FFFFFF);
    QImage icon(2, 1, QImage::Format_ARGB32);
    icon.setPixelColor(0, 0, QColor(0, 0, 0, 255));
    icon.setPixelColor(1, 0, QColor(0, 0, 0, 0));
    c.PaintPicture(platform::raster::IconPictureFromImage(icon), 0, 0);
    EXPECT_EQ(At(c.ShownImage(), 0, 0), QColor(0, 0, 0));
    EXPECT_EQ(At(c.ShownImage(), 1, 0), QColor(255, 255, 255));
}

TEST(HostPaintPicture, RefusesNoPictureAndUnknownOperations) {
    HostWindow w;
    const auto number = [&](auto call) {
        try {
            call();
        } catch (const platform::basic::RuntimeError& error) {
            return error.number();
        }
        return 0L;
    };
    EXPECT_EQ(number([&] { w.control->PaintPicture(nullptr, 0, 0); }), 481);
    EXPECT_EQ(
        number([&] { w.control->PaintPicture(platform::raster::Picture::CreateEmpty(), 0, 0); }),
        481);
    EXPECT_EQ(number([&] {
                  w.control->PaintPicture(platform::raster::PictureFromImage(Quadrants()), 0, 0, {},
                                          {}, {}, {}, {}, {}, platform::raster::SRCAND);
              }),
              5);
}

TEST(HostText, PrintsInTheForeColourAndMovesDown) {
    HostWindow w;
    Recorder& c = *w.control;
    c.setFixedSize(60, 40);
    c.SetWidth(900);
    c.SetBackColor(0x00FFFFFF);
    c.SetForeColor(0x000000FF);
    c.SetCurrentX(30);
    c.SetCurrentY(15);
    const double height = c.TextHeight(QStringLiteral("x"));
    c.Print(QStringLiteral("WW"));
    EXPECT_DOUBLE_EQ(c.CurrentX(), 0);
    EXPECT_DOUBLE_EQ(c.CurrentY(), 15 + height);
    int red = 0;
    int leftmost = 60;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            if (At(c.ShownImage(), x, y) == QColor(255, 0, 0)) {
                ++red;
                leftmost = std::min(leftmost, x);
            }
    EXPECT_GT(red, 0);
    EXPECT_GE(leftmost, 2);
    EXPECT_EQ(At(c.ShownImage(), 0, 0), QColor(255, 255, 255));
}

TEST(HostText, MeasuresInScaleUnits) {
    HostWindow w;
    Recorder& c = *w.control;
    const double twips = c.TextWidth(QStringLiteral("Wide text"));
    c.SetScaleMode(vbPixels);
    EXPECT_DOUBLE_EQ(twips, c.TextWidth(QStringLiteral("Wide text")) * 15);
    EXPECT_DOUBLE_EQ(c.TextHeight(QStringLiteral("a\nb")), 2 * c.TextHeight(QStringLiteral("a")));
    EXPECT_DOUBLE_EQ(c.TextWidth(QString()), 0);
}

TEST(HostObjects, ControlsGiveBackEverythingTheyMade) {
    const std::size_t before = platform::raster::LiveObjectCount();
    {
        HostWindow w;
        w.control->Font()->SetBold(true);
        w.control->SetFont(NewDefaultFont());
        w.control->SetAutoRedraw(true);
        w.control->Cls();
    }
    EXPECT_EQ(platform::raster::LiveObjectCount(), before);
}

TEST(HostEvents, HandlersGetTheArgumentsByReference) {
    HostWindow w;
    std::int16_t shift = 1;
    float x = 2.5f;
    w.control->SetEventHandler(4, [](const EventArgs& args) {
        args.Integer(0) = 5;
        args.Single(1) *= 2;
    });
    EXPECT_TRUE(w.control->RaiseEvent(4, {&shift, &x}));
    EXPECT_EQ(shift, 5);
    EXPECT_FLOAT_EQ(x, 5.0f);
    EXPECT_TRUE(w.control->RaiseEvent(9));
}

TEST(HostEvents, WrongArgumentTypesAreErrors) {
    std::int16_t shift = 0;
    const EventArgs args{&shift};
    EXPECT_THROW(args.Single(0), platform::basic::RuntimeError);
    EXPECT_THROW(args.Integer(1), platform::basic::RuntimeError);
}

TEST(HostEvents, RaiseTellsWhenTheHandlerDestroyedTheControl) {
    auto* window = new QWidget;
    auto* control = new Recorder(window);
    control->SetEventHandler(1, [window](const EventArgs&) { delete window; });
    EXPECT_FALSE(control->RaiseEvent(1));
}

TEST(HostHolder, ChangeMarksLastUntilSaved) {
    HostWindow w;
    EXPECT_FALSE(w.control->IsChanged());
    w.control->PropertyChanged(QStringLiteral("Caption"));
    w.control->PropertyChanged(QStringLiteral("caption"));
    w.control->PropertyChanged(QStringLiteral("Picture"));
    EXPECT_EQ(w.control->ChangedProperties(), (QStringList{"Caption", "Picture"}));
    (void)w.control->Save();
    EXPECT_FALSE(w.control->IsChanged());
}

TEST(HostHolder, AmbientChangesReachTheControl) {
    HostWindow w;
    EXPECT_TRUE(w.control->Ambient().UserMode);
    EXPECT_EQ(w.control->Ambient().Font->Name(), QStringLiteral("宋体"));
    w.control->SetAmbientFont(NewDefaultFont());
    w.control->SetUserMode(false);
    EXPECT_EQ(w.control->log, (QStringList{"Ambient Font", "Ambient UserMode"}));
}

TEST(HostPlacement, ExtenderAndParentInTheWindowsScale) {
    HostWindow w;  // control at (30, 40) pixels, directly on the window
    const ExtenderInfo extender = w.control->Extender();
    EXPECT_DOUBLE_EQ(extender.Left, 450);
    EXPECT_DOUBLE_EQ(extender.Top, 600);
    EXPECT_EQ(extender.Container.hwnd, HandleOf(w.window.get()));
    const ParentInfo parent = w.control->Parent();
    EXPECT_EQ(parent.hwnd, HandleOf(w.window.get()));
    EXPECT_EQ(parent.ScaleMode, vbTwips);
    EXPECT_EQ(parent.Picture, nullptr);

    const auto picture = platform::raster::Picture::CreateEmpty();
    w.window->setProperty("Picture", QVariant::fromValue(picture));
    w.window->setProperty("ScaleMode", 3);
    EXPECT_EQ(w.control->Parent().Picture, picture);
    EXPECT_DOUBLE_EQ(w.control->Extender().Left, 30);
}

TEST(HostPlacement, ContainerInsideTheWindowAddsItsPosition) {
    QWidget window;
    auto* box = new QWidget(&window);
    box->setGeometry(10, 20, 100, 50);
    auto* control = new Recorder(box);
    control->setGeometry(3, 4, 20, 10);
    const ExtenderInfo extender = control->Extender();
    EXPECT_EQ(extender.Container.hwnd, HandleOf(box));
    EXPECT_NE(extender.Container.hwnd, control->Parent().hwnd);
    EXPECT_DOUBLE_EQ(extender.Container.Left, 150);
    EXPECT_DOUBLE_EQ(extender.Container.Top, 300);
    EXPECT_DOUBLE_EQ(extender.Left, 45);
}

TEST(HostPictureBox, TakesThePictureSizeInTheContainersUnits) {
    HostWindow w;
    PictureBox box(*w.control, w.control);
    box.SetAutoSize(true);
    box.Move(240, 1200, 1050, 195);
    EXPECT_DOUBLE_EQ(box.Width(), 1050);
    box.SetPicture(platform::raster::PictureFromImage(QImage(104, 17, QImage::Format_RGB32)));
    EXPECT_DOUBLE_EQ(box.Width(), 1560);
    EXPECT_DOUBLE_EQ(box.Height(), 255);
    box.SetPicture(nullptr);
    EXPECT_DOUBLE_EQ(box.Width(), 1560);
    w.control->SetScaleMode(vbPixels);
    EXPECT_DOUBLE_EQ(box.Width(), 104);
}

}  // namespace
