#include "menus/OptionsScreen.h"

#include <algorithm>

#include "menus/MenuPlaces.h"
#include "menus/SettingsHost.h"
#include "menus/TitleScreen.h"
#include "platform/Audio.h"
#include "platform/KeyNames.h"
#include "platform/VirtualKeys.h"
#include "play/PlayScreen.h"
#include "render/Lighting.h"
#include "render/Panel.h"
#include "screens/ScreenFlow.h"

namespace {

constexpr float viewSize = menuPlaces::viewSize;
constexpr float backgroundDepth = 10.0f;

// The board the rows are printed on, the bar behind the selected row, and
// the title above the board.
constexpr float boardLeft = -92.0f;
constexpr float boardRight = 92.0f;
constexpr float boardTop = 77.0f;
constexpr float boardBottom = -95.0f;
constexpr float boardDepth = 5.0f;
constexpr Colour boardFill{20, 32, 54, 255};
constexpr Colour boardRim{190, 250, 255, 255};
constexpr float boardRimWidth = 0.8f;
constexpr Colour selectedFill{52, 92, 136, 255};
constexpr float selectedDepth = 4.0f;
constexpr float titleY = 83.0f;
constexpr int titleTextHeight = 28;
constexpr Colour titleColour{255, 236, 120, 255};
constexpr Colour titleRim{28, 20, 36, 255};

// The rows: names from nameX, values from valueX; each row's text sits on
// its baseline, rowStep apart, with a gap before the keys and before Reset.
constexpr float nameX = -84.0f;
constexpr float valueX = 24.0f;
constexpr float firstRowY = 66.0f;
constexpr float rowStep = 9.2f;
constexpr float sectionGap = 4.0f;
// The selected row's bar reaches this far below and above the baseline.
constexpr float barBelow = 3.0f;
constexpr float barAbove = 6.2f;
constexpr Colour nameColour{224, 236, 250, 255};
constexpr Colour valueColour{255, 236, 120, 255};
constexpr Colour selectedColour{255, 255, 255, 255};
// The two lines under the rows: about the key being chosen, and what the
// settings host could not keep.
constexpr float keyLineY = -80.0f;
constexpr float troubleLineY = -89.0f;
constexpr Colour keyLineColour{160, 230, 255, 255};
constexpr Colour troubleColour{255, 140, 120, 255};

const char* const rowNames[OptionsScreen::rowCount] = {
    "Effects volume", "Music volume", "Music", "Display", "Keep the 4:3 picture", "HUD over play",
    "Pause when the window loses focus", "Move up", "Move down", "Move left", "Move right",
    "Enter (choose)", "Esc (back)", "Reset to defaults", "Back",
};

bool keyRow(int row)
{
    return row >= OptionsScreen::KeyUp && row <= OptionsScreen::KeyEscape;
}

Action actionOfRow(int row)
{
    return static_cast<Action>(row - OptionsScreen::KeyUp);
}

std::string onOff(bool on)
{
    return on ? "On" : "Off";
}

std::string yesNo(bool yes)
{
    return yes ? "Yes" : "No";
}

int turned(int volume, int direction)
{
    return std::clamp(volume + direction * OptionsScreen::volumeStep, 0, Settings::fullVolume);
}

} // namespace

OptionsScreen::~OptionsScreen() = default;

const char* OptionsScreen::rowName(int row)
{
    return row >= 0 && row < rowCount ? rowNames[row] : "";
}

float OptionsScreen::rowY(int row)
{
    float y = firstRowY - rowStep * static_cast<float>(row);
    if (row >= KeyUp)
        y -= sectionGap;
    if (row >= Reset)
        y -= sectionGap;
    return y;
}

std::string OptionsScreen::valueText(int row) const
{
    const Settings& settings = settingsHost().settings();
    switch (row) {
    case EffectsVolume:
        return "< " + std::to_string(settings.effectsVolume) + " >";
    case MusicVolume:
        return "< " + std::to_string(settings.musicVolume) + " >";
    case Music:
        return onOff(settings.music);
    case Display:
        return settings.fullScreen ? "Full screen" : "Window";
    case Aspect:
        return yesNo(settings.aspect);
    case Hud:
        return onOff(settings.hud);
    case PauseOnFocusLoss:
        return yesNo(settings.pauseOnFocusLoss);
    default:
        break;
    }
    if (!keyRow(row))
        return {};
    if (waitingForKey && row == selected)
        return "Press a key";
    return keyName(settings.keys.key(actionOfRow(row)));
}

