#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "TestMessages.h"
#include "app/ReplayBytes.h"
#include "app/ReplayFile.h"

namespace {

ReplayEvent input(const Message& m)
{
    ReplayEvent event;
    event.type = ReplayEvent::Input;
    event.message = m;
    return event;
}

ReplayEvent tick(ReplayEvent::Type type, std::uint32_t value)
{
    ReplayEvent event;
    event.type = type;
    event.tick = value;
    return event;
}

// A small recording with every kind of record, ticks that wrap around and
// pointer positions outside the window.
Replay sample()
{
    Replay replay;
    replay.gameVersion = "1.2.3";
    replay.seed = 0xDEADBEEF;
    replay.hashEvery = 2;
    replay.commandLine = {"-win", "-w", "800"};
    replay.dataFiles = {{"Levels/l1.lvl", 40, 0x0123456789ABCDEFull}, {"Textures/a b.png", 0, 1}};
    replay.saves = {{"anna 7.sav", std::string("\x01\x00\x00\x00\x0d\x0a", 6)}, {".sav", ""}};
    replay.settings = "effects-volume = 40\nkey-up = W\n";
    replay.date = "2024-05-01";
    replay.keepsScores = true;
    replay.bestScores.enter({2000, 7, "2024-04-01", "mia", "20240401-120000.replay"});
    replay.bestScores.enter({300, 1, "2024-04-02", "", ""});
    replay.startsInGame = true;
    ReplayGameStart& start = replay.gameStart;
    start.level = 4;
    start.hp = -2;
    start.score = 1234;
    start.introShowing = true;
    start.dying = true;
    start.fadePhase = -37.5f;
    start.deadWidth = 50.0f;
    start.deadHeight = 25.0f;
    start.deadVisible = true;
    start.levelSeed = 0xFFFFFFFFu;
    start.ninjaLegAtLoad = true;
    start.windowWidth = 1920;
    start.windowHeight = -1;
    start.mouseX = -40;
    start.mouseY = 70000;
    start.pointerX = 0.25f;
    start.pointerY = 1.5f;
    start.keysHeld = {0x0D, 0x26, 0xFF};
    start.frameStep = 0.0141f;
    start.lastTick = 0x80000000u;
    start.ninjaLeg = false;
    start.stateHash = 0x1122334455667788ull;
    replay.events = {
        input(message(Message::Size, 800, 600)),
        tick(ReplayEvent::Tick, 0xFFFFFFF0u),
        tick(ReplayEvent::Frame, 0xFFFFFFF8u),
        input(message(Message::KeyDown, 0x26)),
        input(message(Message::MouseMove, -5, 70000)),
        tick(ReplayEvent::Frame, 0x00000010u), // the tick counter wrapped
        tick(ReplayEvent::Tick, 0x00000010u),
        input(message(Message::ButtonDown, 0, 0, true, false)),
        input(message(Message::ButtonUp, 0, 0, false, true)),
        input(message(Message::KeyUp, 0xFF)),
        input(message(Message::FocusLost)),
        input(message(Message::Wheel, -3)),
        input(message(Message::Wheel, 70000)),
        input(message(Message::Quit)),
    };
    ReplayEvent hash;
    hash.type = ReplayEvent::Hash;
    hash.hash = 0xFEDCBA9876543210ull;
    replay.events.push_back(hash);
    replay.finished = true;
    replay.finalState = "screen play\nlevel 3\n";
    replay.finalHash = 42;
    return replay;
}

// The body of `replay` (its events, no end) as every version writes it.
std::string bodyOf(const Replay& replay)
{
    Replay header = replay;
    header.events.clear();
    header.finished = false;
    Replay open = replay;
    open.finished = false;
    return encodeReplay(open).substr(encodeReplay(header).size());
}

// `replay` as the game wrote it in format version 1: the header up to the
// saved games, then its settings (when it has any) as the body's first
// record, then its events; no end, whose checksum would cover other bytes.
std::string formatOne(const Replay& replay)
{
    using namespace replayBytes;
    std::string out = "THRASKRP";
    putFixed(out, 1, 2);
    putString(out, replay.gameVersion);
    putFixed(out, replay.seed, 4);
    putFixed(out, replay.hashEvery, 2);
    putVarint(out, replay.commandLine.size());
    for (const std::string& word : replay.commandLine)
        putString(out, word);
    putVarint(out, replay.dataFiles.size());
    for (const ReplayDataFile& file : replay.dataFiles) {
        putString(out, file.name);
        putVarint(out, file.size);
        putFixed(out, file.hash, 8);
    }
    putVarint(out, replay.saves.size());
    for (const ReplaySave& save : replay.saves) {
        putString(out, save.name);
        putString(out, save.bytes);
    }
    if (!replay.settings.empty()) {
        putU8(out, 0x05);
        putString(out, replay.settings);
    }
    return out + bodyOf(replay);
}

bool sameEvent(const ReplayEvent& a, const ReplayEvent& b)
{
    if (a.type != b.type)
        return false;
    switch (a.type) {
    case ReplayEvent::Frame:
    case ReplayEvent::Tick:
        return a.tick == b.tick;
    case ReplayEvent::Hash:
        return a.hash == b.hash;
    case ReplayEvent::Input:
        return a.message.kind == b.message.kind && a.message.a == b.message.a
            && a.message.b == b.message.b && a.message.left == b.message.left
            && a.message.right == b.message.right;
    }
    return false;
}

} // namespace

