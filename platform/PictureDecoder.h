#pragma once

#include <string>
#include <vector>

// Starts the picture decoder (DevIL) that textures are loaded with. Every
// start-up calls it once, before the first picture is decoded or written: the
// game's after its window exists, the off-screen context's, and the tools'.
// Later calls do nothing, so any number of start-ups in one process is safe.
void initPictureDecoder();

// A decoded picture: width x height pixels of red, green, blue and alpha
// bytes, the top row first.
struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
};

// Decodes the PNG, GIF or BMP picture in the file at path (a path that opens
// as it is) into picture. False, with picture left empty, when the file is
// missing or cannot be decoded. Starts the decoder when no start-up has.
bool decodePicture(const std::string& path, DecodedPicture& picture);