int OptionsScreen::rowAt(float viewX, float viewY)
{
    if (viewX < boardLeft || viewX > boardRight)
        return -1;
    for (int row = 0; row < rowCount; ++row)
        if (viewY >= rowY(row) - barBelow && viewY <= rowY(row) + barAbove)
            return row;
    return -1;
}

void OptionsScreen::enter()
{
    setFullLight();
    camera.viewWidth = viewSize;
    camera.viewHeight = viewSize;
    background.texture.glName = titleTexture.glName;
    background.width = viewSize;
    background.height = viewSize;
    background.depth = backgroundDepth;
    titleFont.fontDescription.height = -titleTextHeight;
}

void OptionsScreen::keysHeld(const unsigned char* keys)
{
    if (keys != nullptr)
        shiftHeld_ = keys[vk::shift] != 0;
}

void OptionsScreen::keyDown(int key)
{
    if (key == vk::shift)
        shiftHeld_ = true;
    if (leaving)
        return;
    if (waitingForKey)
        takeKey(key);
    else
        browseKey(key, false);
}

void OptionsScreen::keyRepeat(int key)
{
    // A held key waited on is already taken; the others move and turn again.
    if (!leaving && !waitingForKey)
        browseKey(key, true);
}

void OptionsScreen::keyUp(int key)
{
    if (key == vk::shift)
        shiftHeld_ = false;
    if (!armedKey_.release(key))
        return;
    if (leaving || waitingForKey)
        return;
    if (key == vk::escape)
        backToMenu();
    else
        choose();
}

void OptionsScreen::browseKey(int key, bool repeat)
{
    switch (key) {
    case vk::down:
        select((selected + 1) % rowCount);
        break;
    case vk::up:
        select((selected + rowCount - 1) % rowCount);
        break;
    case vk::tab:
        select((selected + (shiftHeld_ ? rowCount - 1 : 1)) % rowCount);
        break;
    case vk::left:
    case vk::right:
        // A held key turns a volume on; a switch changes once per press.
        if (!repeat || selected == EffectsVolume || selected == MusicVolume)
            turn(key == vk::left ? -1 : 1);
        break;
    case vk::enter:
    case vk::space:
    case vk::escape:
        if (!repeat)
            armedKey_.arm(key);
        break;
    default:
        break;
    }
}

void OptionsScreen::select(int row)
{
    if (row != selected)
        audio().play(Effect::MenuHover);
    selected = row;
    keyLine.clear();
}

void OptionsScreen::change(const Settings& next)
{
    audio().play(Effect::MenuClick);
    settingsHost().change(next);
}

void OptionsScreen::turn(int direction)
{
    Settings next = settingsHost().settings();
    switch (selected) {
    case EffectsVolume:
        next.effectsVolume = turned(next.effectsVolume, direction);
        break;
    case MusicVolume:
        next.musicVolume = turned(next.musicVolume, direction);
        break;
    case Music:
    case Display:
    case Aspect:
    case Hud:
    case PauseOnFocusLoss:
        choose();
        return;
    default:
        return;
    }
    if (next != settingsHost().settings())
        change(next);
}

void OptionsScreen::choose()
{
    Settings next = settingsHost().settings();
    switch (selected) {
    case Music:
        next.music = !next.music;
        break;
    case Display:
        next.fullScreen = !next.fullScreen;
        break;
    case Aspect:
        next.aspect = !next.aspect;
        break;
    case Hud:
        next.hud = !next.hud;
        break;
    case PauseOnFocusLoss:
        next.pauseOnFocusLoss = !next.pauseOnFocusLoss;
        break;
    case Reset:
        // Everything but the window: the display stays as the player has it.
        next = Settings();
        next.fullScreen = settingsHost().settings().fullScreen;
        break;
    case Back:
        backToMenu();
        return;
    default:
        if (keyRow(selected)) {
            audio().play(Effect::MenuClick);
            waitingForKey = true;
            keyLine = "Press the key for " + std::string(actionName(actionOfRow(selected))) + "; "
                + keyName(next.keys.key(Action::Escape)) + " keeps "
                + keyName(next.keys.key(actionOfRow(selected)));
        }
        return;
    }
    change(next);
}

