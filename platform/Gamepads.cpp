#include "platform/Gamepads.h"

#include <SDL.h>

#include <cstdio>

namespace {

KeySources::PadButton padButton(Uint8 button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
        return KeySources::PadButton::A;
    case SDL_CONTROLLER_BUTTON_B:
        return KeySources::PadButton::B;
    case SDL_CONTROLLER_BUTTON_START:
        return KeySources::PadButton::Start;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return KeySources::PadButton::DpadUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return KeySources::PadButton::DpadDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return KeySources::PadButton::DpadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return KeySources::PadButton::DpadRight;
    default:
        return KeySources::PadButton::Other;
    }
}

KeySources::PadAxis padAxis(Uint8 axis)
{
    switch (axis) {
    case SDL_CONTROLLER_AXIS_LEFTX:
        return KeySources::PadAxis::LeftX;
    case SDL_CONTROLLER_AXIS_LEFTY:
        return KeySources::PadAxis::LeftY;
    default:
        return KeySources::PadAxis::Other;
    }
}

} // namespace

Gamepads::~Gamepads()
{
    close();
}

bool Gamepads::open()
{
    if (open_)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "thrask: gamepads cannot be used: %s\n", SDL_GetError());
        return false;
    }
    open_ = true;
    return true;
}

void Gamepads::close()
{
    for (const auto& pad : pads_)
        SDL_GameControllerClose(static_cast<SDL_GameController*>(pad.second));
    pads_.clear();
    if (open_) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
        open_ = false;
    }
}

bool Gamepads::handle(const SDL_Event& event, std::vector<Message>& out)
{
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        plugIn(event.cdevice.which);
        return true;
    case SDL_CONTROLLERDEVICEREMOVED:
        pullOut(event.cdevice.which, out);
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        keys_.padButton(event.cbutton.which, padButton(event.cbutton.button),
                        event.type == SDL_CONTROLLERBUTTONDOWN, out);
        return true;
    case SDL_CONTROLLERAXISMOTION:
        keys_.padAxis(event.caxis.which, padAxis(event.caxis.axis), event.caxis.value, out);
        return true;
    case SDL_JOYDEVICEADDED:
        // Every pad arrives as a joystick first; one with a mapping arrives
        // as a controller too and is opened then.
        if (!SDL_IsGameController(event.jdevice.which)) {
            const char* name = SDL_JoystickNameForIndex(event.jdevice.which);
            std::fprintf(stderr,
                         "thrask: the gamepad \"%s\" has no button mapping SDL knows, so it is ignored "
                         "(SDL_GAMECONTROLLERCONFIG can give one)\n",
                         name != nullptr ? name : "without a name");
        }
        return true;
    case SDL_CONTROLLERDEVICEREMAPPED:
    case SDL_JOYDEVICEREMOVED:
    case SDL_JOYAXISMOTION:
    case SDL_JOYBALLMOTION:
    case SDL_JOYHATMOTION:
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        // The same pads seen as joysticks: their controller events count.
        return true;
    default:
        return false;
    }
}

void Gamepads::plugIn(int deviceIndex)
{
    if (!open_)
        return;
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (controller == nullptr)
        return;
    const int id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    for (const auto& pad : pads_) {
        if (pad.first == id) {
            // Already open (SDL counts every open): keep one.
            SDL_GameControllerClose(controller);
            return;
        }
    }
    pads_.emplace_back(id, controller);
}

void Gamepads::pullOut(int instanceId, std::vector<Message>& out)
{
    keys_.padUnplugged(instanceId, out);
    for (auto it = pads_.begin(); it != pads_.end(); ++it) {
        if (it->first == instanceId) {
            SDL_GameControllerClose(static_cast<SDL_GameController*>(it->second));
            pads_.erase(it);
            break;
        }
    }
}
