#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/raster/raster.h"
#include "support/row_print.h"

namespace platform::raster {
namespace {

struct HimetricCase {
    int pixels, himetric;
};

void PrintTo(const HimetricCase& c, std::ostream* os) {
    *os << c.pixels << " pixels";
}

class HimetricTest : public ::testing::TestWithParam<HimetricCase> {};

TEST_P(HimetricTest, PixelsAtNinetySixDotsPerInch) {
    const HimetricCase& c = GetParam();
    EXPECT_EQ(PixelsToHimetric(c.pixels), c.himetric);
}

// 12 pixels are exactly 317.5: the tie goes to the even 318.
INSTANTIATE_TEST_SUITE_P(Sizes, HimetricTest,
                         ::testing::Values(HimetricCase{0, 0}, HimetricCase{26, 688},
                                           HimetricCase{25, 661}, HimetricCase{42, 1111},
                                           HimetricCase{17, 450}, HimetricCase{12, 318},
                                           HimetricCase{96, 2540}));

TEST(Picture, EmptyBitmapAndIconPictures) {
    const PicturePtr empty = Picture::CreateEmpty();
    EXPECT_EQ(empty->Type(), PictureType::None);
    EXPECT_EQ(empty->Handle(), 0u);
    EXPECT_EQ(empty->Width(), 0);
    EXPECT_TRUE(empty->ToImage().isNull());

    QImage image(26, 17, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    const PicturePtr bitmap = PictureFromImage(image);
    EXPECT_EQ(bitmap->Type(), PictureType::Bitmap);
    EXPECT_EQ(bitmap->Handle(), bitmap->Bitmap().id);
    EXPECT_EQ(bitmap->Width(), 688);
    EXPECT_EQ(bitmap->Height(), 450);
    EXPECT_EQ(bitmap->ToImage().pixel(25, 16), qRgb(1, 2, 3));

    QImage argb(16, 16, QImage::Format_ARGB32);
    argb.fill(qRgba(0, 0, 0, 0));
    const PicturePtr icon = IconPictureFromImage(argb);
    EXPECT_EQ(icon->Type(), PictureType::Icon);
    EXPECT_EQ(icon->Handle(), icon->Icon().id);
    EXPECT_EQ(qAlpha(icon->ToImage().pixel(0, 0)), 0);
}

// A picture that owns its handles frees them with its last reference; one
// that does not leaves them to the caller.
TEST(Picture, OwnershipDecidesWhoFreesTheHandles) {
    const std::size_t before = LiveObjectCount();
    LOGPALETTE record;
    record.palNumEntries = 1;
    record.palPalEntry.resize(1);
    {
        PicturePtr owning =
            Picture::FromBitmap(CreateCompatibleBitmap(HDC{}, 4, 4), CreatePalette(record), true);
        PicturePtr shared = owning;
        owning.reset();
        EXPECT_EQ(LiveObjectCount(), before + 2);
    }
    EXPECT_EQ(LiveObjectCount(), before);

    const HBITMAP bitmap = CreateCompatibleBitmap(HDC{}, 4, 4);
    Picture::FromBitmap(bitmap, HPALETTE{}, false).reset();
    EXPECT_EQ(BitmapWidth(bitmap), 4);
    DeleteObject(bitmap);
    EXPECT_EQ(LiveObjectCount(), before);
}

struct DescriptionCase {
    const char* what;
    std::uint32_t size, type;
    bool knownBitmap, created;
};

using support::PrintTo;

class CreatePictureTest : public ::testing::TestWithParam<DescriptionCase> {};

TEST_P(CreatePictureTest, AcceptsBitmapRecordsOnly) {
    const DescriptionCase& c = GetParam();
    const HBITMAP bitmap = CreateCompatibleBitmap(HDC{}, 2, 2);
    PICTDESC description{c.size, c.type, c.knownBitmap ? bitmap.id : 999999u, 0, 0};
    const PicturePtr picture = OleCreatePictureIndirect(description, false);
    EXPECT_EQ(picture != nullptr, c.created) << c.what;
    if (picture) {
        EXPECT_EQ(picture->hPal(), HPALETTE{});
    }
    DeleteObject(bitmap);
}

INSTANTIATE_TEST_SUITE_P(Records, CreatePictureTest,
                         ::testing::Values(DescriptionCase{"bitmap", 20, 1, true, true},
                                           DescriptionCase{"wrong size", 16, 1, true, false},
                                           DescriptionCase{"icon type", 20, 3, true, false},
                                           DescriptionCase{"unknown bitmap", 20, 1, false, false}));

TEST(LoadPicture, ReadsFilesAndRefusesWhatItCannotRead) {
    QTemporaryDir dir;
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    const QString png = dir.filePath(QStringLiteral("strip.png"));
    ASSERT_TRUE(image.save(png));
    const PicturePtr picture = LoadPicture(png);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Type(), PictureType::Bitmap);
    EXPECT_EQ(picture->PixelWidth(), 3);
    EXPECT_EQ(picture->ToImage().pixel(2, 1), qRgb(10, 20, 30));
    EXPECT_EQ(LoadPicture(dir.filePath(QStringLiteral("missing.png"))), nullptr);
    EXPECT_EQ(LoadPicture(dir.path()), nullptr);
}

}  // namespace
}  // namespace platform::raster
