#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QWidget>

#include "controls/FlatCmd/FlatCmd.h"
#include "controls/register_kinds.h"
#include "flatcmd_fixture.h"
#include "platform/forms/designer_loader.h"

namespace {

// --- the category strip ------------------------------------------------------------

QImage Frame(const QImage& strip, int index) {
    return strip.copy(index * 60, 0, 60, 26);
}

int Brightness(const QImage& image) {
    long long sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) sum += qGray(image.pixel(x, y));
    return static_cast<int>(sum / (image.width() * image.height()));
}

TEST(CategoryStrip, HoldsThreeFramesAndNoKeyColour) {
    QFile file(QStringLiteral(":/images/FlatCmd/strip.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 30);
    EXPECT_EQ(bytes[28], 24) << "bits per pixel";

    const QImage strip = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(strip.size(), QSize(180, 26));
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x) {
            const QRgb pixel = strip.pixel(x, y);
            ASSERT_NE(pixel, qRgb(255, 0, 255)) << x << "," << y;
            ASSERT_NE(pixel, qRgb(25, 50, 255)) << x << "," << y;
        }
    EXPECT_EQ(Frame(strip, 1), Frame(strip, 2)) << "pressed and selected frames";
    EXPECT_GT(Brightness(Frame(strip, 0)), Brightness(Frame(strip, 1)) + 40)
        << "the hover frame is the light one";
    EXPECT_EQ(strip.pixel(1, 13), qRgb(255, 255, 255)) << "white inner edge";
    EXPECT_LT(qGray(strip.pixel(60, 13)), 64) << "dark outline";
}

// --- the main window's category buttons ---------------------------------------------------

const char* const kCaptions[] = {"个股透析    ", "主力  ", "资金进出    ",
                                 "基本  ",       "趋势  ", "淘股池   "};

TEST(CategoryButtons, TheMainWindowHoldsSixOnItsSkin) {
    controls::RegisterKinds();
    QWidget form;
    const platform::forms::Layout layout =
        platform::forms::Load(&form, QStringLiteral(":/designer/Frmmain.json"));
    form.show();
    const QImage skin = platform::forms::FormPicture(&form).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(skin.isNull());
    const QImage strip =
        QImage(QStringLiteral(":/images/FlatCmd/strip.bmp")).convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < 6; ++i) {
        auto* button = layout.get<controls::FlatCmd>(QStringLiteral("FlatCmd1"), i);
        ASSERT_NE(button, nullptr) << i;
        EXPECT_EQ(button->Caption(), QString::fromUtf8(kCaptions[i])) << i;
        EXPECT_EQ(button->Status(), i == 0) << i;
        EXPECT_TRUE(button->Checked()) << i;
        EXPECT_EQ(button->size(), QSize(60, 26)) << i;
        const QImage face = button->ShownImage().convertToFormat(QImage::Format_RGB32);
        const QPoint probe(2, 13);
        const QRgb expected =
            i == 0 ? strip.pixel(120 + probe.x(), probe.y()) : skin.pixel(button->pos() + probe);
        EXPECT_EQ(face.pixel(probe), expected) << i << (i == 0 ? ": selected frame" : ": skin");
    }
}

}  // namespace
