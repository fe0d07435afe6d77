#include <gtest/gtest.h>

#include <QPainter>
#include <ostream>

#include "command_fixture.h"
#include "platform/basic/rounding.h"
#include "platform/basic/runtime_error.h"
#include "platform/raster/objects.h"
#include "platform/raster/picture.h"

namespace {

using controls::testing::CommandOnWindow;
using controls::testing::Face;
using controls::testing::FrameColour;
using controls::testing::SolidStrip;

// One look of the button: the strip it is given, its properties and flags,
// and the strip frame (cut at W / N) that its face must show pixel for pixel.
struct FaceCase {
    const char* name;
    int stripFrames;
    int frameWidth;
    bool check;
    bool status;
    bool pressed;
    bool hover;
    bool enabled;
    int frame;
};

void PrintTo(const FaceCase& c, std::ostream* out) {
    *out << c.name;
}

const FaceCase kFaces[] = {
    {"FourIdle", 4, 24, false, false, false, false, true, 0},
    {"FourHover", 4, 24, false, false, false, true, true, 1},
    {"FourPressed", 4, 24, false, false, true, false, true, 2},
    {"FourPressedHover", 4, 24, false, false, true, true, true, 2},
    {"FourDisabled", 4, 24, false, false, false, false, false, 3},
    {"FourDisabledPressedHover", 4, 24, false, false, true, true, false, 3},
    {"FourStatusIdle", 4, 24, false, true, false, false, true, 3},
    {"FourStatusHover", 4, 24, false, true, false, true, true, 1},
    {"FourStatusPressed", 4, 24, false, true, true, false, true, 2},
    {"SixIdle", 6, 20, true, false, false, false, true, 0},
    {"SixHover", 6, 20, true, false, false, true, true, 1},
    {"SixPressed", 6, 20, true, false, true, false, true, 2},
    {"SixStatusIdle", 6, 20, true, true, false, false, true, 3},
    {"SixStatusHover", 6, 20, true, true, false, true, true, 4},
    {"SixStatusPressed", 6, 20, true, true, true, false, true, 5},
    {"SixStatusPressedHover", 6, 20, true, true, true, true, true, 5},
    {"SixStatusDisabled", 6, 20, true, true, true, false, false, 3},
    // Check on a four-frame strip: a sixth wide, cut at sixths.
    {"CheckOnFourFrameStrip", 4, 24, true, true, false, true, true, 4},
    // A strip width that is not a multiple of six pixels: cut at rounded sixths.
    {"CheckOnUnevenStrip", 4, 25, true, true, false, true, true, 4},
};

class CommandFace : public ::testing::TestWithParam<FaceCase> {};

TEST_P(CommandFace, ShowsTheFrameOfItsState) {
    const FaceCase& c = GetParam();
    const QImage strip = SolidStrip(c.stripFrames, c.frameWidth, 17);
    CommandOnWindow w(strip);
    w.command->SetCheck(c.check);
    w.command->SetStatus(c.status);
    w.command->SetEnabled(c.enabled);
    w.command->ShowFlags(c.pressed, c.hover);

    const double frameWidth = static_cast<double>(strip.width()) / (c.check ? 6 : 4);
    const int width = static_cast<int>(platform::basic::RoundHalfEven(frameWidth));
    const int left = static_cast<int>(platform::basic::RoundHalfEven(c.frame * frameWidth));
    const QImage expected = strip.copy(left, 0, width, 17);
    EXPECT_EQ(w.command->size(), QSize(width, 17));
    EXPECT_EQ(Face(*w.command), expected);
    EXPECT_EQ(w.command->KeptImage().convertToFormat(QImage::Format_RGB32), expected);
}

INSTANTIATE_TEST_SUITE_P(States, CommandFace, ::testing::ValuesIn(kFaces),
                         [](const auto& info) { return std::string(info.param.name); });

// The strips made for the windows' title bars: their size, the face of each
// instance and what its fourth frame repeats.
struct TitleStrip {
    const char* resource;
    int faceWidth;
    int fourthRepeats;
};

void PrintTo(const TitleStrip& s, std::ostream* out) {
    *out << s.resource;
}

class TitleBarStrip : public ::testing::TestWithParam<TitleStrip> {};

TEST_P(TitleBarStrip, GivesAFaceOneFrameWide) {
    const TitleStrip& s = GetParam();
    const QImage strip =
        QImage(QString::fromLatin1(s.resource)).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(strip.size(), QSize(s.faceWidth * 4, 17));
    CommandOnWindow w(strip);
    EXPECT_EQ(w.command->size(), QSize(s.faceWidth, 17));
    EXPECT_DOUBLE_EQ(w.command->Width(), s.faceWidth * 15.0);
    EXPECT_DOUBLE_EQ(w.command->Height(), 255.0);
    for (const auto& [pressed, hover, frame] :
         {std::tuple{false, false, 0}, {false, true, 1}, {true, true, 2}}) {
        w.command->ShowFlags(pressed, hover);
        EXPECT_EQ(Face(*w.command), strip.copy(frame * s.faceWidth, 0, s.faceWidth, 17));
    }
    EXPECT_EQ(strip.copy(3 * s.faceWidth, 0, s.faceWidth, 17),
              strip.copy(s.fourthRepeats * s.faceWidth, 0, s.faceWidth, 17));
}

INSTANTIATE_TEST_SUITE_P(Windows, TitleBarStrip,
                         ::testing::Values(TitleStrip{":/images/Command/minimise.bmp", 26, 2},
                                           TitleStrip{":/images/Command/maximise.bmp", 25, 1},
                                           TitleStrip{":/images/Command/close.bmp", 42, 2}));

TEST(TitleBarStrip, CloseTurnsRedUnderThePointer) {
    const QImage strip(QStringLiteral(":/images/Command/close.bmp"));
    const QColor normal = strip.pixelColor(5, 8);
    const QColor hover = strip.pixelColor(42 + 5, 8);
    EXPECT_GT(hover.red(), hover.blue() + 100);
    EXPECT_LT(normal.red(), normal.blue());
}

TEST(CommandFace, WithoutStripShowsBackColourAtTheEmptyBoxSize) {
    controls::Command command;
    command.Load(platform::controlhost::PropertyBag());
    // 1050 / 4 twips is 17.5 pixels, rounded half to even; 195 twips are 13.
    EXPECT_EQ(command.size(), QSize(18, 13));
    QImage expected(18, 13, QImage::Format_RGB32);
    expected.fill(QColor(0xD7, 0xD7, 0xD7));
    EXPECT_EQ(Face(command), expected);
}

// Pixels of the caption colour in each column of the face.
QList<int> InkColumns(const QImage& face, QColor ink) {
    QList<int> columns;
    for (int x = 0; x < face.width(); ++x)
        for (int y = 0; y < face.height(); ++y)
            if (face.pixelColor(x, y) == ink) {
                columns.append(x);
                break;
            }
    return columns;
}

TEST(CommandCaption, IsCentredInTheForeColour) {
    CommandOnWindow w(SolidStrip(4, 40, 17));
    w.command->SetForeColor(0x00FFFFFF);
    w.command->SetCaption(QStringLiteral("Ab"));
    const QList<int> ink = InkColumns(Face(*w.command), Qt::white);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(std::abs(ink.first() - (39 - ink.last())), 2);
    EXPECT_EQ(Face(*w.command).pixelColor(0, 0), FrameColour(0));
}

TEST(CommandCaption, WiderThanTheFaceIsCutAtBothEdges) {
    CommandOnWindow w(SolidStrip(4, 12, 17));
    w.command->SetForeColor(0x00FFFFFF);
    w.command->SetCaption(QStringLiteral("WWWWWWWWWW"));
    const QList<int> ink = InkColumns(Face(*w.command), Qt::white);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.first(), 1);
    EXPECT_GE(ink.last(), 10);
}

