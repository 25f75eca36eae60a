// The golden replays played back with a listener instead of the silent
// audio: each still ends exactly as recorded, state hash by state hash, and
// sounds the events it shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Listening.h"
#include "app/ReplayFile.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "tools/replay/HeadlessReplay.h"

namespace {

class HeardReplay : public ::testing::Test {
protected:
    // Plays the golden replay `name` with a listener; fails unless it ends
    // as recorded.
    void play(const std::string& name)
    {
        ASSERT_TRUE(context.valid());
        Replay replay;
        std::string error;
        const std::string file = std::string(THRASK_SOURCE_DIR) + "/tests/replays/" + name + ".replay";
        ASSERT_TRUE(readReplayFile(file, replay, error)) << error;
        const ReplayOutcome outcome = runReplay(replay, THRASK_DATA_DIR);
        ASSERT_TRUE(outcome.error.empty()) << outcome.error;
        EXPECT_TRUE(outcome.matches(replay)) << outcome.departure << "\n" << outcome.finalState;
        EXPECT_GT(outcome.hashesChecked, 0);
    }

    int hurts() const
    {
        int total = 0;
        for (Effect e : {Effect::HurtZombie, Effect::HurtBurning, Effect::HurtNinja, Effect::HurtKnife,
                         Effect::HurtFlame, Effect::HurtCabbage})
            total += listening.heard.count(e);
        return total;
    }

    // The loops the music was asked for, each change once.
    std::vector<MusicLoop> loops() const
    {
        std::vector<MusicLoop> order;
        for (const MusicCue& cue : listening.heard.cues)
            if (order.empty() || order.back() != cue.loop)
                order.push_back(cue.loop);
        return order;
    }

    OffscreenRenderer context{RendererKind::gl1, 64, 48};
    Listening listening;
};

} // namespace

TEST_F(HeardReplay, TheMenusClickAndTheMusicGoesFromMenuToLevelAndBack)
{
    play("menu-flow");
    EXPECT_GE(listening.heard.count(Effect::MenuClick), 3) << "New Game, Return Game, Quit Game";
    EXPECT_GE(listening.heard.count(Effect::MenuHover), 3);
    using L = MusicLoop;
    EXPECT_EQ(loops(), (std::vector<L>{L::Menu, L::Levels1to5, L::Menu, L::Levels1to5, L::Menu}));
}

TEST_F(HeardReplay, EveryPepperOfTheFirstLevelAndItsClearing)
{
    play("level1-cleared");
    // Eight peppers: the fourth sounds the tint, the eighth clears the level.
    EXPECT_EQ(listening.heard.count(Effect::Pepper), 7);
    EXPECT_EQ(listening.heard.count(Effect::Tint), 1);
    EXPECT_EQ(listening.heard.count(Effect::LevelClear), 1);
    EXPECT_EQ(listening.heard.count(Effect::Death), 0);
}

TEST_F(HeardReplay, BitesThenDeathOnce)
{
    play("death-by-zombies");
    EXPECT_GE(listening.heard.count(Effect::HurtZombie), 1);
    EXPECT_EQ(hurts(), listening.heard.count(Effect::HurtZombie) + listening.heard.count(Effect::HurtBurning))
        << "level 4 has zombies only";
    EXPECT_EQ(listening.heard.count(Effect::Death), 1);
}

TEST_F(HeardReplay, KnivesFlameAndHeartsSoundTheirOwn)
{
    play("knife-hit");
    EXPECT_GE(listening.heard.count(Effect::KnifeThrow), 1);
    EXPECT_GE(listening.heard.count(Effect::HurtKnife), 1);
    EXPECT_EQ(hurts(), listening.heard.count(Effect::HurtKnife)) << "level 5 has one pirate only";

    listening.heard.clear();
    play("robot-fire");
    EXPECT_GE(listening.heard.count(Effect::FlameLit), 1);

    listening.heard.clear();
    play("health-pickup");
    EXPECT_EQ(listening.heard.count(Effect::Health), 1);

    listening.heard.clear();
    play("save-load");
    EXPECT_EQ(listening.heard.count(Effect::Save), 1);
}

TEST_F(HeardReplay, TheWholeGameClearsFourteenLevelsEndsWithTheFanfareAndVisitsEveryLoop)
{
    play("whole-game");
    EXPECT_EQ(listening.heard.count(Effect::LevelClear), 14);
    EXPECT_EQ(listening.heard.count(Effect::Fanfare), 1);
    using L = MusicLoop;
    EXPECT_EQ(loops(), (std::vector<L>{L::Menu, L::Levels1to5, L::Levels6to10, L::Levels11to15, L::Ending, L::Menu}));
}