TEST(ReplayFileTest, EveryRecordReadsBackAsWritten)
{
    const Replay original = sample();
    Replay read;
    std::string error;
    ASSERT_TRUE(decodeReplay(encodeReplay(original), read, error)) << error;
    EXPECT_EQ(read.gameVersion, original.gameVersion);
    EXPECT_EQ(read.seed, original.seed);
    EXPECT_EQ(read.hashEvery, original.hashEvery);
    EXPECT_EQ(read.commandLine, original.commandLine);
    EXPECT_EQ(read.dataFiles, original.dataFiles);
    ASSERT_EQ(read.saves.size(), 2u);
    EXPECT_EQ(read.saves[0].bytes, original.saves[0].bytes);
    EXPECT_EQ(read.saves[1].name, ".sav");
    EXPECT_EQ(read.settings, original.settings);
    ASSERT_EQ(read.events.size(), original.events.size());
    for (std::size_t i = 0; i < read.events.size(); ++i)
        EXPECT_TRUE(sameEvent(read.events[i], original.events[i])) << "event " << i;
    EXPECT_TRUE(read.finished);
    EXPECT_EQ(read.finalState, original.finalState);
    EXPECT_EQ(read.finalHash, 42u);

    EXPECT_EQ(read.date, "2024-05-01");
    EXPECT_TRUE(read.keepsScores);
    EXPECT_EQ(read.bestScores.games(), original.bestScores.games());
    ASSERT_TRUE(read.startsInGame);
    const ReplayGameStart& a = read.gameStart;
    const ReplayGameStart& b = original.gameStart;
    EXPECT_EQ(a.level, b.level);
    EXPECT_EQ(a.hp, b.hp);
    EXPECT_EQ(a.score, b.score);
    EXPECT_EQ(a.introShowing, b.introShowing);
    EXPECT_EQ(a.dying, b.dying);
    EXPECT_EQ(a.fadePhase, b.fadePhase);
    EXPECT_EQ(a.deadWidth, b.deadWidth);
    EXPECT_EQ(a.deadHeight, b.deadHeight);
    EXPECT_EQ(a.deadVisible, b.deadVisible);
    EXPECT_EQ(a.levelSeed, b.levelSeed);
    EXPECT_EQ(a.ninjaLegAtLoad, b.ninjaLegAtLoad);
    EXPECT_EQ(a.windowWidth, b.windowWidth);
    EXPECT_EQ(a.windowHeight, b.windowHeight);
    EXPECT_EQ(a.mouseX, b.mouseX);
    EXPECT_EQ(a.mouseY, b.mouseY);
    EXPECT_EQ(a.pointerX, b.pointerX);
    EXPECT_EQ(a.pointerY, b.pointerY);
    EXPECT_EQ(a.keysHeld, b.keysHeld);
    EXPECT_EQ(a.frameStep, b.frameStep);
    EXPECT_EQ(a.lastTick, b.lastTick);
    EXPECT_EQ(a.ninjaLeg, b.ninjaLeg);
    EXPECT_EQ(a.stateHash, b.stateHash);
}

