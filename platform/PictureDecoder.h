#pragma once

#include <string>
#include <vector>

// A decoded picture: width x height pixels of four bytes each (red, green,
// blue, alpha), row after row in the order the file stores them: top row
// first for PNG and GIF, and for BMP as the file lays them out (bottom row
// first for the usual bottom-up BMP). Textures upload the rows as they come.
struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba; // width x height x 4 bytes
};

// Starts the picture decoder that textures are loaded with. Every start-up
// calls it once, before the first picture is decoded or written: the game's
// after its window exists, the off-screen context's, and the tools'. Later
// calls do nothing, so any number of start-ups in one process is safe.
void initPictureDecoder();

// Decodes the PNG, GIF or BMP picture at path (a path that opens as it is:
// resolve game paths first) with the platform's decoder: DevIL on the
// desktop, stb_image in the browser, which give the same rows for the same
// file. A paletted or grey picture comes out as RGBA; a picture without
// alpha is opaque. Returns false, leaving picture empty, when the file is
// missing or cannot be decoded.
bool decodePicture(const std::string& path, DecodedPicture& picture);

// The two decoders behind decodePicture, each usable on the desktop (the
// tests compare them file by file).
bool decodePictureWithDevil(const std::string& path, DecodedPicture& picture);
bool decodePictureWithStb(const std::string& path, DecodedPicture& picture);
