#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "TestPicture.h"
#include "app/Globals.h"
#include "menus/MenuPlaces.h"
#include "menus/TitleScreen.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "play/PlayScreen.h"
#include "render/Texture.h"
#include "screens/FadeScreen.h"
#include "screens/Screen.h"

// A headless OpenGL context and a clean screen flow: no current screen, the
// loop running, no title picture loaded. Whatever screen a test leaves
// current is destroyed afterwards, after any fade has run to its end.
class CleanScreenFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        context_ = std::make_unique<OffscreenRenderer>();
        ASSERT_TRUE(context_->valid());
        currentScreen = nullptr;
        running = true;
        frameStep = 0.0f;
    }

    void TearDown() override
    {
        finishFade();
        delete currentScreen;
        currentScreen = nullptr;
        freeRetiredScreens();
        titleTexture.release();
        titleTexture = Texture();
        running = true;
        context_.reset();
    }

    // Drives the current fade with the frame loop's calls until it has
    // installed its new screen; returns that screen. Play screens are not
    // drawn: their own rules (tested with the play screen) are not wanted here.
    static Screen* finishFade()
    {
        for (int frame = 0; frame < 1000; ++frame) {
            auto* fade = dynamic_cast<FadeScreen*>(currentScreen);
            if (fade == nullptr)
                break;
            frameStep = 0.05f;
            Screen* shown = fade->progress < 0.0f ? fade->oldScreen : fade->newScreen;
            if (dynamic_cast<PlayScreen*>(shown) == nullptr)
                fade->render();
            fade->update();
        }
        frameStep = 0.0f;
        return currentScreen;
    }

    // Pointer fractions of a point in a 200 x 200 view, as the frame loop
    // delivers them.
    static float fraction(float view) { return (view + 100.0f) / 200.0f; }

    // A menu built as its creators build it, made the current screen.
    static TitleScreen* makeMenu(int mode, PlayScreen* suspended = nullptr)
    {
        auto* menu = new TitleScreen;
        menu->enter();
        menu->setup(mode);
        menu->suspended.reset(suspended);
        currentScreen = menu;
        return menu;
    }

    // Moves the pointer to a point of the 200 x 200 view and releases the
    // left button there.
    static void clickAt(Screen* screen, float viewX, float viewY)
    {
        screen->mouseMove(fraction(viewX), fraction(viewY));
        screen->mouseUp(true, false);
    }
    static void clickAt(Screen* screen, menuPlaces::Point at) { clickAt(screen, at.x, at.y); }

    // Writes a small white picture file (PNG, BMP or GIF by the path's
    // ending); PNG and BMP pictures may have another colour.
    static void writePicture(const std::string& path, Colour colour = Colour{255, 255, 255, 255})
    {
        ASSERT_TRUE(testpicture::writePlainPicture(path, colour)) << path;
    }

    std::unique_ptr<OffscreenRenderer> context_;
};

// A play screen that counts its destruction, to follow a suspended game.
class TrackedPlay : public PlayScreen {
public:
    explicit TrackedPlay(int* destroyed) : destroyed_(destroyed) {}
    ~TrackedPlay() override { ++*destroyed_; }

private:
    int* destroyed_;
};
