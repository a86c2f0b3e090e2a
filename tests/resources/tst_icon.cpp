// The generated icon: the three .ico images, the theme PNGs and the window
// icon compiled into the program all show the same picture.

#include "icon_image.h"

#include <gtest/gtest.h>
#include <tests/support/case_names.h>

#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace {

using resource_files::IconImage;
using tests::PrintTo;

const std::filesystem::path iconDir = TARVO_ICON_DIR;

struct ExpectedImage {
    const char* name;
    std::size_t position;  // in the .ico directory
    int size;
    int bitsPerPixel;
};

const std::vector<resource_files::IcoEntry>& icoEntries()
{
    static const auto entries = resource_files::readIcoFile(resource_files::readFileBytes(iconDir / "tarvo.ico"));
    return entries;
}

QImage loadPng(const std::string& name)
{
    QImage image(QString::fromStdString(name));
    return image.convertToFormat(QImage::Format_ARGB32);
}

std::optional<std::uint32_t> pngPixel(const QImage& png, int x, int y)
{
    const QRgb pixel = png.pixel(x, y);
    if (qAlpha(pixel) == 0)
        return std::nullopt;
    return pixel & 0xFFFFFFu;
}

class IcoImageTest : public testing::TestWithParam<ExpectedImage> {};

TEST(IcoFile, HoldsExactlyThreeImages)
{
    EXPECT_EQ(icoEntries().size(), 3u);
}

TEST_P(IcoImageTest, DirectoryAndBitmapAgreeOnSizeAndDepth)
{
    const ExpectedImage expected = GetParam();
    ASSERT_LT(expected.position, icoEntries().size());
    const auto& entry = icoEntries()[expected.position];
    EXPECT_EQ(entry.width, expected.size);
    EXPECT_EQ(entry.height, expected.size);
    EXPECT_EQ(entry.colourCount, 1 << expected.bitsPerPixel);
    EXPECT_EQ(entry.planes, 1);
    EXPECT_EQ(entry.bitCount, expected.bitsPerPixel);

    const IconImage image = resource_files::decodeIconImage(entry.imageBytes);
    EXPECT_EQ(image.width, expected.size);
    EXPECT_EQ(image.bitsPerPixel, expected.bitsPerPixel);
    EXPECT_EQ(image.palette.size(), std::size_t{1} << expected.bitsPerPixel);
}

// A readable picture: more than one colour, none of them swamping the rest,
// and (in 2 colours) exactly black and white.
TEST_P(IcoImageTest, ShowsARecognisablePicture)
{
    const ExpectedImage expected = GetParam();
    const IconImage image = resource_files::decodeIconImage(icoEntries().at(expected.position).imageBytes);
    std::map<std::uint32_t, int> pixelsByColour;
    int opaque = 0;
    for (const auto& pixel : image.pixels) {
        if (pixel) {
            ++pixelsByColour[*pixel];
            ++opaque;
        }
    }
    ASSERT_GT(opaque, image.width * image.height / 2) << "mostly transparent";
    if (expected.bitsPerPixel == 1) {
        EXPECT_EQ(pixelsByColour.size(), 2u);
        EXPECT_TRUE(pixelsByColour.contains(0x000000) && pixelsByColour.contains(0xFFFFFF));
    } else {
        EXPECT_GE(pixelsByColour.size(), 3u);
    }
    int largest = 0;
    for (const auto& [colour, count] : pixelsByColour)
        largest = std::max(largest, count);
    EXPECT_LT(largest * 100, opaque * 85) << "one colour covers nearly everything";
}

// The Linux icons must look like the Windows one: same shape, and in 16
// colours the same pixels.
TEST_P(IcoImageTest, MatchesThePngOfItsSize)
{
    const ExpectedImage expected = GetParam();
    const IconImage image = resource_files::decodeIconImage(icoEntries().at(expected.position).imageBytes);
    const QImage png = loadPng((iconDir / ("tarvo-" + std::to_string(expected.size) + ".png")).string());
    ASSERT_EQ(png.width(), expected.size);
    ASSERT_EQ(png.height(), expected.size);
    for (int y = 0; y < expected.size; ++y) {
        for (int x = 0; x < expected.size; ++x) {
            const auto fromPng = pngPixel(png, x, y);
            ASSERT_EQ(image.at(x, y).has_value(), fromPng.has_value()) << "transparency at " << x << "," << y;
            if (expected.bitsPerPixel == 4) {
                ASSERT_EQ(image.at(x, y), fromPng) << "colour at " << x << "," << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(TheThreeImages, IcoImageTest,
                         testing::Values(ExpectedImage{"size32_1bpp", 0, 32, 1}, ExpectedImage{"size32_4bpp", 1, 32, 4},
                                         ExpectedImage{"size16_4bpp", 2, 16, 4}),
                         tests::caseName);

class LargePngTest : public testing::TestWithParam<int> {};

// Not the 32-pixel design blown up into blocks: edges finer than a block.
TEST_P(LargePngTest, IsDrawnForItsSize)
{
    const int size = GetParam();
    const QImage large = loadPng((iconDir / ("tarvo-" + std::to_string(size) + ".png")).string());
    ASSERT_EQ(large.width(), size);
    ASSERT_EQ(large.height(), size);
    const int block = size / 32;
    int mixedBlocks = 0;
    for (int top = 0; top < size; top += block) {
        for (int left = 0; left < size; left += block) {
            bool mixed = false;
            for (int y = top; y < top + block && !mixed; ++y) {
                for (int x = left; x < left + block && !mixed; ++x)
                    mixed = large.pixel(x, y) != large.pixel(left, top);
            }
            mixedBlocks += mixed ? 1 : 0;
        }
    }
    EXPECT_GT(mixedBlocks, 32 * 32 / 10);
}

// Scaled down to 32 pixels it is the 32×32 design again, give or take its edges.
TEST_P(LargePngTest, ShowsThePictureOfThe32PixelDesign)
{
    const int size = GetParam();
    const QImage design = loadPng((iconDir / "tarvo-32.png").string());
    const QImage reduced = loadPng((iconDir / ("tarvo-" + std::to_string(size) + ".png")).string())
                               .scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int alike = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb want = design.pixel(x, y);
            const QRgb got = reduced.pixel(x, y);
            const bool bothClear = qAlpha(want) < 128 && qAlpha(got) < 128;
            const int distance = std::abs(qRed(want) - qRed(got)) + std::abs(qGreen(want) - qGreen(got)) +
                                 std::abs(qBlue(want) - qBlue(got));
            alike += bothClear || (qAlpha(want) >= 128 && qAlpha(got) >= 128 && distance < 128) ? 1 : 0;
        }
    }
    EXPECT_GE(alike * 100, 32 * 32 * 87) << alike << " of 1024 pixels alike";
}

INSTANTIATE_TEST_SUITE_P(ThemeSizes, LargePngTest, testing::Values(64, 128, 256), tests::caseName);

// The shell looks the window icon up under these names.
class WindowIconResourceTest : public testing::TestWithParam<int> {};

TEST_P(WindowIconResourceTest, IsCompiledInAndEqualsThePng)
{
    const int size = GetParam();
    const QImage compiled = loadPng(":/icons/tarvo-" + std::to_string(size) + ".png");
    ASSERT_FALSE(compiled.isNull());
    EXPECT_EQ(compiled, loadPng((iconDir / ("tarvo-" + std::to_string(size) + ".png")).string()));
}

INSTANTIATE_TEST_SUITE_P(WindowIconSizes, WindowIconResourceTest, testing::Values(16, 32), tests::caseName);

}  // namespace
