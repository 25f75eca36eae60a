#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/PictureDecoder.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> picturesIn(const std::string& folder)
{
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string ending = entry.path().extension().string();
        if (ending == ".png" || ending == ".gif" || ending == ".bmp")
            found.push_back(entry.path().string());
    }
    std::sort(found.begin(), found.end());
    return found;
}

// Both decoders read the picture, and give the same rows.
void expectSameRows(const std::string& path)
{
    DecodedPicture desktop;
    DecodedPicture browser;
    ASSERT_TRUE(decodePictureWithDevil(path, desktop)) << path;
    ASSERT_TRUE(decodePictureWithStb(path, browser)) << path;
    ASSERT_GT(desktop.width, 0) << path;
    EXPECT_EQ(browser.width, desktop.width) << path;
    EXPECT_EQ(browser.height, desktop.height) << path;
    ASSERT_EQ(browser.rgba.size(), static_cast<std::size_t>(desktop.width) * desktop.height * 4) << path;
    const auto differ = std::mismatch(desktop.rgba.begin(), desktop.rgba.end(), browser.rgba.begin());
    EXPECT_TRUE(differ.first == desktop.rgba.end())
        << path << ": pixel " << (differ.first - desktop.rgba.begin()) / 4 << " differs";
}

} // namespace

// The browser decodes the game's pictures with stb_image, the desktop with
// DevIL: every texture must upload the same bytes.
TEST(PictureDecoder, StbGivesDevilsRowsForEveryPictureOfTheGame)
{
    const std::vector<std::string> pictures = picturesIn(THRASK_DATA_DIR "/Textures");
    ASSERT_GE(pictures.size(), 40u);
    for (const std::string& path : pictures)
        expectSameRows(path);
}

// A level's picture may be any PNG, GIF or BMP: the kinds where stb_image on
// its own differs from DevIL (alpha of 32-bit BMPs, 16-bit BMP channels,
// bottom-up rows, a GIF's transparent colour, the screen around a GIF's
// image) and the kinds where it does not.
TEST(PictureDecoder, StbGivesDevilsRowsForEveryKindOfPicture)
{
    const std::vector<std::string> pictures = picturesIn(THRASK_SOURCE_DIR "/tests/platform/pictures");
    ASSERT_GE(pictures.size(), 16u);
    for (const std::string& path : pictures)
        expectSameRows(path);
}

TEST(PictureDecoder, FilesThatAreNoPictureDecodeToNothing)
{
    std::ofstream(fs::current_path() / "cut.png", std::ios::binary) << "\x89PNG\r\n\x1a\n\0\0\0\rIHDR";
    std::ofstream(fs::current_path() / "empty.bmp", std::ios::binary);
    for (const std::string path : {"missing.png", "cut.png", "empty.bmp", THRASK_DATA_DIR "/Levels/l1.lvl"}) {
        for (const auto decode : {decodePictureWithDevil, decodePictureWithStb}) {
            DecodedPicture picture;
            picture.width = 3;
            EXPECT_FALSE(decode(path, picture)) << path;
            EXPECT_EQ(picture.width, 0) << path;
            EXPECT_TRUE(picture.rgba.empty()) << path;
        }
    }
}
