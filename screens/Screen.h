#pragma once

#include <vector>

#include "platform/Audio.h"

// A state of the game: title menu, in-game menu, saved-game list, story,
// play, ending, or the fade between two of them. Exactly one screen is
// current (currentScreen); the frame loop and the input handlers call its
// operations and nothing else. Every operation does nothing by default
// (keyRepeat passes the key on to keyDown); the two queries (musicCue,
// typing) answer as a menu would.
//
// Input handlers (keyUp, keyDown, mouseDown, mouseUp, and keyRepeat,
// mouseWheel and focusLost) run between frames, never during update or
// render. Each frame the loop calls mouseMove,
// keysHeld, update and render, in that order, reading currentScreen afresh
// before each call.
class Screen {
public:
    // A key was released; key is its virtual-key code (platform/VirtualKeys.h).
    virtual void keyUp(int key) { (void)key; }
    // A key was pressed; its auto-repeat comes here too unless the screen
    // overrides keyRepeat.
    virtual void keyDown(int key) { (void)key; }
    // Advance the screen by one frame of frameStep seconds.
    virtual void update() {}
    // A mouse button went down; exactly one flag is true.
    virtual void mouseDown(bool left, bool right) { (void)left; (void)right; }
    // A mouse button went up; exactly one flag is true.
    virtual void mouseUp(bool left, bool right) { (void)left; (void)right; }
    // Pointer position as fractions of the client area, (0,0) bottom-left, y up.
    virtual void mouseMove(float x, float y) { (void)x; (void)y; }
    // One-time preparation after construction, before the screen is first shown.
    virtual void enter() {}
    // Polling of the held keys: the 256-entry keyState array.
    virtual void keysHeld(const unsigned char* keys) { (void)keys; }
    // Draw the screen.
    virtual void render() {}
    // Preparation that needs a number, called after enter(): the level for the
    // play screen, the mode for the title screen (menuMode in ScreenFlow.h).
    virtual void setup(int n) { (void)n; }
    // The music the screen asks for, once a frame after render; it only
    // reads. By default the menus' loop, which the title and in-game menu,
    // the load list and the story play; play, the ending and the fade say
    // otherwise.
    virtual MusicCue musicCue() const { return {MusicLoop::Menu, 1.0f}; }
    // True while the screen takes letter keys as text (the save prompt), so
    // the keys the game gives a meaning of its own (M for music) are left
    // to it.
    virtual bool typing() const { return false; }
    // True while the screen waits for any key as it is printed (the Options
    // screen choosing a key for an action): no key plays an action then.
    // While typing() alone is true, the keys the player gave Enter and Esc
    // still confirm and cancel where they type nothing.
    virtual bool takesAnyKey() const { return false; }
    // True while what the screen shows changes only with the player's input
    // (a menu at rest): the frame pacer may then start frames less often. It
    // only reads, and nothing the game computes depends on it.
    virtual bool stillPicture() const { return false; }
    virtual ~Screen() = default;

    // Input beside the operations above, also between frames:
    // A key-down of a key that was already held: its auto-repeat, or a
    // second source (a gamepad) pressing it. By default the same as keyDown;
    // a screen that acts once per press overrides it.
    virtual void keyRepeat(int key) { keyDown(key); }
    // The mouse wheel turned this many notches, positive away from the
    // player (up).
    virtual void mouseWheel(int notches) { (void)notches; }
    // The window lost the keyboard focus (the player turned to another
    // window) and the player wants the game to pause then.
    virtual void focusLost() {}
};

// The one screen that receives input, update and render. Written by start-up,
// by a screen that hands over to the next one (fadeTo), and by
// FadeScreen::update.
extern Screen* currentScreen;

// Screens that have been replaced without a fade and are waiting to be freed.
// They cannot be deleted on the spot (the replacement happens inside their own
// render), so the frame loop frees them at the start of the next frame.
extern std::vector<Screen*> retiredScreens;

// Hands a screen that was replaced without a fade to the frame loop, which
// frees it at the start of the next frame. Safe to call from inside the
// screen's own render.
void retireScreen(Screen* screen);

// Frees every retired screen. Called by the frame loop before a frame's
// screen calls and at shut-down, never from inside a screen.
void freeRetiredScreens();