TEST(ReplayFileTest, AFormatOneRecordingReadsAsARunFromTheStartWithoutBestScores)
{
    // Format 1 has no day, best scores or game start, and keeps the run's
    // settings, when it has any, in the body's first record.
    Replay read;
    std::string error;
    for (const bool withSettings : {false, true}) {
        SCOPED_TRACE(withSettings ? "with settings" : "made before the game kept settings");
        Replay original = sample();
        if (!withSettings)
            original.settings.clear();
        ASSERT_TRUE(decodeReplay(formatOne(original), read, error)) << error;
        EXPECT_EQ(read.version, 1);
        EXPECT_EQ(read.commandLine, original.commandLine);
        EXPECT_EQ(read.saves.size(), 2u);
        EXPECT_EQ(read.settings, original.settings);
        EXPECT_EQ(read.date, "");
        EXPECT_FALSE(read.keepsScores);
        EXPECT_FALSE(read.startsInGame);
        EXPECT_FALSE(read.finished);
        ASSERT_EQ(read.events.size(), original.events.size());
        for (std::size_t i = 0; i < read.events.size(); ++i)
            EXPECT_TRUE(sameEvent(read.events[i], original.events[i])) << "event " << i;
    }

    // The format after this one is refused by name.
    std::string three = encodeReplay(sample());
    three[8] = 3;
    EXPECT_FALSE(decodeReplay(three, read, error));
    EXPECT_NE(error.find("version 3"), std::string::npos) << error;
}

TEST(ReplayFileTest, ABestScoreListOutOfOrderOrHoldingWhatTheListCannotIsDamage)
{
    const auto withList = [](const std::vector<BestScore>& games) {
        // The list is written as given, not as BestScores would order it.
        Replay replay;
        replay.keepsScores = true;
        std::string bytes = encodeReplay(replay);
        bytes.pop_back(); // the game start's flag
        bytes.pop_back(); // the empty list's count
        bytes += static_cast<char>(games.size());
        for (const BestScore& game : games) {
            const auto zigzag = [](int v) { return static_cast<char>(v < 0 ? -2 * v - 1 : 2 * v); };
            bytes += zigzag(game.score / 100); // scores of whole hundreds below 6400 fit one byte
            bytes += zigzag(game.level);
            for (const std::string* text : {&game.date, &game.name, &game.replay})
                bytes += static_cast<char>(text->size()) + *text;
        }
        return bytes + '\0';
    };
    Replay read;
    std::string error;
    ASSERT_TRUE(decodeReplay(withList({{5000, 2, "2024-01-01", "a", ""}, {100, 1, "2024-01-01", "b", ""}}),
                             read, error))
        << error;
    EXPECT_EQ(read.bestScores.games().size(), 2u);
    EXPECT_EQ(read.bestScores.games()[0].score, 50); // in hundreds, as written above
    for (const auto& bad : {std::vector<BestScore>{{100, 1, "2024-01-01", "b", ""}, {5000, 2, "2024-01-01", "a", ""}},
                            std::vector<BestScore>{{100, 1, "2024-01-01", "B", ""}},
                            std::vector<BestScore>{{100, 1, "2024-01-01", "b", "../x.replay"}},
                            std::vector<BestScore>{{100, 0, "2024-01-01", "b", ""}}}) {
        EXPECT_FALSE(decodeReplay(withList(bad), read, error));
        EXPECT_NE(error.find("damaged"), std::string::npos) << error;
    }
}

TEST(ReplayFileTest, AListReadsOnlyTheHeaderOfEachRecording)
{
    Replay original = sample();
    // A long run, and a header that outgrows the first read.
    for (int i = 0; i < 100000; ++i)
        original.events.push_back(tick(ReplayEvent::Frame, static_cast<std::uint32_t>(i * 17)));
    original.saves.push_back({"big.sav", std::string(200 * 1024, 'x')});
    {
        std::ofstream out("long.replay", std::ios::binary);
        out << encodeReplay(original);
    }
    Replay header;
    std::string error;
    ASSERT_TRUE(readReplayHeader("long.replay", header, error)) << error;
    EXPECT_TRUE(header.events.empty());
    EXPECT_FALSE(header.finished);
    ASSERT_EQ(header.saves.size(), 3u);
    EXPECT_EQ(header.saves[2].bytes.size(), 200u * 1024);
    EXPECT_EQ(header.bestScores.games(), original.bestScores.games());
    EXPECT_EQ(header.gameStart.stateHash, original.gameStart.stateHash);

    // A header cut short, a foreign file and a missing one are refused by name.
    const std::string bytes = encodeReplay(original);
    for (const std::string& cut : {bytes.substr(0, 150 * 1024), bytes.substr(0, 20), std::string("GIF89a")}) {
        std::ofstream("cut.replay", std::ios::binary) << cut;
        EXPECT_FALSE(readReplayHeader("cut.replay", header, error));
        EXPECT_EQ(error.rfind("cut.replay: ", 0), 0u) << error;
    }
    EXPECT_FALSE(readReplayHeader("missing.replay", header, error));
    EXPECT_NE(error.find("missing.replay"), std::string::npos);
}

