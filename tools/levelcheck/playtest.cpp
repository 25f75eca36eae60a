// levelplaytest: plays the shipped levels with a bot on the real play rules
// (headless, no window) and reports how often it clears each level, how often
// it is hit in the first five seconds, how much health it loses, and how far
// it gets through a whole game. A tool for tuning the levels; the numbers
// depend on the bot, so they guide rather than decide.
//
//   levelplaytest [--data DIR] [--trials N] [--games N] [--level N]
//                 [--profile careful|novice] [--first-move-delay SECONDS]
//
// DIR is the game's data folder (default: the working directory). Each level
// is played N trials times (default 30), then N games whole games (default
// 20); --level plays that level alone and no whole games.
//
// The careful bot (the default) sees the field as it is and steers exactly,
// at 60 frames a second of game time. The novice plays as a new player does
// (PlayBot.h: a reaction time of 250 ms, keys held for a moment, steering now
// and then off its aim), in real time: 60 frames a second of the clock, so
// game time runs at the game's speed of 0.85. At the start of every level it
// plays, the novice first stands still for the first-move delay (default
// 1.5 s of the clock), as a newcomer looks at the field after the Enter
// that ends a level's intro. Level 1 starts where a new game does, in the
// middle of the field; other levels, and level 1 for the careful bot, from a
// random spot.
//
// For each level the tool prints a line of the health lost and the time
// taken, and then, last, the line scripts read:
//   level N: cleared C/T, unhit in the first 5 s U/T
// A level is cleared when its last pepper is eaten within 240 s without
// dying; a trial is unhit when the health never drops in the first 5 s of
// the player's time. After the levels come the whole games, with the health
// carried over from level to level, ending with
//   W of G whole games won
//
// Exit status: 0 when the play-test ran. 2 when it did not run because it was
// asked wrongly: an unknown option, an option without its value or with one
// it does not take (the usage follows on standard error), or a data folder
// that does not exist or lacks a level file the test would play (named on
// standard error). 1 when it could not run for another reason (no off-screen
// OpenGL context). --help prints the usage on standard output and exits 0.
//
// Set BOT_TRACE=1 to follow the bot second by second on standard error.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/Globals.h"
#include "app/ScreenFactories.h"
#include "entities/Random.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "play/PlayScreen.h"
#include "play/Ticks.h"
#include "tools/cli/GameDataFolder.h"
#include "tools/cli/ToolCommandLine.h"
#include "tools/levelcheck/PlayBot.h"

