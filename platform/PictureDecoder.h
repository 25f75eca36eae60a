#pragma once

// Starts the picture decoder (DevIL) that textures are loaded with. Every
// start-up calls it once, before the first picture is decoded or written: the
// game's after its window exists, the off-screen context's, and the tools'.
// Later calls do nothing, so any number of start-ups in one process is safe.
void initPictureDecoder();
