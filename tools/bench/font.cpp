// Font benchmark: how long the HUD's font takes to build its glyphs and their
// rims for a viewport of each height named, on the off-screen context. The
// game builds them again on the first frame after the window's height
// changes, so this is how long a resize to that height holds a frame.
//
//   thrask_font_bench [--renderer gl1|gles2|null] [HEIGHT...]
//       (480 1080 2160 4320 8192 16384 by default; gl1 unless told)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "render/offscreen/OffscreenRenderer.h"
#include "render/BitmapFont.h"
#include "tools/bench/Stopwatch.h"

int main(int argc, char** argv)
{
    std::vector<int> heights;
    RendererKind kind = RendererKind::gl1;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--renderer") {
            if (i + 1 >= argc || !parseRendererKind(argv[i + 1], kind)) {
                std::fprintf(stderr, "thrask_font_bench: --renderer needs gl1, gles2 or null\n");
                return 2;
            }
            ++i;
            continue;
        }
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
    OffscreenRenderer context(kind, 64, 48);
    if (!context.valid()) {
        std::fprintf(stderr, "thrask_font_bench: no off-screen OpenGL context\n");
        return 1;
    }
    const int largest = context.renderer().maxViewportSide() > 0 ? context.renderer().maxViewportSide() : 1 << 30;
    std::printf("%8s %8s %12s %12s\n", "height", "glyphs", "build ms", "rebuild ms");
    for (const int height : heights) {
        if (height > largest) {
            std::printf("%8d  larger than the largest viewport (%d)\n", height, largest);
            continue;
        }
        context.renderer().setViewport(0, 0, std::min(height * 4 / 3, largest), height);
        // As the HUD's top line: rimmed text. The first font draws the face
        // at the new size; a second one, as after a screen change, finds the
        // size drawn by FreeType and only builds what the renderer draws
        // glyphs with.
        double ms[2] = {0.0, 0.0};
        int pixels = 0;
        for (double& time : ms) {
            Stopwatch watch;
            BitmapFont font;
            font.outline = {0, 0, 0, 255};
            font.text = "Score 0";
            font.print(0.0f, 0.0f);
            context.renderer().finish();
            time = watch.cpuMs();
            pixels = font.pixelHeight();
        }
        std::printf("%8d %8d %12.1f %12.1f\n", height, pixels, ms[0], ms[1]);
    }
    return 0;
}
