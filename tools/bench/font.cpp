// Font benchmark: how long the HUD's font takes to build its glyphs and their
// rims for a viewport of each height named, on the off-screen context. The
// game builds them again on the first frame after the window's height
// changes, so this is how long a resize to that height holds a frame.
//
//   thrask_font_bench [HEIGHT...]     (480 1080 2160 4320 8192 16384 by default)
#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/headless/HeadlessContext.h"
#include "render/BitmapFont.h"
#include "tools/bench/Stopwatch.h"

int main(int argc, char** argv)
{
    std::vector<int> heights;
    for (int i = 1; i < argc; ++i) {
        const int height = std::atoi(argv[i]);
        if (height <= 0) {
            std::fprintf(stderr, "thrask_font_bench: not a height: %s\n", argv[i]);
            return 2;
        }
        heights.push_back(height);
    }
    if (heights.empty())
        heights = {480, 1080, 2160, 4320, 8192, 16384};

    // The glyphs are sized by the viewport, which may be larger than the
    // buffer drawn into, so a small buffer serves every height.
    HeadlessContext context(64, 48);
    if (!context.valid()) {
        std::fprintf(stderr, "thrask_font_bench: no off-screen OpenGL context\n");
        return 1;
    }
    GLint largest[2] = {0, 0};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, largest);
    std::printf("%8s %8s %12s %12s\n", "height", "glyphs", "build ms", "rebuild ms");
    for (const int height : heights) {
        if (height > largest[1]) {
            std::printf("%8d  larger than the largest viewport (%d)\n", height, largest[1]);
            continue;
        }
        glViewport(0, 0, std::min(height * 4 / 3, static_cast<int>(largest[0])), height);
        // As the HUD's top line: rimmed text. The first font draws the face
        // at the new size; a second one, as after a screen change, finds the
        // size drawn and only compiles its lists.
        double ms[2] = {0.0, 0.0};
        int pixels = 0;
        for (double& time : ms) {
            Stopwatch watch;
            BitmapFont font;
            font.outline = {0, 0, 0, 255};
            font.text = "Score 0";
            font.print(0.0f, 0.0f);
            glFinish();
            time = watch.cpuMs();
            pixels = font.pixelHeight();
        }
        std::printf("%8d %8d %12.1f %12.1f\n", height, pixels, ms[0], ms[1]);
    }
    return 0;
}
