#pragma once

#include <string>
#include <vector>

#include "render/RendererChoice.h"

// Renders recordings with two backends and compares their pictures pixel by
// pixel: each recording is played twice at once, in this process with the
// first backend and in a child process with the second, both on off-screen
// surfaces of width x height filled by the picture (as the game's window
// shows a replay, whatever size it was recorded at), and every `every`-th
// frame's pixels (the first frame included) are compared.
struct ParityOptions {
    RendererKind first = RendererKind::gl1;
    RendererKind second = RendererKind::gles2;
    int every = 1;
    int width = 640;
    int height = 480;
    std::string dataDir = ".";
};

struct ParityResult {
    long long frames = 0;        // frames compared
    long long pixels = 0;        // pixels compared
    long long differing = 0;     // pixels with a channel differing by more than the bound
    int maxDifference = 0;       // the largest difference of a channel anywhere
    std::vector<std::string> errors; // recordings that could not be compared, and why

    // Within the bound: at most one pixel in a thousand differs by more
    // than 2/255, and every recording was compared.
    bool withinBound() const;
    // The closing line: "renderer parity: F frames, P pixels differ by more
    // than 2/255, max channel difference D".
    std::string line() const;
};

// The largest channel difference that counts as the same colour.
constexpr int parityChannelBound = 2;

// Compares the recordings' frames. Prints a line per recording on standard
// output as it goes.
ParityResult compareRenderers(const std::vector<std::string>& files, const ParityOptions& options);

// Adds the pixels of two pictures of the same size (RGBA bytes) to result:
// the red, green and blue of each pixel, alpha left out.
void comparePictures(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b, ParityResult& result);
