// Picture-load benchmark: how long Texture::load takes for each picture file
// named, on the off-screen context, from the header check to the uploaded
// mipmaps. The worst picture the game accepts (4096 x 4096 of noise, which
// compresses worst) tells how long one picture can hold a frame.
//
//   thrask_picture_bench FILE...
#include <chrono>
#include <cstdio>

#include "render/offscreen/OffscreenRenderer.h"
#include "render/Texture.h"

int main(int argc, char** argv)
{
    OffscreenRenderer context(RendererKind::gl1, 64, 64);
    if (!context.valid()) {
        std::fprintf(stderr, "thrask_picture_bench: no off-screen OpenGL context\n");
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        Texture texture;
        const auto start = std::chrono::steady_clock::now();
        const bool loaded = texture.load(argv[i], noColourKey);
        context.renderer().finish();
        const auto end = std::chrono::steady_clock::now();
        std::printf("%-40s %9.1f ms  %s\n", argv[i],
                    std::chrono::duration<double, std::milli>(end - start).count(),
                    loaded ? "loaded" : "refused or unreadable");
        texture.release();
    }
    return 0;
}