TEST(ReplayFileTest, EveryMessageKindKeepsItsStoredCode)
{
    struct Case {
        Message message;
        std::string stored; // after the input tag 0x03
    };
    const Case cases[] = {
        {message(Message::Quit), "\x01"},
        {message(Message::Size, 2, -1), std::string("\x02\x04\x01", 3)},
        {message(Message::KeyDown, 0x26), "\x03\x26"},
        {message(Message::KeyUp, 0x0D), "\x04\x0D"},
        {message(Message::MouseMove, 1, 0), std::string("\x05\x02\x00", 3)},
        {message(Message::ButtonDown, 0, 0, true, false), "\x06\x01"},
        {message(Message::ButtonUp, 0, 0, false, true), "\x07\x02"},
        {message(Message::FocusLost), "\x08"},
        {message(Message::Wheel, -3), "\x09\x05"},
        {message(Message::Wheel, 1), "\x09\x02"},
    };
    Replay header = sample();
    header.events.clear();
    header.finished = false;
    const std::string before = encodeReplay(header);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.kind);
        Replay one = header;
        one.events = {input(c.message)};
        const std::string bytes = encodeReplay(one);
        ASSERT_EQ(bytes.compare(0, before.size(), before), 0);
        EXPECT_EQ(bytes.substr(before.size()), "\x03" + c.stored);
    }
}

TEST(ReplayFileTest, TheSettingsComeOnceBeforeAnythingTheGameRead)
{
    // The current format keeps them in the header, empty for none.
    Replay old = sample();
    old.settings.clear();
    Replay read;
    std::string error;
    ASSERT_TRUE(decodeReplay(encodeReplay(old), read, error)) << error;
    EXPECT_TRUE(read.settings.empty());

    // In format 1 the settings record is the body's first: elsewhere, twice
    // or empty, the file is damaged. A later format holds no such record.
    Replay bare = sample();
    bare.settings.clear();
    const std::string settingsRecord = std::string("\x05\x10", 2) + "effects-volume=1";
    Replay none = bare;
    none.events.clear();
    const std::string late = formatOne(bare) + settingsRecord;
    Replay settingsOnly = sample();
    settingsOnly.events.clear();
    const std::string twice = formatOne(settingsOnly) + settingsRecord;
    const std::string empty = formatOne(none) + std::string("\x05\x00", 2);
    ASSERT_TRUE(decodeReplay(formatOne(none) + settingsRecord, read, error)) << error;
    EXPECT_EQ(read.settings, "effects-volume=1");
    Replay header = sample();
    header.events.clear();
    header.finished = false;
    const std::string inLaterFormat = encodeReplay(header) + settingsRecord;
    for (const std::string& bytes : {late, twice, empty, inLaterFormat}) {
        EXPECT_FALSE(decodeReplay(bytes, read, error));
        EXPECT_NE(error.find("damaged"), std::string::npos) << error;
    }
}