void OptionsScreen::takeKey(int key)
{
    const Action action = actionOfRow(selected);
    Settings next = settingsHost().settings();
    // The key that plays Esc keeps the key as it was (for Esc's own row, it
    // is its key anyway).
    if (key == next.keys.key(Action::Escape) || key == next.keys.key(action)) {
        waitingForKey = false;
        keyLine.clear();
        return;
    }
    const std::string refusal = keyRefusal(next.keys, action, key);
    if (!refusal.empty()) {
        keyLine = refusal + ": press another key";
        return;
    }
    waitingForKey = false;
    keyLine.clear();
    next.keys.set(action, key);
    change(next);
}

void OptionsScreen::mouseMove(float x, float y)
{
    // Only a pointer that moved picks the row, so a row chosen with the
    // keyboard stays selected while the pointer rests; where the pointer
    // stood when the screen came is only learnt.
    const bool learnt = pointer_.known();
    if (!pointer_.moveTo(x, y) || !learnt)
        return;
    const int row = rowAt(pointer_.x(), pointer_.y());
    if (row >= 0 && !waitingForKey)
        select(row);
}

void OptionsScreen::mouseUp(bool left, bool /*right*/)
{
    if (!left || leaving)
        return;
    if (waitingForKey) {
        waitingForKey = false;
        keyLine.clear();
        return;
    }
    if (!pointer_.known())
        return;
    const int row = rowAt(pointer_.x(), pointer_.y());
    if (row < 0)
        return;
    select(row);
    if (row == EffectsVolume || row == MusicVolume) {
        // "<" turns down, ">" up: the value's left and right halves.
        const float middle = valueX + font.textWidth(valueText(row), viewSize) / 2;
        if (pointer_.x() >= valueX)
            turn(pointer_.x() < middle ? -1 : 1);
        return;
    }
    choose();
}

void OptionsScreen::mouseWheel(int notches)
{
    if (leaving || waitingForKey || !pointer_.known())
        return;
    const int row = rowAt(pointer_.x(), pointer_.y());
    if (row != EffectsVolume && row != MusicVolume)
        return;
    select(row);
    turn(notches > 0 ? 1 : -1);
}

void OptionsScreen::backToMenu()
{
    if (leaving)
        return;
    leaving = true;
    audio().play(Effect::MenuClick);
    fadeTo(this, inGame ? makeInGameMenu(std::move(suspended)) : makeMainMenu(), fadeDuration::menu);
}

void OptionsScreen::render()
{
    beginLitDrawing();
    camera.apply();
    background.draw();

    // The board, its text and the lines under it keep full brightness, as
    // the menus' text does: drawn with lighting off.
    const UnlitDrawing unlit;
    Panel board;
    board.left = boardLeft;
    board.right = boardRight;
    board.top = boardTop;
    board.bottom = boardBottom;
    board.depth = boardDepth;
    board.fill = boardFill;
    board.rimColour = boardRim;
    board.rimWidth = boardRimWidth;
    board.draw();

    Panel bar;
    bar.left = boardLeft + 2 * boardRimWidth;
    bar.right = boardRight - 2 * boardRimWidth;
    bar.top = rowY(selected) + barAbove;
    bar.bottom = rowY(selected) - barBelow;
    bar.depth = selectedDepth;
    bar.fill = selectedFill;
    bar.draw();

    titleFont.colour = titleColour;
    titleFont.outline = titleRim;
    titleFont.text = "Options";
    titleFont.print(-titleFont.textWidth(titleFont.text, viewSize) / 2, titleY);

    for (int row = 0; row < rowCount; ++row) {
        font.colour = row == selected ? selectedColour : nameColour;
        font.text = rowNames[row];
        font.print(nameX, rowY(row));
        font.colour = row == selected ? selectedColour : valueColour;
        font.text = valueText(row);
        font.print(valueX, rowY(row));
    }
    font.colour = keyLineColour;
    font.text = keyLine;
    font.print(nameX, keyLineY);
    font.colour = troubleColour;
    font.text = settingsHost().trouble();
    font.print(nameX, troubleLineY);
}