namespace {

constexpr int lastLevel = 15;
constexpr float framesPerSecond = 60.0f;
constexpr float gameSpeed = 0.85f;
constexpr float timeLimit = 240.0f; // seconds before a level counts as lost
// A hit within this many seconds of the start counts as an unfair start.
constexpr float startSeconds = 5.0f;
constexpr float defaultFirstMoveDelay = 1.5f;
// Health at the start of a level played alone, and of a whole game.
constexpr int fullHealth = 30;

const char* const usageText =
    "usage: levelplaytest [--data DIR] [--trials N] [--games N] [--level N]\n"
    "                     [--profile careful|novice] [--first-move-delay SECONDS]\n"
    "  --data DIR                the game's data folder (default: the working directory)\n"
    "  --trials N                plays of each level (default 30)\n"
    "  --games N                 whole games (default 20; none with --level)\n"
    "  --level N                 only level N, 1 to 15\n"
    "  --profile careful|novice  the careful bot (default) or a new player\n"
    "  --first-move-delay S      seconds the novice stands still at the start of a\n"
    "                            level before its first move (default 1.5)\n"
    "Each level ends with the line: level N: cleared C/T, unhit in the first 5 s U/T\n"
    "Exit status: 0 ran, 2 asked wrongly (options, data folder), 1 could not run.\n";

struct Settings {
    std::string dataDir = ".";
    int trials = 30;
    int games = 20;
    bool gamesGiven = false;
    int only = 0;
    bool novice = false;
    float firstMoveDelay = defaultFirstMoveDelay;
    bool delayGiven = false;
};

Settings settings;

// Seconds of game time per frame.
float step = 1.0f / framesPerSecond;

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
    if (!settings.novice)
        return PlayBot();
    BotProfile profile = BotProfile::novice(botSeed);
    profile.firstMoveFrames = static_cast<int>(settings.firstMoveDelay * framesPerSecond + 0.5f);
    return PlayBot(profile);
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
    int lastHp = hp;
    while (outcome.seconds < timeLimit) {
        bot.chooseKeys(play, keys);
        play.keysHeld(keys);
        play.update();
        ++frames;
        outcome.seconds = static_cast<float>(frames) / framesPerSecond;
        // Any drop counts, also one that a heart taken earlier made up for.
        if (play.hp < lastHp && outcome.seconds <= startSeconds)
            outcome.hitEarly = true;
        lastHp = play.hp;
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

void playEachLevel()
{
    std::printf("%s bot", settings.novice ? "novice" : "careful");
    if (settings.novice)
        std::printf(", first move after %.2f s", static_cast<double>(settings.firstMoveDelay));
    std::printf(", %d trials a level\n", settings.trials);
    for (int n = 1; n <= lastLevel && settings.trials > 0; ++n) {
        if (settings.only != 0 && n != settings.only)
            continue;
        int cleared = 0, unhit = 0, lost = 0, worst = 0;
        float seconds = 0.0f;
        for (int t = 0; t < settings.trials; ++t) {
            seed = 1000u * static_cast<std::uint32_t>(n) + static_cast<std::uint32_t>(t);
            thrask::srand(seed);
            float x = startCoordinate();
            float y = startCoordinate();
            // A new game starts in the middle of level 1.
            if (settings.novice && n == 1)
                x = y = 0.0f;
            const Outcome o = playLevel(n, fullHealth, x, y, seed);
            cleared += o.cleared;
            unhit += !o.hitEarly;
            lost += o.hpLost;
            worst = o.hpLost > worst ? o.hpLost : worst;
            seconds += o.seconds;
        }
        std::printf("level %d: hp lost %.1f on average, %d at worst; %.1f s on average\n", n,
                    static_cast<double>(lost) / settings.trials, worst,
                    static_cast<double>(seconds / settings.trials));
        std::printf("level %d: cleared %d/%d, unhit in the first 5 s %d/%d\n", n, cleared, settings.trials,
                    unhit, settings.trials);
    }
}

void playWholeGames()
{
    if (settings.games <= 0)
        return;
    int finished = 0;
    std::printf("whole games (health carried over), the level each was lost on (16 = won):");
    for (int g = 0; g < settings.games; ++g) {
        int hp = fullHealth;
        int n = 1;
        float x = 0.0f, y = 0.0f;
        for (; n <= lastLevel; ++n) {
            seed = 77777u + 100u * static_cast<std::uint32_t>(g) + static_cast<std::uint32_t>(n);
            const Outcome o = playLevel(n, hp, x, y, seed);
            hp -= o.hpLost;
            if (!o.cleared)
                break;
            thrask::srand(seed);
            x = startCoordinate();
            y = startCoordinate();
        }
        std::printf(" %d", n > lastLevel ? lastLevel + 1 : n);
        finished += n > lastLevel;
    }
    std::printf("\n%d of %d whole games won\n", finished, settings.games);
}

} // namespace

int main(int argc, char** argv)
{
    installScreenFactories();
    const std::vector<ToolOption> options = {
        {"--data", "DIR", [](const std::string& v) { settings.dataDir = v; return !v.empty(); }},
        {"--trials", "N", [](const std::string& v) { return readWholeNumber(v, 0, settings.trials); }},
        {"--games", "N",
         [](const std::string& v) { settings.gamesGiven = true; return readWholeNumber(v, 0, settings.games); }},
        {"--level", "N",
         [](const std::string& v) { return readWholeNumber(v, 1, settings.only) && settings.only <= lastLevel; }},
        {"--profile", "careful|novice",
         [](const std::string& v) {
             settings.novice = v == "novice";
             return v == "novice" || v == "careful";
         }},
        {"--first-move-delay", "SECONDS",
         [](const std::string& v) { settings.delayGiven = true; return readSeconds(v, settings.firstMoveDelay); }},
    };
    const int answered = readToolCommandLine("levelplaytest", usageText, argc, argv, options, nullptr);
    if (answered != keepRunning)
        return answered;
    if (settings.delayGiven && !settings.novice)
        return toolMisused("levelplaytest", usageText, "--first-move-delay is for the novice (--profile novice)");
    if (settings.only != 0 && !settings.gamesGiven)
        settings.games = 0;
    if (settings.novice)
        step = gameSpeed / framesPerSecond;

    const std::string problem = gameDataProblem(settings.dataDir);
    if (!problem.empty()) {
        std::fprintf(stderr, "levelplaytest: %s\n", problem.c_str());
        return 2;
    }
    const int first = settings.only != 0 && settings.games == 0 ? settings.only : 1;
    const int last = settings.only != 0 && settings.games == 0 ? settings.only : lastLevel;
    const std::vector<int> missing = missingLevelFiles(settings.dataDir, first, last);
    if (!missing.empty()) {
        std::fprintf(stderr, "levelplaytest: the data folder \"%s\" has no level file Levels/l%d.lvl",
                     settings.dataDir.c_str(), missing.front());
        for (std::size_t i = 1; i < missing.size(); ++i)
            std::fprintf(stderr, ", l%d.lvl", missing[i]);
        std::fprintf(stderr, "; the game would skip such a level, so it cannot be play-tested\n");
        return 2;
    }

    std::error_code entered;
    std::filesystem::current_path(settings.dataDir, entered);
    if (entered) {
        std::fprintf(stderr, "levelplaytest: cannot work in the data folder \"%s\": %s\n",
                     settings.dataDir.c_str(), entered.message().c_str());
        return 1;
    }
    OffscreenRenderer context(RendererKind::gl1, 64, 64);
    if (!context.valid()) {
        std::fprintf(stderr, "levelplaytest: no off-screen OpenGL context\n");
        return 1;
    }
    setPlayTickSource(fixedTicks);

    playEachLevel();
    playWholeGames();
    return 0;
}
