// levelplaytest: plays the shipped levels with a bot on the real play rules
// (headless, no window) and reports how often it clears each level, how often
// it is hit in the first five seconds, how much health it loses, and how far
// it gets through a whole game. A tool for tuning the levels; the numbers
// depend on the bot, so they guide rather than decide.
//
//   levelplaytest [--data DIR] [--trials N] [--games N] [--level N] [--profile careful|novice]
//
// The careful bot (the default) sees the field as it is and steers exactly,
// at 60 frames a second of game time. The novice plays as a new player does
// (PlayBot.h: a reaction time of 250 ms, keys held for a moment, steering now
// and then off its aim), in real time: 60 frames a second of the clock, so
// game time runs at the game's speed of 0.85. Level 1 starts where a new game
// does, in the middle of the field; other levels from a random spot.
//
// Set BOT_TRACE=1 to follow the bot second by second on standard error.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/Globals.h"
#include "entities/Random.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "play/PlayScreen.h"
#include "play/Ticks.h"
#include "tools/levelcheck/PlayBot.h"

namespace {

constexpr int lastLevel = 15;
constexpr float framesPerSecond = 60.0f;
constexpr float gameSpeed = 0.85f;
constexpr float timeLimit = 240.0f; // seconds before a level counts as lost
// A hit within this many seconds of the start counts as an unfair start.
constexpr float startSeconds = 5.0f;

// Seconds of game time per frame, and frames per second of the player's time.
float step = 1.0f / framesPerSecond;
bool novice = false;

std::uint32_t seed = 1;

std::uint32_t fixedTicks()
{
    return seed;
}

// With BOT_TRACE set, one line per second of game time: where the bot is,
// its health and the peppers still out.
const bool trace = std::getenv("BOT_TRACE") != nullptr;

void traceFrame(const PlayScreen& play, float seconds)
{
    std::fprintf(stderr, "t=%.0f player=(%.1f, %.1f) hp=%d peppers left=%d:",
                 static_cast<double>(seconds), static_cast<double>(play.player.x),
                 static_cast<double>(play.player.y), play.hp, play.peppersLeft);
    for (const Sprite& pepper : play.peppers)
        if (pepper.visible)
            std::fprintf(stderr, " (%.0f, %.0f)", static_cast<double>(pepper.x),
                         static_cast<double>(pepper.y));
    std::fprintf(stderr, "\n");
}

struct Outcome {
    bool cleared = false;
    bool hitEarly = false; // hit within the first five seconds
    int hpLost = 0;        // net of healing
    float seconds = 0.0f;  // of the player's time
};

PlayBot makeBot(std::uint32_t botSeed)
{
    return novice ? PlayBot(BotProfile::novice(botSeed)) : PlayBot();
}

// Plays level n from the given health; the player starts at (startX, startY).
Outcome playLevel(int n, int hp, float startX, float startY, std::uint32_t botSeed)
{
    PlayScreen play;
    play.enter();
    play.player.x = startX;
    play.player.y = startY;
    play.setup(n);
    play.level = 1; // completing it must not start the ending screen
    play.introShowing = false;
    play.hp = hp;
    PlayBot bot = makeBot(botSeed);
    unsigned char keys[256] = {};
    Outcome outcome;
    frameStep = step;
    int frames = 0;
    while (outcome.seconds < timeLimit) {
        bot.chooseKeys(play, keys);
        play.keysHeld(keys);
        play.update();
        ++frames;
        outcome.seconds = static_cast<float>(frames) / framesPerSecond;
        if (play.hp < hp && outcome.seconds <= startSeconds)
            outcome.hitEarly = true;
        if (trace && frames % 60 == 0)
            traceFrame(play, outcome.seconds);
        if (play.levelFading) {
            outcome.cleared = true;
            break;
        }
        if (play.hp <= 0)
            break;
    }
    outcome.hpLost = hp - (play.hp < 0 ? 0 : play.hp);
    return outcome;
}

float startCoordinate()
{
    return static_cast<float>(thrask::rand() % 160 - 80);
}

} // namespace

int main(int argc, char** argv)
{
    std::string dataDir = ".";
    int trials = 30;
    int games = 20;
    int only = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--profile") == 0) {
            if (std::strcmp(argv[i + 1], "novice") == 0) {
                novice = true;
                step = gameSpeed / framesPerSecond;
            } else if (std::strcmp(argv[i + 1], "careful") != 0) {
                std::fprintf(stderr, "--profile is careful or novice\n");
                return 2;
            }
        } else if (std::strcmp(argv[i], "--data") == 0)
            dataDir = argv[i + 1];
        else if (std::strcmp(argv[i], "--trials") == 0)
            trials = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--games") == 0)
            games = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--level") == 0)
            only = std::atoi(argv[i + 1]);
    }
    std::filesystem::current_path(dataDir);
    OffscreenRenderer context(RendererKind::gl1, 64, 64);
    if (!context.valid()) {
        std::fprintf(stderr, "no off-screen OpenGL context\n");
        return 1;
    }
    setPlayTickSource(fixedTicks);

    std::printf("%s bot\n", novice ? "novice" : "careful");
    std::printf("level  cleared  hit in first 5 s  hp lost (mean, worst)  seconds\n");
    for (int n = 1; n <= lastLevel && trials > 0; ++n) {
        if (only != 0 && n != only)
            continue;
        int cleared = 0, early = 0, lost = 0, worst = 0;
        float seconds = 0.0f;
        for (int t = 0; t < trials; ++t) {
            seed = 1000u * n + t;
            thrask::srand(seed);
            float x = startCoordinate();
            float y = startCoordinate();
            // A new game starts in the middle of level 1.
            if (novice && n == 1)
                x = y = 0.0f;
            const Outcome o = playLevel(n, 30, x, y, seed);
            cleared += o.cleared;
            early += o.hitEarly;
            lost += o.hpLost;
            worst = o.hpLost > worst ? o.hpLost : worst;
            seconds += o.seconds;
        }
        std::printf("%5d  %3d/%-3d  %3d/%-3d           %6.1f  %3d            %5.1f\n", n, cleared,
                    trials, early, trials, static_cast<double>(lost) / trials, worst,
                    static_cast<double>(seconds / trials));
    }

    int finished = 0;
    std::printf("\nwhole games (health carried over):");
    for (int g = 0; g < games; ++g) {
        int hp = 30;
        int n = 1;
        float x = 0.0f, y = 0.0f;
        for (; n <= lastLevel; ++n) {
            seed = 77777u + 100u * g + n;
            const Outcome o = playLevel(n, hp, x, y, seed);
            hp -= o.hpLost;
            if (!o.cleared)
                break;
            thrask::srand(seed);
            x = startCoordinate();
            y = startCoordinate();
        }
        std::printf(" %d", n > lastLevel ? 16 : n);
        finished += n > lastLevel;
    }
    std::printf("\n%d of %d whole games won (16 = won, else the level lost)\n", finished, games);
    return 0;
}
