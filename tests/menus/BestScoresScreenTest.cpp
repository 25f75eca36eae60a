// The best-score list and the name prompt: the list by keys and pointer
// (the mark, watching a game, going back with the suspended game), the
// prompt's keys and where it leads, and the ways a game gets there: a death
// or the ending with enough points, and nothing changed for a run without
// best scores.
#include <string>
#include <vector>

#include "MenuTestSupport.h"
#include "menus/BestScoresScreen.h"
#include "menus/EndingScreen.h"
#include "menus/ScoreEntryScreen.h"
#include "platform/VirtualKeys.h"
#include "play/ScoreBook.h"
#include "screens/GameEvents.h"
#include "screens/ScreenFlow.h"

namespace {

// Keeps the replays the screens ask to watch.
struct WatchRequests : GameEvents {
    void watchReplay(const std::string& replay) override { asked.push_back(replay); }
    std::vector<std::string> asked;
};

class BestScoresScreenTest : public CleanScreenFlow {
protected:
    void SetUp() override
    {
        CleanScreenFlow::SetUp();
        for (const BestScore& game : {BestScore{2500, 6, "2024-03-01", "mia", "20240301-000000.replay"},
                                      BestScore{1200, 4, "2024-03-02", "olek", ""},
                                      BestScore{900, 3, "2024-03-03", "zed", "20240303-000000.replay"}})
            games.enter(game);
        book = ScoreBook(games);
        useScoreBook(&book);
        listenToGame(&requests);
    }

    void TearDown() override
    {
        finishFade();
        delete currentScreen;
        currentScreen = nullptr;
        freeRetiredScreens();
        listenToGame(nullptr);
        useScoreBook(nullptr);
        CleanScreenFlow::TearDown();
    }

    // The list, opened from a menu of `mode` by its sign.
    BestScoresScreen* openList(int mode, PlayScreen* suspended = nullptr)
    {
        TitleScreen* menu = makeMenu(mode, suspended);
        // The second sign, after Options.
        EXPECT_EQ(menu->signs.size(), 2u);
        clickAt(menu, menu->signs[1].x, menu->signs[1].y);
        auto* list = dynamic_cast<BestScoresScreen*>(finishFade());
        EXPECT_NE(list, nullptr);
        return list;
    }

    static void press(Screen* screen, int key)
    {
        screen->keyDown(key);
        screen->keyUp(key);
    }

    BestScores games;
    ScoreBook book;
    WatchRequests requests;
};

} // namespace

TEST_F(BestScoresScreenTest, TheArrowsMoveTheMarkRoundAndEnterAsksToWatchTheMarkedGame)
{
    BestScoresScreen* list = openList(menuMode::title);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->selected, 0);
    const auto marks = [list](std::initializer_list<int> keys) {
        std::vector<int> seen;
        for (const int key : keys) {
            press(list, key);
            seen.push_back(list->selected);
        }
        return seen;
    };
    EXPECT_EQ(marks({vk::down, vk::down, vk::down, vk::up, vk::end, vk::home}),
              (std::vector<int>{1, 2, 0, 2, 2, 0}));

    press(list, vk::enter);
    EXPECT_EQ(requests.asked, std::vector<std::string>{"20240301-000000.replay"});
    EXPECT_EQ(currentScreen, list) << "the list stays while the game is watched";
    list->keyUp(vk::enter);
    EXPECT_EQ(requests.asked.size(), 1u) << "a release without its press asks nothing";
    press(list, vk::down);
    press(list, vk::enter);
    EXPECT_EQ(requests.asked.size(), 1u) << "a game without a recording is not asked for";

    list->keyDown(vk::escape);
    EXPECT_EQ(currentScreen, list) << "like a click, Esc acts when released";
    list->keyUp(vk::escape);
    const auto* menu = dynamic_cast<TitleScreen*>(finishFade());
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->inGame);
}

TEST_F(BestScoresScreenTest, APointerMarksAGameWatchesTheMarkedOneAndTheButtonsWork)
{
    BestScoresScreen* list = openList(menuMode::title);
    ASSERT_NE(list, nullptr);
    clickAt(list, 0, 41); // the second line
    EXPECT_EQ(list->selected, 1);
    EXPECT_TRUE(requests.asked.empty());
    clickAt(list, 0, 31); // the third
    EXPECT_EQ(list->selected, 2);
    clickAt(list, -60, 31); // the marked one, anywhere on its line
    EXPECT_EQ(requests.asked, std::vector<std::string>{"20240303-000000.replay"});
    clickAt(list, 0, 0); // below the last game
    EXPECT_EQ(list->selected, 2);
    list->mouseWheel(2);
    EXPECT_EQ(list->selected, 0) << "the wheel goes up the list without wrapping";
    clickAt(list, 50, -76); // Watch Game
    EXPECT_EQ(requests.asked.size(), 2u);
    EXPECT_EQ(requests.asked.back(), "20240301-000000.replay");
    EXPECT_EQ(list->hovered, 1);
    clickAt(list, -50, -76); // Return Game
    EXPECT_TRUE(list->leaving);
    clickAt(list, 50, -76);
    EXPECT_EQ(requests.asked.size(), 2u) << "a list leaving takes no more clicks";
}

TEST_F(BestScoresScreenTest, FromTheInGameMenuEscGoesBackWithTheSameSuspendedGame)
{
    int destroyed = 0;
    auto* game = new TrackedPlay(&destroyed);
    game->score = 321;
    BestScoresScreen* list = openList(menuMode::inGame, game);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->inGame);
    EXPECT_EQ(list->suspended.get(), game);
    press(list, vk::escape);
    auto* menu = dynamic_cast<TitleScreen*>(finishFade());
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->inGame);
    EXPECT_EQ(menu->suspended.get(), game);
    EXPECT_EQ(destroyed, 0);
}

