// The window's icon as the window system gets it: the shipped BMP read by
// SDL keeps its transparent corners and its opaque middle.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr int iconSize = 64;

std::uint8_t alphaAt(const SDL_Surface* surface, int x, int y)
{
    const auto* row = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch;
    return row[x * 4 + 3];
}

} // namespace

TEST(WindowIconTest, TheIconReadsWithItsTransparency)
{
    SDL_Surface* file = SDL_LoadBMP(THRASK_DATA_DIR "/Textures/icon.bmp");
    ASSERT_NE(file, nullptr) << SDL_GetError();
    SDL_Surface* icon = SDL_ConvertSurfaceFormat(file, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(file);
    ASSERT_NE(icon, nullptr) << SDL_GetError();
    EXPECT_EQ(icon->w, iconSize);
    EXPECT_EQ(icon->h, iconSize);
    SDL_LockSurface(icon);
    const int last = iconSize - 1;
    for (const auto& corner : {SDL_Point{0, 0}, SDL_Point{last, 0}, SDL_Point{0, last}, SDL_Point{last, last}})
        EXPECT_EQ(alphaAt(icon, corner.x, corner.y), 0) << corner.x << "," << corner.y;
    EXPECT_EQ(alphaAt(icon, iconSize / 2, iconSize / 2), 255);
    EXPECT_EQ(alphaAt(icon, iconSize / 2, 1), 255); // the tile's rim
    SDL_UnlockSurface(icon);
    SDL_FreeSurface(icon);
}
