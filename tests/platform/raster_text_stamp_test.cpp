#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <string>

#include "platform/forms/fonts.h"
#include "platform/raster/text_stamp.h"

namespace platform::raster {
namespace {

// A stamp must colour exactly the pixels that drawing its text at the same
// place and clip colours: glyphs reaching past the line box (italics,
// underlines), places partly outside the image and clips of every kind.
enum Style : unsigned { kPlain = 0, kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

struct StampCase {
    const char* what;
    const char* text;
    const char* family;
    int pixelSize;
    unsigned style;
    QPoint at;  // the line box's top-left corner
    QRect clip;
};

void PrintTo(const StampCase& c, std::ostream* out) {
    *out << c.what;
}

const QRect kAll(0, 0, 120, 60);
const char* const kSong = "宋体";

const StampCase kStamps[] = {
    {"Caption", "游客登录", kSong, 12, kPlain, {10, 10}, kAll},
    {"CaptionBold", "注册会员登录", kSong, 14, kBold, {3, 20}, kAll},
    {"Latin", "Log in, now!", kSong, 12, kPlain, {4, 4}, kAll},
    {"ItalicOverhang", "fjfW", "DejaVu Serif", 20, kItalic, {2, 2}, kAll},
    {"UnderlinedStruck", "评测 ok", kSong, 16, kUnderline | kStrikeOut, {5, 15}, kAll},
    {"LeftOfTheImage", "个股透析", kSong, 12, kPlain, {-20, 5}, kAll},
    {"BelowTheImage", "个股透析", kSong, 12, kPlain, {20, 52}, kAll},
    {"LastRowCut", "个股透析", kSong, 12, kPlain, {10, 10}, QRect(11, 11, 60, 10)},
    {"NarrowClip", "主力资金", kSong, 12, kPlain, {10, 10}, QRect(20, 0, 15, 60)},
    {"ClipPastTheImage", "主力资金", kSong, 12, kPlain, {90, 40}, QRect(80, 30, 100, 100)},
    {"Blanks", "   ", kSong, 12, kUnderline, {10, 10}, kAll},
};

QFont FontOf(const StampCase& c) {
    QFont font(QString::fromUtf8(c.family));
    font.setPixelSize(c.pixelSize);
    font.setBold(c.style & kBold);
    font.setItalic(c.style & kItalic);
    font.setUnderline(c.style & kUnderline);
    font.setStrikeOut(c.style & kStrikeOut);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QImage Ground() {
    QImage image(kAll.size(), QImage::Format_RGB32);
    image.fill(qRgb(172, 168, 153));
    return image;
}

class TextStampTest : public ::testing::TestWithParam<StampCase> {
protected:
    void SetUp() override { platform::forms::InstallFontSubstitutions(); }
};

TEST_P(TextStampTest, ColoursWhatDrawingColours) {
    const StampCase& c = GetParam();
    const QFont font = FontOf(c);
    const QString text = QString::fromUtf8(c.text);

    QImage drawn = Ground();
    {
        QPainter painter(&drawn);
        painter.setClipRect(c.clip);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(QColor(200, 30, 60));
        painter.drawText(c.at + QPoint(0, QFontMetrics(font).ascent()), text);
    }
    const std::optional<TextStamp> stamp = TextStamp::Make(text, font);
    ASSERT_TRUE(stamp.has_value());
    QImage stamped = Ground();
    stamp->Put(stamped, c.at.x(), c.at.y(), c.clip, RGB(200, 30, 60));
    stamp->Put(stamped, c.at.x(), c.at.y(), c.clip, RGB(200, 30, 60));
    EXPECT_EQ(stamped, drawn);
    EXPECT_EQ(drawn == Ground(), text.trimmed().isEmpty() && !(c.style & kUnderline))
        << "the case draws something";
}

INSTANTIATE_TEST_SUITE_P(Cases, TextStampTest, ::testing::ValuesIn(kStamps),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace platform::raster
