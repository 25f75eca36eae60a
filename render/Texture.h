#pragma once

#include <cstdint>
#include <string>

class PreparedPicture;

// Colour keys: a 32-bit value whose bytes, from the least significant, are the
// red, green, blue and alpha of the pixel made fully transparent on load.
constexpr std::uint32_t noColourKey = 0x00000000u;      // matches only (0,0,0,0): changes nothing
constexpr std::uint32_t blackColourKey = 0xFF000000u;   // opaque black
constexpr std::uint32_t magentaColourKey = 0xFFFF00FFu; // opaque magenta (zombies, ninjas)

// A picture file decoded and uploaded as a texture of the renderer
// (render/Renderer.h), with the texture coordinates a Sprite maps it with
// (u1 = -1 mirrors it). The renderer samples it with the game's sampling
// state: alpha test (alpha > 0.0001 passes), clamp in t, repeat in s, linear
// filtering, modulate.
//
// Copying a Texture copies glName, so both copies name the same texture.
// Destroying a Texture does nothing to the renderer: the owner gives the
// picture back with release(), exactly once for each successful load.
//
// Loads of the same picture share one texture (render/PictureCache.h):
// a load counts one more holder, a release one less, and the name is deleted
// when its last holder has released it (or, for a picture the running game
// keeps, at shut-down).
class Texture {
public:
    Texture() = default;
    virtual ~Texture() = default;

    // Decodes the file at path ("Textures\x.png" and "Textures/x.png" alike),
    // turns pixels equal to colourKey fully transparent, and creates a new
    // texture name with the full mipmap chain (render/PictureLevels.h); a
    // picture already loaded
    // with that key is shared instead (the file is not read again). Returns
    // false and leaves the texture untouched when the file is missing or
    // cannot be decoded, and, before decoding anything, when its header shows
    // it is not a PNG, GIF or BMP picture or is larger than the bound of
    // render/PictureBound.h (one line on standard error says so), and while
    // the game is ending (platform/LoadInterruption.h). A name already held is
    // not given back: release before reloading. A picture the preloader's
    // worker has been asked for (render/PictureWorker.h) is taken from it,
    // decoded already or waited for while it is in hand, rather than read
    // again.
    virtual bool load(const std::string& path, std::uint32_t colourKey);

    // load() of a picture already prepared from path with colourKey (by the
    // picture worker, render/PictureWorker.h): only its upload is left, or
    // nothing when the picture is loaded already. A picture prepared for
    // another renderer's figures is read again; one that could not be read
    // is not loaded (false).
    bool loadPrepared(const std::string& path, std::uint32_t colourKey, const PreparedPicture& picture);

    // load() with opaque black as the colour key.
    bool loadKeyed(const std::string& path);

    // Gives the picture back if there is one: its name is deleted when no
    // other holder is left. glName keeps its value.
    void release();

    float u0 = 0.0f;
    float v0 = 0.0f;
    float u1 = 1.0f;
    float v1 = 1.0f;
    unsigned int glName = 0;

private:
    // Uploads the prepared picture and records it in the cache.
    bool upload(const std::string& path, std::uint32_t colourKey, const PreparedPicture& picture);
};
