#include <gtest/gtest.h>

#include <QFontMetrics>

#include "platform/basic/ansi.h"
#include "platform/forms/fonts.h"
#include "platform/raster/raster.h"
#include "platform/raster/text_prefix.h"
#include "support/row_print.h"
#include "tests/platform/raster_fixture.h"

namespace platform::raster {
namespace {

using testing::Canvas;

class DrawTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::forms::InstallFontSubstitutions();
        QFont song(QStringLiteral("宋体"));
        song.setPixelSize(12);
        font_ = CreateFontFromQFont(song);
        previous_ = SelectObject(canvas_.dc(), font_);
    }
    void TearDown() override {
        SelectObject(canvas_.dc(), previous_);
        DeleteObject(font_);
    }

    // The measured rectangle of a text from (4, 4) in a 52-pixel-wide area.
    RECT Measure(const QString& text, int count, unsigned extra = 0, int margins = 1) {
        RECT rect{4, 4, 56, 22};
        DRAWTEXTPARAMS params{20, 1, margins, margins, 0};
        DrawTextExA(canvas_.dc(), platform::basic::ToAnsi(text), count, &rect,
                    DT_CALCRECT | DT_WORDBREAK | DT_VCENTER | DT_CENTER | extra, &params);
        return rect;
    }
    int LineHeight() const { return QFontMetrics(FontOf(font_)).height(); }

    Canvas canvas_{120, 60};
    HFONT font_;
    HFONT previous_;
};

// A caption of n characters goes over with count n: each double-byte character
// costs one byte at the end, which the trailing blanks make up for.
struct CountCase {
    const char* what;
    QString text;
    int count;
    QString sameAs;
};

using support::PrintTo;

