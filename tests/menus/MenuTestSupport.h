#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <IL/il.h>

#include "TestFiles.h"
#include "app/Globals.h"
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

    // Writes a small white picture file: PNG or BMP through the image
    // library, GIF by hand (the library cannot write GIF). PNG and BMP
    // pictures may have another colour.
    static void writePicture(const std::string& path, Colour colour = Colour{255, 255, 255, 255})
    {
        std::filesystem::path p(path);
        if (p.has_parent_path())
            std::filesystem::create_directories(p.parent_path());
        if (p.extension() == ".gif") {
            // A 4 x 4 white GIF: a two-colour palette and an LZW-coded block of index 0.
            const unsigned char gif[] = {
                0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x04, 0x00, 0x04, 0x00, 0xf0, 0x00,
                0x00, 0xff, 0xff, 0xff, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00,
                0x00, 0x00, 0x00, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x04, 0x00,
                0x00, 0x02, 0x04, 0x84, 0x8f, 0x09, 0x05, 0x00, 0x3b};
            writeFile(path, std::string(reinterpret_cast<const char*>(gif), sizeof gif));
            return;
        }
        const int size = 4;
        std::vector<unsigned char> pixels;
        for (int i = 0; i < size * size; ++i)
            pixels.insert(pixels.end(), {colour.r, colour.g, colour.b, colour.a});
        ILuint image = 0;
        ilGenImages(1, &image);
        ilBindImage(image);
        ilTexImage(size, size, 1, 4, IL_RGBA, IL_UNSIGNED_BYTE, pixels.data());
        ilEnable(IL_FILE_OVERWRITE);
        ilSaveImage(path.c_str());
        ilDeleteImages(1, &image);
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
