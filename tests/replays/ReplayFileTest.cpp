#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "app/ReplayFile.h"

namespace {

Message message(Message::Kind kind, int a = 0, int b = 0, bool left = false, bool right = false)
{
    Message m;
    m.kind = kind;
    m.a = a;
    m.b = b;
    m.left = left;
    m.right = right;
    return m;
}

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
    // A recording made before the game kept settings holds none.
    Replay old = sample();
    old.settings.clear();
    Replay read;
    std::string error;
    ASSERT_TRUE(decodeReplay(encodeReplay(old), read, error)) << error;
    EXPECT_TRUE(read.settings.empty());

    // The settings record is the body's first: elsewhere, twice or empty,
    // the file is damaged.
    Replay header = sample();
    header.events.clear();
    header.finished = false;
    Replay bare = header;
    bare.settings.clear();
    const std::string settingsRecord = encodeReplay(header).substr(encodeReplay(bare).size());
    ASSERT_EQ(settingsRecord[0], '\x05');
    Replay oneEvent = bare;
    oneEvent.events = {input(message(Message::KeyDown, 0x26))};
    const std::string late = encodeReplay(oneEvent) + settingsRecord;
    const std::string twice = encodeReplay(header) + settingsRecord;
    const std::string empty = encodeReplay(bare) + std::string("\x05\x00", 2);
    for (const std::string& bytes : {late, twice, empty}) {
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
}