class CaptionCountTest : public DrawTextTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(CaptionCountTest, MeasuresWhatTheCountLeaves) {
    const CountCase& c = GetParam();
    EXPECT_EQ(Measure(c.text, c.count), Measure(c.sameAs, -1)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Captions, CaptionCountTest,
    ::testing::Values(
        CountCase{"four blanks", QStringLiteral("游客登录    "), 8, QStringLiteral("游客登录")},
        CountCase{"two characters, no blanks", QStringLiteral("评测"), 2, QStringLiteral("评")},
        CountCase{"half a character is dropped", QStringLiteral("评测"), 3, QStringLiteral("评")},
        CountCase{"plain text", QStringLiteral("OK"), 2, QStringLiteral("OK")},
        CountCase{"count past the end", QStringLiteral("OK"), 40, QStringLiteral("OK")}));

TEST_F(DrawTextTest, MeasuringKeepsTheTopLeftAndAddsTheMargins) {
    const int textWidth = QFontMetrics(FontOf(font_)).horizontalAdvance(QStringLiteral("游客"));
    EXPECT_EQ(Measure(QStringLiteral("游客"), -1),
              (RECT{4, 4, 4 + textWidth + 2, 4 + LineHeight()}));
    EXPECT_EQ(Measure(QStringLiteral("游客"), -1, 0, 0).right, 4 + textWidth);
}

// A caption drawn in the rectangle it was measured to stays on the lines it
// was measured on.
TEST_F(DrawTextTest, MeasuredRectangleHoldsTheText) {
    for (const char* caption :
         {"游客登录", "注册会员登录", "评测", "个股分析", "OK", "Log in now"}) {
        for (int pixels : {12, 13, 16}) {
            QFont song(QStringLiteral("宋体"));
            song.setPixelSize(pixels);
            song.setBold(pixels == 13);
            const HFONT font = CreateFontFromQFont(song);
            const HFONT old = SelectObject(canvas_.dc(), font);
            RECT measured{0, 0, 200, 0};
            DRAWTEXTPARAMS params{20, 1, 1, 1, 0};
            const QByteArray text = platform::basic::ToAnsi(QString::fromUtf8(caption));
            DrawTextExA(canvas_.dc(), text, -1, &measured, DT_CALCRECT | DT_WORDBREAK, &params);
            RECT again = measured;
            DrawTextExA(canvas_.dc(), text, -1, &again, DT_CALCRECT | DT_WORDBREAK, &params);
            EXPECT_EQ(again, measured) << caption << " " << pixels;
            SelectObject(canvas_.dc(), old);
            DeleteObject(font);
        }
    }
}

TEST_F(DrawTextTest, TrailingBlanksOfTheTextAreMeasured) {
    EXPECT_GT(Measure(QStringLiteral("游客登录    "), 12).right,
              Measure(QStringLiteral("游客登录"), 8).right);
}

// Line counts of texts broken within a width (in character cells of 12 pixels).
struct WrapCase {
    const char* what;
    const char* text;
    int cells;
    unsigned extra;
    int lines;
    bool widerThanTheArea;
};

class WordBreakTest : public DrawTextTest, public ::testing::WithParamInterface<WrapCase> {};

TEST_P(WordBreakTest, BreaksWhereAllowedAndOnlyWhenNeeded) {
    const WrapCase& c = GetParam();
    RECT rect{0, 0, c.cells * 12 + 2, 0};
    DRAWTEXTPARAMS params{20, 1, 1, 1, 0};
    DrawTextExA(canvas_.dc(), platform::basic::ToAnsi(QString::fromUtf8(c.text)), -1, &rect,
                DT_CALCRECT | DT_WORDBREAK | c.extra, &params);
    EXPECT_EQ(rect.bottom, c.lines * LineHeight()) << c.what;
    EXPECT_EQ(rect.right > c.cells * 12 + 2, c.widerThanTheArea) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WordBreakTest,
    ::testing::Values(WrapCase{"fits", "游客登录", 4, 0, 1, false},
                      WrapCase{"between Chinese characters", "个股分析个股分析", 3, 0, 3, false},
                      WrapCase{"at blanks", "abcdef ghijkl mnopqr", 4, 0, 3, false},
                      WrapCase{"a long word stays whole", "abcdefghijklmnop", 2, 0, 1, true},
                      WrapCase{"explicit line ends", "ab\r\ncd\nef", 10, 0, 3, false},
                      WrapCase{"single line ignores both", "ab\r\ncd 个股分析个股", 2,
                               DT_SINGLELINE, 1, true}));

TEST_F(DrawTextTest, EmptyTextMeasuresNoLines) {
    EXPECT_EQ(Measure(QString(), 0).bottom, 4);
    EXPECT_EQ(Measure(QStringLiteral("游客"), 0).bottom, 4);
}

// Bounding box of the pixels that differ from the canvas colour.
QRect Ink(HDC dc, COLORREF background) {
    QRect box;
    for (int y = 0; y < DcHeight(dc); ++y)
        for (int x = 0; x < DcWidth(dc); ++x)
            if (GetPixel(dc, x, y) != background) box |= QRect(x, y, 1, 1);
    return box;
}

TEST_F(DrawTextTest, DrawsInTheTextColourOnlyWithoutFilling) {
    canvas_.Fill(RGB(0, 255, 0));
    SetTextColor(canvas_.dc(), RGB(255, 0, 0));
    RECT rect{0, 0, 120, 60};
    DRAWTEXTPARAMS params{20, 1, 1, 1, 0};
    EXPECT_EQ(DrawTextExA(canvas_.dc(), platform::basic::ToAnsi(QStringLiteral("评测")), 4, &rect,
                          DT_CENTER | DT_VCENTER | DT_WORDBREAK, &params),
              LineHeight());
    EXPECT_EQ(params.uiLengthDrawn, 4u);
    int red = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x) {
            const COLORREF pixel = GetPixel(canvas_.dc(), x, y);
            ASSERT_TRUE(pixel == RGB(0, 255, 0) || pixel == RGB(255, 0, 0));
            red += pixel == RGB(255, 0, 0);
        }
    EXPECT_GT(red, 10);
}

// Centred across; DT_VCENTER centres only with DT_SINGLELINE.
struct PlaceCase {
    const char* what;
    unsigned format;
    bool verticallyCentred;
};

class PlacementTest : public DrawTextTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(PlacementTest, PlacesTheLine) {
    const PlaceCase& c = GetParam();
    canvas_.Fill(RGB(255, 255, 255));
    RECT rect{10, 0, 110, 60};
    DrawTextExA(canvas_.dc(), QByteArray("HHHH"), -1, &rect, c.format, nullptr);
    const QRect ink = Ink(canvas_.dc(), RGB(255, 255, 255));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.center().x(), 60, 2) << c.what;
    if (c.verticallyCentred)
        EXPECT_NEAR(ink.center().y(), 30, LineHeight() / 2) << c.what;
    else
        EXPECT_LT(ink.bottom(), LineHeight()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, PlacementTest,
    ::testing::Values(PlaceCase{"word break", DT_CENTER | DT_VCENTER | DT_WORDBREAK, false},
                      PlaceCase{"single line", DT_CENTER | DT_VCENTER | DT_SINGLELINE, true}));

