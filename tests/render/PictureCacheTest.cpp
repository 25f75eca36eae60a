// Pictures shared between the textures that load them: one texture name per
// picture, deleted by the last holder's release (or at the end of a run that
// keeps its pictures), never while a holder still draws it.
#include <filesystem>

#include "LiveTextures.h"
#include "RenderTestSupport.h"
#include "render/PictureCache.h"
#include "render/Sprite.h"
#include "render/Texture.h"

namespace {

class PictureCacheTest : public OffscreenView {
protected:
    void TearDown() override
    {
        pictureCache.keepIdlePictures(false);
        OffscreenView::TearDown();
    }

    // Draws the texture over the whole view and reads the centre.
    Colour drawn(const Texture& texture)
    {
        drawOverView(texture);
        return at(0, 0);
    }
};

} // namespace

RENDER_TEST_ON_BOTH_BACKENDS(PictureCacheTest);

TEST_P(PictureCacheTest, TwoHoldersReleasedInEitherOrderDeleteThePictureOnlyAtTheLast)
{
    ASSERT_TRUE(testpicture::writePlainPng("shared.png", 4, 4, red));
    for (const bool firstGoesFirst : {true, false}) {
        SCOPED_TRACE(firstGoesFirst ? "first holder released first" : "second holder released first");
        Texture first;
        Texture second;
        ASSERT_TRUE(first.loadKeyed("shared.png"));
        ASSERT_TRUE(second.loadKeyed("shared.png"));
        EXPECT_EQ(first.glName, second.glName) << "one picture, one name";
        EXPECT_EQ(pictureCache.holders(first.glName), 2);
        EXPECT_EQ(liveTextureNames(), 1);

        Texture& leaving = firstGoesFirst ? first : second;
        Texture& staying = firstGoesFirst ? second : first;
        leaving.release();
        EXPECT_TRUE(renderer().textureAlive(staying.glName)) << "a name still in use is never deleted";
        EXPECT_TRUE(same(drawn(staying), red)) << describe(drawn(staying));
        staying.release();
        EXPECT_FALSE(renderer().textureAlive(staying.glName));
        EXPECT_EQ(liveTextureNames(), 0);
        EXPECT_EQ(pictureCache.size(), 0u);
    }
}

TEST_P(PictureCacheTest, APictureIsOneFileFromOneFolderWithOneColourKey)
{
    std::filesystem::create_directories("Textures");
    std::filesystem::create_directories("other/Textures");
    ASSERT_TRUE(testpicture::writePlainPng("Textures/a.png", 2, 2, red));
    ASSERT_TRUE(testpicture::writePlainPng("other/Textures/a.png", 2, 2, green));

    Texture slashed;
    Texture backslashed;
    Texture unkeyed;
    ASSERT_TRUE(slashed.loadKeyed("Textures/a.png"));
    ASSERT_TRUE(backslashed.loadKeyed("Textures\\a.png"));
    ASSERT_TRUE(unkeyed.load("Textures/a.png", noColourKey));
    EXPECT_EQ(slashed.glName, backslashed.glName) << "\\ and / name the same file";
    EXPECT_NE(slashed.glName, unkeyed.glName) << "another colour key is another picture";

    // The same words from another working directory name another file.
    const std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path("other");
    Texture elsewhere;
    ASSERT_TRUE(elsewhere.loadKeyed("Textures/a.png"));
    std::filesystem::current_path(home);
    EXPECT_NE(elsewhere.glName, slashed.glName);
    EXPECT_TRUE(same(drawn(elsewhere), green));
    EXPECT_TRUE(same(drawn(slashed), red));

    for (Texture* texture : {&slashed, &backslashed, &unkeyed, &elsewhere})
        texture->release();
    EXPECT_EQ(liveTextureNames(), 0);
}

TEST_P(PictureCacheTest, AFailedLoadIsNotRememberedAndUnknownNamesAreDeletedByTheirOwner)
{
    Texture missing;
    EXPECT_FALSE(missing.loadKeyed("late.png"));
    ASSERT_TRUE(testpicture::writePlainPng("late.png", 2, 2, green));
    ASSERT_TRUE(missing.loadKeyed("late.png")) << "the file that appeared is read";
    missing.release();

    // A name made outside Texture::load is deleted by the release of its owner.
    const unsigned int raw = renderer().uploadTexture({PictureLevel{1, 1, {0, 0, 0, 0}}});
    ASSERT_TRUE(renderer().textureAlive(raw));
    Texture owner;
    owner.glName = raw;
    owner.release();
    EXPECT_FALSE(renderer().textureAlive(raw));
    EXPECT_EQ(liveTextureNames(), 0);
}

TEST_P(PictureCacheTest, ARunKeepsIdlePicturesWithoutTheirFilesUntilItEnds)
{
    ASSERT_TRUE(testpicture::writePlainPng("kept.png", 2, 2, red));
    ASSERT_TRUE(testpicture::writePlainPng("held.png", 2, 2, green));
    pictureCache.keepIdlePictures(true);
    const std::size_t readBefore = pictureCache.filesRead();

    Texture kept;
    Texture held;
    ASSERT_TRUE(kept.loadKeyed("kept.png"));
    ASSERT_TRUE(held.loadKeyed("held.png"));
    const unsigned int keptName = kept.glName;
    kept.release();
    kept.release(); // a second release of a kept picture gives back nothing more
    EXPECT_TRUE(renderer().textureAlive(keptName)) << "nobody holds it, the run keeps it";
    EXPECT_EQ(pictureCache.holders(keptName), 0);

    std::filesystem::remove("kept.png");
    Texture again;
    ASSERT_TRUE(again.loadKeyed("kept.png")) << "a kept picture needs no file";
    EXPECT_EQ(again.glName, keptName);
    EXPECT_TRUE(same(drawn(again), red));
    EXPECT_EQ(pictureCache.filesRead(), readBefore + 2);
    again.release();

    // The end of the run deletes what nobody holds; a held picture lives on
    // until its holder releases it.
    pictureCache.keepIdlePictures(false);
    EXPECT_FALSE(renderer().textureAlive(keptName));
    EXPECT_TRUE(renderer().textureAlive(held.glName));
    EXPECT_TRUE(same(drawn(held), green));
    held.release();
    EXPECT_EQ(liveTextureNames(), 0);
    EXPECT_EQ(pictureCache.size(), 0u);
}
