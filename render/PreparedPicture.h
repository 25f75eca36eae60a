#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/PictureDecoder.h"
#include "render/PictureLevels.h"

// A picture file read, keyed and made into the levels a renderer uploads,
// without touching the renderer: everything a load does before its upload.
// It reads only the file and the two figures it is made for, so any thread
// may prepare one (the picture worker's, render/PictureWorker.h); only the
// upload happens on the thread that draws.
class PreparedPicture {
public:
    // Reads the picture at path ("Textures\x.png" and "Textures/x.png"
    // alike, as Texture::load takes it) and keeps its pixels with those
    // equal to colourKey made fully transparent. False, keeping nothing, when
    // the file is missing or cannot be decoded, or, before decoding, when
    // its header shows it is not a PNG, GIF or BMP picture or has a side
    // longer than largestSide (one line on standard error says which).
    bool read(const std::string& path, std::uint32_t colourKey, int largestSide);

    // Turns the pixels read into the levels to upload: the full chain of
    // render/PictureLevels.h, level 0 bounded by largestSide, for a renderer
    // that draws pixels; only the picture's size for one that does not.
    void buildLevels(bool drawsPixels);

    // read() and, when it succeeded, buildLevels().
    bool prepare(const std::string& path, std::uint32_t colourKey, int largestSide, bool drawsPixels);

    // Whether the levels are ready to upload: read and built.
    bool ready() const { return !levels_.empty(); }

    // Whether the levels are those a renderer with these figures would
    // upload (a picture prepared ahead for another renderer is not).
    bool madeFor(int largestSide, bool drawsPixels) const
    {
        return largestSide_ == largestSide && drawsPixels_ == drawsPixels;
    }

    const std::vector<PictureLevel>& levels() const { return levels_; }

private:
    DecodedPicture decoded_;
    std::vector<PictureLevel> levels_;
    int largestSide_ = 0;
    bool drawsPixels_ = true;
};