// The embossed caption's highlight copy: moved one pixel right and down with
// the bottom kept, it loses its last pixel row.
TEST_F(DrawTextTest, DrawingIsClippedToTheRectangle) {
    canvas_.Fill(RGB(255, 255, 255));
    RECT measured{10, 10, 110, 10};
    DrawTextExA(canvas_.dc(), QByteArray("Hg_"), -1, &measured, DT_CALCRECT, nullptr);
    RECT full = measured;
    DrawTextExA(canvas_.dc(), QByteArray("Hg_"), -1, &full, 0, nullptr);
    const QRect whole = Ink(canvas_.dc(), RGB(255, 255, 255));
    ASSERT_EQ(whole.bottom(), measured.bottom - 1) << "the text reaches its last row";

    canvas_.Fill(RGB(255, 255, 255));
    RECT shifted{measured.left + 1, measured.top + 1, measured.right + 1, measured.bottom};
    DrawTextExA(canvas_.dc(), QByteArray("Hg_"), -1, &shifted, 0, nullptr);
    const QRect cut = Ink(canvas_.dc(), RGB(255, 255, 255));
    EXPECT_EQ(cut.left(), whole.left() + 1);
    EXPECT_EQ(cut.bottom(), measured.bottom - 1);
    EXPECT_EQ(cut.top(), whole.top() + 1);
}

// "&" is the mnemonic prefix unless DT_NOPREFIX is given.
struct PrefixCase {
    const char* what;
    QString text;
    unsigned format;
    QString sameAs;  // measured without prefixes
};

class PrefixTest : public DrawTextTest, public ::testing::WithParamInterface<PrefixCase> {};

TEST_P(PrefixTest, MeasuresWhatIsShown) {
    const PrefixCase& c = GetParam();
    EXPECT_EQ(Measure(c.text, -1, c.format), Measure(c.sameAs, -1, DT_NOPREFIX)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, PrefixTest,
    ::testing::Values(
        PrefixCase{"before a letter", QStringLiteral("&OK"), 0, QStringLiteral("OK")},
        PrefixCase{"doubled", QStringLiteral("A&&B"), 0, QStringLiteral("A&B")},
        PrefixCase{"alone at the end", QStringLiteral("OK&"), 0, QStringLiteral("OK")},
        PrefixCase{"doubled, then single", QStringLiteral("&&&x"), 0, QStringLiteral("&x")},
        PrefixCase{"before a Chinese character", QStringLiteral("&游客"), 0,
                   QStringLiteral("游客")},
        PrefixCase{"told not to", QStringLiteral("&OK"), DT_NOPREFIX, QStringLiteral("&OK")}));

TEST_F(DrawTextTest, PrefixUnderlinesTheNextCharacter) {
    const auto ink = [this](const char* text, unsigned format) {
        canvas_.Fill(RGB(255, 255, 255));
        RECT rect{10, 4, 110, 56};
        DrawTextExA(canvas_.dc(), QByteArray(text), -1, &rect, format, nullptr);
        return Ink(canvas_.dc(), RGB(255, 255, 255));
    };
    const QRect plain = ink("H", 0);
    const QRect underlined = ink("&H", 0);
    EXPECT_EQ(underlined.top(), plain.top());
    EXPECT_GT(underlined.bottom(), plain.bottom());
    EXPECT_LE(underlined.left(), plain.left());
    EXPECT_GE(underlined.right(), plain.right());
    EXPECT_EQ(ink("&&H", 0), ink("&H", DT_NOPREFIX));
    EXPECT_GT(ink("&H", DT_NOPREFIX).width(), plain.width());
}

// Where the underlined characters fall once the text is broken into lines.
TEST(TextPrefix, UnderlinesFollowTheirCharactersIntoTheLines) {
    const struct {
        const char* text;
        std::vector<QString> lines;
        std::vector<std::vector<int>> underlined;
    } cases[] = {
        {"&ab &cd", {"ab", "cd"}, {{0}, {0}}},
        {"ab &&c&d", {"ab", "&cd"}, {{}, {2}}},
        {"x\r\n&y", {"x", "y"}, {{}, {0}}},
        {"a\n&b", {"ab"}, {{1}}},
        {"a  &b", {"a  b"}, {{3}}},
        {"&", {}, {}},
    };
    for (const auto& c : cases) {
        const detail::PrefixedText shown = detail::StripPrefixes(QString::fromUtf8(c.text));
        EXPECT_EQ(detail::UnderlinedByLine(shown, c.lines), c.underlined) << c.text;
    }
}

TEST_F(DrawTextTest, NothingWithoutAContextOrRectangle) {
    RECT rect{0, 0, 10, 10};
    EXPECT_EQ(DrawTextExA(HDC{}, QByteArray("a"), 1, &rect, DT_CALCRECT, nullptr), 0);
    EXPECT_EQ(DrawTextExA(canvas_.dc(), QByteArray("a"), 1, nullptr, 0, nullptr), 0);
}

}  // namespace
}  // namespace platform::raster