TEST(CommandPrintB, OutsideIndexClearsWithoutFrame) {
    CommandOnWindow w(SolidStrip(4, 20, 17));
    const QImage kept = w.command->KeptImage();
    QVariant index = 6;
    w.command->PrintB(index);
    QImage background(20, 17, QImage::Format_RGB32);
    background.fill(QColor(0xD7, 0xD7, 0xD7));
    EXPECT_EQ(Face(*w.command), background);
    // Drawn outside Refresh, it is not part of the kept image.
    EXPECT_EQ(w.command->KeptImage(), kept);
}

TEST(CommandPrintB, IndexThatIsNoNumberIsATypeMismatch) {
    CommandOnWindow w(SolidStrip(4, 20, 17));
    QVariant index = QStringLiteral("x");
    try {
        w.command->PrintB(index);
        FAIL() << "no error";
    } catch (const platform::basic::RuntimeError& error) {
        EXPECT_EQ(error.number(), 13);
    }
}

TEST(CommandPaint, TenThousandRepaintsLeaveNoObjectBehind) {
    CommandOnWindow w(SolidStrip(6, 20, 17));
    w.command->SetCheck(true);
    w.command->SetCaption(QStringLiteral("x"));
    const std::size_t before = platform::raster::LiveObjectCount();
    for (int i = 0; i < 10000; ++i) {
        w.command->SetStatus(i % 3 == 0);
        w.command->ShowFlags(i % 2 == 0, i % 5 == 0);
    }
    EXPECT_EQ(platform::raster::LiveObjectCount(), before);
}

TEST(CommandPointer, IsTheCustomHand) {
    controls::Command command;
    EXPECT_EQ(command.MousePointer(), 99);
    ASSERT_NE(command.MouseIcon(), nullptr);
    EXPECT_EQ(command.MouseIcon()->Type(), platform::raster::PictureType::Icon);
    EXPECT_EQ(command.cursor().shape(), Qt::BitmapCursor);
}

}  // namespace
