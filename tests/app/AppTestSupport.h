#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/Globals.h"
#include "menus/SettingsHost.h"
#include "render/offscreen/OffscreenRenderer.h"
#include "screens/Screen.h"

// A screen that writes every call it receives into a shared log, with what
// keyState said about the key at that moment.
struct LoggingScreen : Screen {
    LoggingScreen(std::vector<std::string>* log, std::string name) : log(log), name(std::move(name)) {}
    ~LoggingScreen() override { note("destroyed"); }
    void note(const std::string& what) const { log->push_back(name + "." + what); }
    void keyUp(int key) override { note("keyUp " + std::to_string(key) + " held=" + std::to_string(keyState[key])); }
    void keyDown(int key) override { note("keyDown " + std::to_string(key) + " held=" + std::to_string(keyState[key])); }
    void update() override { note("update"); }
    void mouseDown(bool left, bool right) override { note(std::string("mouseDown ") + (left ? "L" : "") + (right ? "R" : "")); }
    void mouseUp(bool left, bool right) override { note(std::string("mouseUp ") + (left ? "L" : "") + (right ? "R" : "")); }
    void mouseMove(float x, float y) override
    {
        lastX = x;
        lastY = y;
        note("mouseMove");
    }
    void keysHeld(const unsigned char* keys) override { note(std::string("keysHeld") + (keys == keyState ? "" : " elsewhere")); }
    void render() override { note("render"); }
    std::vector<std::string>* log;
    std::string name;
    float lastX = -1.0f;
    float lastY = -1.0f;
};

// Puts the shared state back as the program starts with it.
class FreshGlobals : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    void TearDown() override
    {
        freeRetiredScreens();
        reset();
    }
    static void reset()
    {
        windowWidth = 640;
        windowHeight = 480;
        currentScreen = nullptr;
        std::memset(keyState, 0, sizeof keyState);
        keyLatch.reset();
        mouseX = mouseY = 0;
        pointerX = pointerY = 0.0f;
        frameStep = 0.0f;
        lastTick = 0;
        frameDurations.clear();
        running = true;
        keepAspect = false;
        useSettingsHost(nullptr);
    }
    std::vector<std::string> log;
};

// FreshGlobals with an off-screen OpenGL context (the gl1 renderer on a
// 64 x 64 picture) that the frame loop draws into; the screens a case
// leaves retired are freed while the context still stands.
class HeadlessGlobals : public FreshGlobals {
protected:
    void SetUp() override
    {
        FreshGlobals::SetUp();
        context = std::make_unique<OffscreenRenderer>(RendererKind::gl1, 64, 64);
        ASSERT_TRUE(context->valid());
    }
    void TearDown() override
    {
        FreshGlobals::TearDown();
        context.reset();
    }
    std::unique_ptr<OffscreenRenderer> context;
};
