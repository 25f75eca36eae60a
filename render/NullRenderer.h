#pragma once

#include <set>

#include "render/Renderer.h"

// The renderer without any context: it draws nothing and reads back
// nothing but zeros, hands out texture names of its own and keeps them
// balanced (every name made is deleted once), and counts what it was asked
// to draw. The rules' tests, the replay tool, the soak and the fuzz targets
// run the whole game on it without OpenGL.
class NullRenderer : public Renderer {
public:
    NullRenderer(int surfaceWidth, int surfaceHeight);

    const char* name() const override { return "null"; }
    bool drawsPixels() const override { return false; }
    int maxTextureSide() const override { return 0; }
    Resources resources() override;

protected:
    void play(const FrameRecord& record, std::size_t first, std::size_t last) override;
    unsigned int createTexture(const std::vector<PictureLevel>& levels) override;
    void deleteTexture(unsigned int name) override;
    bool textureExists(unsigned int name) override;
    void readBack(int x, int y, int width, int height, unsigned char* rgba) override;

private:
    std::set<unsigned int> textures_;
    unsigned int nextTexture_ = 1;
};
