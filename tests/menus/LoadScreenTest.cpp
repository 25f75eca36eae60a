// The load list on screen: the lines it shows, the buttons and their
// underline, restoring a game, and the textures it owns.
#include "menus/LoadScreen.h"

#include "MenuTestSupport.h"
#include "platform/VirtualKeys.h"
#include "play/SaveRecord.h"
#include "render/Renderer.h"

namespace {

class LoadScreenTest : public CleanScreenFlow {
protected:
    static LoadScreen* makeList()
    {
        auto* list = new LoadScreen;
        list->enter();
        list->setup(1);
        currentScreen = list;
        return list;
    }
};

} // namespace

TEST_F(LoadScreenTest, WithoutSavesOnlyTheMessageAndReturnGame)
{
    LoadScreen* list = makeList();
    EXPECT_FALSE(list->hasEntries);
    list->keyDown(vk::up);
    EXPECT_EQ(list->selected, 0);
    list->render();
    EXPECT_EQ(list->font.text.find("->"), std::string::npos) << "no selection to show";
    EXPECT_NE(list->font.text.find("saved"), std::string::npos) << "the list says why it is empty";
    clickAt(list, menuPlaces::loadListLoadGame); // where Load Game would be
    EXPECT_EQ(list->hovered, 0);
    EXPECT_FALSE(list->underline.visible);
    EXPECT_EQ(currentScreen, list);
}

TEST_F(LoadScreenTest, ShowsTenLinesAroundTheSelectionAndWraps)
{
    for (int i = 0; i < 20; ++i)
        writeSaveRecord("Save/s" + std::to_string(i) + ".sav", {1, 30, i, 0});
    LoadScreen* list = makeList();
    ASSERT_EQ(list->entries.size(), 20u);
    list->keyDown(vk::up);
    EXPECT_EQ(list->selected, 19);
    list->keyDown(vk::down);
    for (int i = 0; i < 6; ++i)
        list->keyDown(vk::down);
    list->keyRepeat(vk::enter); // a held Enter's repeat loads nothing
    ASSERT_EQ(list->selected, 6);
    list->render();
    std::string expected;
    for (int i = 1; i <= 10; ++i)
        expected += (i == 6 ? "-> " : "") + list->entries[static_cast<std::size_t>(i)].line + "\n";
    EXPECT_EQ(list->font.text, expected);
    EXPECT_FLOAT_EQ(list->scrollBar.height, 7.5f);
    EXPECT_FLOAT_EQ(list->scrollBar.y, 140.0f * 13 / 20 - 70 + 3.75f);
}

TEST_F(LoadScreenTest, TheListIsPrintedOnItsBackdropAtFullBrightness)
{
    const Colour navy{20, 40, 80, 255};
    writePicture("Textures/loadlist.png", navy);
    writeSaveRecord("Save/a.sav", {1, 30, 0, 0});
    LoadScreen* list = makeList();
        renderer().setAmbient(0.2f);
    context_->clear();
    list->render();
    // The backdrop fills the view behind the list, the controls and the text.
    for (const auto& p : {std::pair<float, float>{-60.0f, 60.0f}, {60.0f, -70.0f}, {0.0f, 30.0f}}) {
        const Colour c = context_->pixelAtView(p.first, p.second);
        EXPECT_TRUE(c.r == navy.r && c.g == navy.g && c.b == navy.b)
            << p.first << ", " << p.second << ": " << int(c.r) << " " << int(c.g) << " " << int(c.b);
    }
    int cyan = 0;
    for (int y = 170; y < 185; ++y)
        for (int x = 25; x < 100; ++x) {
            const Colour c = context_->pixel(x, y);
            cyan += c.r == 0 && c.g == 255 && c.b == 255 ? 1 : 0;
        }
    EXPECT_GT(cyan, 20) << "the list's first line in front of the backdrop";
}

TEST_F(LoadScreenTest, UnderlineFollowsTheHoveredButton)
{
    writeSaveRecord("Save/a.sav", {1, 30, 0, 0});
    LoadScreen* list = makeList();
    const struct {
        float x, y;
        int hovered;
        float underlineX, underlineY;
    } cases[] = {
        {21, -41, 1, 50, -59}, {-50, -50, 2, -60, -59}, {-79, -59, 2, -60, -59},
        {0, -50, 0, 0, 0},     {50, -62, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y);
        list->mouseMove(fraction(c.x), fraction(c.y));
        EXPECT_EQ(list->hovered, c.hovered);
        EXPECT_EQ(list->underline.visible, c.hovered != 0);
        if (c.hovered != 0) {
            EXPECT_FLOAT_EQ(list->underline.x, c.underlineX);
            EXPECT_FLOAT_EQ(list->underline.y, c.underlineY);
        }
    }
}

TEST_F(LoadScreenTest, LoadGameRestoresTheSelectedRecordOnce)
{
    writeSaveRecord("Save/only.sav", {3, 10, 26, 1});
    LoadScreen* list = makeList();
    list->mouseMove(fraction(50), fraction(-50));
    list->mouseUp(false, true); // right button: nothing
    EXPECT_EQ(currentScreen, list);
    list->mouseUp(true, false);
    auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
    ASSERT_NE(fade, nullptr);
    EXPECT_FLOAT_EQ(fade->halfDuration, 5.0f);
    auto* play = dynamic_cast<PlayScreen*>(fade->newScreen);
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(play->level, 3);
    EXPECT_EQ(play->hp, 10);
    EXPECT_EQ(play->score, 26);
    EXPECT_TRUE(play->introShowing);
    list->mouseUp(true, false); // a second click starts nothing more
    EXPECT_EQ(currentScreen, fade);
    EXPECT_EQ(finishFade(), play);
}

TEST_F(LoadScreenTest, ReleasesExactlyTheTexturesItLoaded)
{
    for (const char* name : {"arrow.png", "bar.png", "loadgame.png", "returngame.png", "white.bmp",
                             "loadlist.png"})
        writePicture(std::string("Textures/") + name);
    auto* list = new LoadScreen;
    list->enter();
    EXPECT_EQ(list->downArrow.texture.glName, list->upArrow.texture.glName);
    std::vector<unsigned int> names;
    for (const Sprite* sprite : {&list->upArrow, &list->scrollBar, &list->loadGameButton,
                                 &list->returnGameButton, &list->underline, &list->backdrop}) {
        ASSERT_NE(sprite->texture.glName, 0u);
        names.push_back(sprite->texture.glName);
    }
    delete list;
    for (unsigned int name : names)
        EXPECT_FALSE(renderer().textureAlive(name)) << name;
}