TEST_F(BestScoresScreenTest, AnEmptyListHasNothingToMarkOrWatch)
{
    book = ScoreBook(BestScores());
    BestScoresScreen* list = openList(menuMode::title);
    ASSERT_NE(list, nullptr);
    press(list, vk::down);
    press(list, vk::end);
    EXPECT_EQ(list->selected, 0);
    press(list, vk::enter);
    clickAt(list, 50, -76);
    clickAt(list, 0, 51);
    EXPECT_TRUE(requests.asked.empty());
    EXPECT_EQ(list->hovered, 0) << "there is no Watch Game button";
    list->render(); // draws the empty list's words without a game
}

TEST_F(BestScoresScreenTest, TheNamePromptTypesAsTheSavePromptDoesAndShowsTheListMarked)
{
    book.startGame("2024-06-01", "20240601-000000.replay");
    const int place = book.enterGame(1500, 5);
    ASSERT_EQ(place, 2);
    auto* prompt = dynamic_cast<ScoreEntryScreen*>(makeScoreEntry(place));
    ASSERT_NE(prompt, nullptr);
    currentScreen = prompt;
    EXPECT_TRUE(prompt->typing()) << "letters are the name's, M too";
    for (const int key : {vk::letter('M'), vk::letter('A'), vk::space, vk::digit0 + 7, vk::backspace,
                          vk::letter('X'), vk::left, vk::letter('Q')})
        prompt->keyDown(key);
    EXPECT_EQ(prompt->name, "ma qx");
    prompt->keyDown(vk::enter);
    EXPECT_TRUE(prompt->leaving);
    prompt->keyDown(vk::letter('Z'));
    EXPECT_EQ(prompt->name, "ma qx") << "nothing is typed once the name is given";
    auto* list = dynamic_cast<BestScoresScreen*>(finishFade());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->selected, 1) << "the new game is marked";
    EXPECT_FALSE(list->inGame);
    EXPECT_EQ(book.list().games()[1].name, "ma qx");
    EXPECT_EQ(book.list().games()[1].replay, "20240601-000000.replay");
    EXPECT_EQ(book.list().games()[1].date, "2024-06-01");

    // Esc, a blank name and a click each keep the game without a name.
    for (const int how : {0, 1, 2}) {
        SCOPED_TRACE(how);
        const int next = book.enterGame(1400, 4);
        ASSERT_GT(next, 0);
        auto* another = dynamic_cast<ScoreEntryScreen*>(makeScoreEntry(next));
        delete currentScreen;
        currentScreen = another;
        another->keyDown(vk::letter('A'));
        if (how == 0) {
            another->keyDown(vk::escape);
        } else if (how == 1) {
            another->keyDown(vk::backspace);
            another->keyDown(vk::space);
            another->keyDown(vk::enter);
        } else {
            clickAt(another, 0, 0);
        }
        EXPECT_TRUE(another->leaving);
        finishFade();
        EXPECT_EQ(book.list().games()[static_cast<std::size_t>(next - 1)].name, how == 2 ? "a" : "");
    }
}

TEST_F(BestScoresScreenTest, ADeathWithEnoughPointsAsksForTheNameAndOneWithoutGoesToTheMenu)
{
    struct Case {
        bool keeps;
        int score;
        bool asks;
    };
    for (const Case c : {Case{true, 1000, true}, Case{true, 0, false}, Case{false, 100000, false}}) {
        SCOPED_TRACE(std::to_string(c.score) + (c.keeps ? "" : " without best scores"));
        book = c.keeps ? ScoreBook(games) : ScoreBook();
        auto* play = new PlayScreen;
        play->enter();
        play->setup(1);
        play->score = c.score;
        play->level = 4;
        play->hp = 0;
        currentScreen = play;
        frameStep = 0.125f;
        for (int frame = 0; frame < 100 && currentScreen == play; ++frame)
            play->render();
        freeRetiredScreens();
        if (c.asks) {
            const auto* prompt = dynamic_cast<ScoreEntryScreen*>(currentScreen);
            ASSERT_NE(prompt, nullptr);
            EXPECT_EQ(prompt->place, 3);
            ASSERT_EQ(book.list().games().size(), 4u);
            EXPECT_EQ(book.list().games()[2].score, 1000);
            EXPECT_EQ(book.list().games()[2].level, 4);
        } else {
            const auto* menu = dynamic_cast<TitleScreen*>(currentScreen);
            ASSERT_NE(menu, nullptr);
            EXPECT_FALSE(menu->inGame);
            EXPECT_EQ(book.list().games().size(), c.keeps ? 3u : 0u);
        }
        delete currentScreen;
        currentScreen = nullptr;
    }
}

TEST_F(BestScoresScreenTest, TheEndingOfAListedGameLeadsToItsNamePrompt)
{
    auto* ending = dynamic_cast<EndingScreen*>(makeEndingScreen(3000, 1));
    ASSERT_NE(ending, nullptr);
    currentScreen = ending;
    EXPECT_EQ(ending->placeFont.text, "A new best score: place 1!");
    ending->render();
    ending->keyUp(vk::space);
    const auto* prompt = dynamic_cast<ScoreEntryScreen*>(finishFade());
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->place, 1);
    delete currentScreen;

    ending = dynamic_cast<EndingScreen*>(makeEndingScreen(3000));
    currentScreen = ending;
    EXPECT_EQ(ending->placeFont.text, "");
    ending->keyUp(vk::space);
    EXPECT_NE(dynamic_cast<TitleScreen*>(finishFade()), nullptr);
}
