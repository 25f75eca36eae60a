#include "tools/replay/Director.h"

#include <cmath>
#include <filesystem>
#include <system_error>

#include "app/FrameLoop.h"
#include "app/GameOptions.h"
#include "app/GameRun.h"
#include "app/GameSettings.h"
#include "app/Globals.h"
#include "app/PictureArea.h"
#include "app/Recorder.h"
#include "app/ReplayData.h"
#include "app/SettingsFile.h"
#include "play/ScoreBook.h"

namespace {

constexpr float viewSize = 200.0f;

Message keyMessage(Message::Kind kind, int key)
{
    Message message;
    message.kind = kind;
    message.a = key;
    return message;
}

enum class Attempt { Succeeded, ScriptFailed, Broken };

Attempt attempt(const Scenario& scenario, std::uint32_t startTick, const std::string& path,
                std::string& error)
{
    resetGameGlobals(scenario.windowWidth, scenario.windowHeight);
    std::vector<std::string> words{"-win", "-w", std::to_string(scenario.windowWidth), "-h",
                                   std::to_string(scenario.windowHeight)};
    words.insert(words.end(), scenario.options.begin(), scenario.options.end());
    // The recorded options act as the game's command line would make them.
    std::vector<const char*> argv{"thrask"};
    for (const std::string& word : words)
        argv.push_back(word.c_str());
    std::vector<std::string> display;
    const GameOptions options = readGameOptions(static_cast<int>(argv.size()), argv.data(), display);
    GameSettings settings(withCommandLine(scenario.settings, options, true));
    useSettingsHost(&settings);

    // The run's best scores, in memory: a golden replay never touches a file of them.
    ScoreBook book(scenario.bestScores);
    useScoreBook(scenario.keepsScores ? &book : nullptr);
    std::uint32_t now = startTick;
    Recorder recorder;
    if (!recorder.start(path, words, ".", saveFolder, settingsText(settings.settings()), scenario.hashEvery,
                        [&now] { return now; }, error)) {
        useScoreBook(nullptr);
        useSettingsHost(nullptr);
        return Attempt::Broken;
    }

    const auto send = [&recorder](const Message& message) {
        recorder.input(message);
        dispatchMessage(message);
    };
    Message size;
    size.kind = Message::Size;
    size.a = scenario.windowWidth;
    size.b = scenario.windowHeight;
    send(size);
    startTitleScreen();
    lastTick = recorder.readTick();

    std::vector<Step> steps = scenario.script();
    std::size_t step = 0;
    Script script(scenario.windowWidth, scenario.windowHeight);
    Attempt result = Attempt::ScriptFailed;
    for (int frame = 0; frame < scenario.maxFrames; ++frame) {
        if (!running) {
            // The game has ended: the script got through only if its last
            // step asked for exactly that.
            if (step + 1 == steps.size() && steps[step](script) == StepResult::Done)
                result = Attempt::Succeeded;
            break;
        }
        now += scenario.frameSteps[static_cast<std::size_t>(frame) % scenario.frameSteps.size()];
        runFrame([&recorder] { return recorder.frameTick(); }, nullptr);
        const StepResult outcome = steps[step](script);
        ++script.stepFrame;
        for (const Message& message : script.takeMessages())
            send(message);
        recorder.endFrame();
        if (outcome == StepResult::Failed)
            break;
        if (outcome == StepResult::Done) {
            script.stepFrame = 0;
            if (++step == steps.size()) {
                result = Attempt::Succeeded;
                break;
            }
        }
    }
    if (result == Attempt::ScriptFailed)
        error = "step " + std::to_string(step + 1) + " of " + std::to_string(steps.size())
            + " did not get through";
    if (!recorder.finish(error))
        result = Attempt::Broken;
    shutDownScreens();
    useScoreBook(nullptr);
    useSettingsHost(nullptr);
    keepAspect = false;
    return result;
}

} // namespace

Script::Script(int windowWidth, int windowHeight) : windowWidth_(windowWidth), windowHeight_(windowHeight) {}

void Script::move(float viewX, float viewY)
{
    // The picture's shape as the game has it now: the Options screen may
    // have changed it.
    const PictureArea area = pictureArea(windowWidth_, windowHeight_, keepAspect);
    const int barAbove = windowHeight_ - area.y - area.height;
    Message message;
    message.kind = Message::MouseMove;
    message.a = area.x + static_cast<int>(std::lround((viewX + viewSize / 2) / viewSize * area.width));
    message.b = barAbove + static_cast<int>(std::lround((viewSize / 2 - viewY) / viewSize * area.height));
    queued_.push_back(message);
}

void Script::keyDown(int key)
{
    held_[key & 0xFF] = true;
    queued_.push_back(keyMessage(Message::KeyDown, key));
}

void Script::keyUp(int key)
{
    held_[key & 0xFF] = false;
    queued_.push_back(keyMessage(Message::KeyUp, key));
}

void Script::buttonDown()
{
    Message message;
    message.kind = Message::ButtonDown;
    message.left = true;
    queued_.push_back(message);
}

void Script::buttonUp()
{
    Message message;
    message.kind = Message::ButtonUp;
    message.left = true;
    queued_.push_back(message);
}

void Script::wheel(int notches)
{
    Message message;
    message.kind = Message::Wheel;
    message.a = notches;
    queued_.push_back(message);
}

void Script::loseFocus()
{
    Message message;
    message.kind = Message::FocusLost;
    queued_.push_back(message);
}

void Script::releaseKeys()
{
    for (int key = 0; key < 256; ++key)
        if (held_[key])
            keyUp(key);
}

std::vector<Message> Script::takeMessages()
{
    std::vector<Message> messages;
    messages.swap(queued_);
    return messages;
}

bool recordScenario(const Scenario& scenario, const std::string& dataDir, const std::string& path,
                    std::string& error)
{
    namespace fs = std::filesystem;
    std::error_code code;
    const fs::path home = fs::current_path(code);
    const fs::path target = fs::absolute(path, code);
    std::string reasons;
    const std::string playersSaves = saveFolder;
    for (const std::uint32_t startTick : scenario.startTicks) {
        ReplayFolder folder;
        if (!folder.create(scenario.saves, error))
            return false;
        fs::current_path(dataDir, code);
        saveFolder = folder.path();
        std::string why;
        const Attempt result = attempt(scenario, startTick, target.string(), why);
        saveFolder = playersSaves;
        fs::current_path(home, code);
        if (result == Attempt::Succeeded)
            return true;
        if (result == Attempt::Broken) {
            error = why;
            return false;
        }
        reasons = "start tick " + std::to_string(startTick) + ": " + why;
    }
    fs::remove(target, code);
    error = "no start tick got the script through (last: " + reasons + ")";
    return false;
}
