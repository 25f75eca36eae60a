// Screens that show the same pictures share them: either screen may go first
// without taking a picture from the other, a game run reads each picture
// file once, and nothing is left behind at shut-down.
#include <cstdint>
#include <filesystem>
#include <set>
#include <vector>

#include "LiveTextures.h"
#include "MenuTestSupport.h"
#include "app/GameRun.h"
#include "menus/LoadScreen.h"
#include "platform/VirtualKeys.h"
#include "play/SaveRecord.h"
#include "render/PictureCache.h"
#include "render/Renderer.h"

namespace {

namespace fs = std::filesystem;

class PictureSharingTest : public CleanScreenFlow {
protected:
    void SetUp() override
    {
        CleanScreenFlow::SetUp();
        for (const char* part : {"Textures", "Levels", "Intro"})
            fs::copy(fs::path(THRASK_DATA_DIR) / part, part, fs::copy_options::recursive);
        saveFolder = "Save";
    }

    void TearDown() override
    {
        CleanScreenFlow::TearDown();
        pictureCache.keepIdlePictures(false);
    }

    // Every picture name a play screen holds, its background loaded as its
    // first frame loads it.
    static std::set<unsigned int> namesOf(PlayScreen& play)
    {
        play.loadBackground();
        std::vector<const Texture*> textures = {
            &play.knifeTexture, &play.healthTexture, &play.deadPicture.texture, &play.healthBar.texture,
            &play.zombieStillTexture, &play.robotTexture, &play.fireTexture, &play.flameTexture,
            &play.playerTexture, &play.pepperTexture, &play.background.texture,
        };
        for (const Texture& texture : play.cabbageTextures)
            textures.push_back(&texture);
        for (const Texture& texture : play.ninjaTextures)
            textures.push_back(&texture);
        for (const Texture& texture : play.zombieTextures)
            textures.push_back(&texture);
        for (const Texture& texture : play.pirateTextures)
            textures.push_back(&texture);
        std::set<unsigned int> names;
        for (const Texture* texture : textures)
            names.insert(texture->glName);
        return names;
    }

    // The screen drawn afresh, read back (RGBA in one number) on a grid of
    // the whole view.
    std::vector<std::uint32_t> drawn(Screen& screen)
    {
        context_->clear();
        screen.render();
        std::vector<std::uint32_t> pixels;
        for (int y = 5; y < context_->height(); y += 10) {
            for (int x = 5; x < context_->width(); x += 10) {
                const Colour c = context_->pixel(x, y);
                pixels.push_back(static_cast<std::uint32_t>(c.r) << 24 | c.g << 16 | c.b << 8 | c.a);
            }
        }
        return pixels;
    }

    // Presses and lets go of Esc in play, and runs the fade into the menu.
    static TitleScreen* escape(PlayScreen* play)
    {
        unsigned char keys[256] = {};
        keys[vk::escape] = 1;
        play->keysHeld(keys);
        return dynamic_cast<TitleScreen*>(finishFade());
    }

    static PlayScreen* clickToPlay(Screen* screen, menuPlaces::Point at)
    {
        clickAt(screen, at);
        return dynamic_cast<PlayScreen*>(finishFade());
    }
};

} // namespace

TEST_F(PictureSharingTest, APlayScreenAndItsCopyShareEveryPictureAndEitherMayGoFirst)
{
    for (const bool originalFirst : {true, false}) {
        SCOPED_TRACE(originalFirst ? "the game goes first" : "its copy goes first");
        auto original = std::make_unique<PlayScreen>();
        original->enter();
        original->level = 8;
        original->setup(8);
        std::unique_ptr<PlayScreen> copy = original->snapshot();
        const std::set<unsigned int> names = namesOf(*original);
        ASSERT_EQ(names.count(0u), 0u) << "every picture of the data loaded";
        EXPECT_EQ(namesOf(*copy), names) << "the copy shares every picture";
        EXPECT_EQ(liveTextureNames(), static_cast<int>(names.size()));

        std::unique_ptr<PlayScreen>& leaving = originalFirst ? original : copy;
        std::unique_ptr<PlayScreen>& staying = originalFirst ? copy : original;
        const std::vector<std::uint32_t> before = drawn(*staying);
        leaving.reset();
        for (const unsigned int name : names)
            EXPECT_TRUE(renderer().textureAlive(name)) << "name " << name << " is still in use";
        EXPECT_TRUE(drawn(*staying) == before) << "the screen left draws as before";
        staying.reset();
        EXPECT_EQ(liveTextureNames(), 0);
    }
}

TEST_F(PictureSharingTest, AGameReadsEachPictureOnceAndLeavesNoNameAtShutDown)
{
    writeSaveRecord("Save/kept.sav", {1, 20, 300, 0});
    startTitleScreen();

    // The first time through: New Game, Esc, the load list and back, Return Game.
    PlayScreen* play = clickToPlay(currentScreen, menuPlaces::centreOf(menuPlaces::NewGame));
    ASSERT_NE(play, nullptr);
    play->loadBackground(); // as the play screen's first frame does
    TitleScreen* menu = escape(play);
    ASSERT_NE(menu, nullptr);
    clickAt(menu, menuPlaces::centreOf(menuPlaces::LoadGame));
    auto* list = dynamic_cast<LoadScreen*>(finishFade());
    ASSERT_NE(list, nullptr);
    clickAt(list, menuPlaces::loadListReturnGame);
    menu = dynamic_cast<TitleScreen*>(finishFade());
    ASSERT_NE(menu, nullptr);
    play = clickToPlay(menu, menuPlaces::centreOf(menuPlaces::ReturnGame));
    ASSERT_NE(play, nullptr);

    // From here on no picture file is there to read.
    const std::size_t filesRead = pictureCache.filesRead();
    fs::remove_all("Textures");

    menu = escape(play);
    ASSERT_NE(menu, nullptr);
    EXPECT_NE(menu->newGameItem.texture.glName, 0u);
    EXPECT_NE(menu->returnGameItem.texture.glName, 0u);
    play = clickToPlay(menu, menuPlaces::centreOf(menuPlaces::NewGame));
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(namesOf(*play).count(0u), 0u) << "New Game has every picture";
    play->setup(2); // the next level's background is the same picture

    menu = escape(play);
    ASSERT_NE(menu, nullptr);
    clickAt(menu, menuPlaces::centreOf(menuPlaces::LoadGame));
    list = dynamic_cast<LoadScreen*>(finishFade());
    ASSERT_NE(list, nullptr);
    EXPECT_NE(list->loadGameButton.texture.glName, 0u);
    play = clickToPlay(list, menuPlaces::loadListLoadGame);
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(play->score, 300);
    EXPECT_EQ(namesOf(*play).count(0u), 0u) << "Load Game has every picture";
    EXPECT_EQ(pictureCache.filesRead(), filesRead);

    shutDownScreens();
    EXPECT_EQ(liveTextureNames(), 0);
    EXPECT_EQ(pictureCache.size(), 0u);
}