TEST(ReplayFileTest, TheWriterWritesWhatTheEncoderDoes)
{
    const Replay original = sample();
    {
        ReplayWriter writer;
        ASSERT_TRUE(writer.open("run.replay", original)) << writer.error();
        for (const ReplayEvent& event : original.events)
            writer.event(event);
        ASSERT_TRUE(writer.finish(original.finalState, original.finalHash));
    }
    std::ifstream in("run.replay", std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(written, encodeReplay(original));

    // One writer, one recording after another: each is whole on its own.
    {
        ReplayWriter writer;
        for (const char* path : {"first.replay", "second.replay"}) {
            ASSERT_TRUE(writer.open(path, original)) << writer.error();
            for (const ReplayEvent& event : original.events)
                writer.event(event);
            ASSERT_TRUE(writer.finish(original.finalState, original.finalHash));
        }
    }
    for (const char* path : {"first.replay", "second.replay"}) {
        std::ifstream again(path, std::ios::binary);
        EXPECT_EQ(std::string((std::istreambuf_iterator<char>(again)), std::istreambuf_iterator<char>()),
                  encodeReplay(original))
            << path;
    }

    ReplayWriter nowhere;
    EXPECT_FALSE(nowhere.open("no/such/folder/run.replay", original));
    EXPECT_NE(nowhere.error().find("no/such/folder"), std::string::npos);
}

TEST(ReplayFileTest, ForeignAndOtherVersionFilesAreRefusedByName)
{
    Replay read;
    std::string error;
    for (const std::string& bytes : {std::string(), std::string("\x89PNG\r\n\x1a\n", 8), std::string("THRASK")}) {
        EXPECT_FALSE(decodeReplay(bytes, read, error));
        EXPECT_EQ(error, "not a Thrask recording");
    }
    std::string other = encodeReplay(sample());
    other[8] = 9; // the format version's low byte
    EXPECT_FALSE(decodeReplay(other, read, error));
    EXPECT_NE(error.find("version 9"), std::string::npos) << error;
}

TEST(ReplayFileTest, AnyChangedByteOfAFinishedRecordingIsNoticed)
{
    const std::string good = encodeReplay(sample());
    Replay read;
    std::string error;
    for (std::size_t i = 0; i < good.size(); ++i) {
        for (const unsigned char flip : {0x01, 0x80, 0xFF}) {
            std::string bad = good;
            bad[i] = static_cast<char>(bad[i] ^ flip);
            EXPECT_FALSE(decodeReplay(bad, read, error)) << "byte " << i << " flipped by " << int(flip);
            EXPECT_FALSE(error.empty());
        }
    }
}

TEST(ReplayFileTest, ARecordingCutShortKeepsWhatCameBefore)
{
    const Replay original = sample();
    const std::string good = encodeReplay(original);
    for (std::size_t size = 0; size < good.size(); ++size) {
        Replay read;
        std::string error;
        if (!decodeReplay(good.substr(0, size), read, error)) {
            EXPECT_FALSE(error.empty()) << size;
            continue;
        }
        // Readable only as a run that never ended, holding a prefix of the events.
        EXPECT_FALSE(read.finished) << size;
        ASSERT_LE(read.events.size(), original.events.size()) << size;
        for (std::size_t i = 0; i < read.events.size(); ++i)
            EXPECT_TRUE(sameEvent(read.events[i], original.events[i])) << size << " event " << i;
    }
}

TEST(ReplayFileTest, AbsurdCountsAreRefusedWithoutAllocating)
{
    Replay empty;
    std::string header = encodeReplay(empty);
    // The command line's word count is the byte after the hash interval:
    // magic 8, version 2, version string 1, seed 4, interval 2.
    const std::size_t countAt = 8 + 2 + 1 + 4 + 2;
    ASSERT_EQ(header[countAt], 0);
    const std::string huge = "\xff\xff\xff\xff\xff\xff\xff\xff\x7f";
    header.replace(countAt, 1, huge);
    Replay read;
    std::string error;
    EXPECT_FALSE(decodeReplay(header, read, error));
    EXPECT_NE(error.find("damaged"), std::string::npos) << error;

    // Counts within the lists' bounds but beyond what the bytes left could
    // hold: as many data files or saved games as the game would allow, in a
    // file of a few bytes more.
    for (const std::size_t listAt : {countAt + 1, countAt + 2}) {
        std::string many = encodeReplay(empty);
        ASSERT_EQ(many[listAt], 0);
        many.replace(listAt, 1, "\x90\x4e"); // 10000
        EXPECT_FALSE(decodeReplay(many, read, error)) << listAt;
        EXPECT_NE(error.find("cut short"), std::string::npos) << error;
    }
}

// A disk that fills while a game is recorded: the flush at the end of a
// frame fails, and the writer says so instead of finishing a recording whose
// middle is missing. /dev/full accepts the file and refuses every write.
TEST(ReplayFileTest, ADiskThatFillsFailsTheRecordingAndSaysWhy)
{
    const Replay original = sample();
    ReplayWriter writer;
    if (!writer.open("/dev/full", original))
        GTEST_SKIP() << "no /dev/full: " << writer.error();
    for (const ReplayEvent& event : original.events)
        writer.event(event);
    EXPECT_FALSE(writer.ok());
    EXPECT_NE(writer.error().find("could not be written"), std::string::npos) << writer.error();
    EXPECT_FALSE(writer.finish(original.finalState, original.finalHash));
}
