// Encodes frames and their path points as an SPX sprite file, run-length coded row by row.
#pragma once

#include "MediaImage.h"

#include <cstdint>
#include <vector>

namespace mediagen {

struct SpxFrame {
    IndexedImage image;
    int pathX = 0; // where the game places this frame
    int pathY = 0;
};

struct SpxOptions {
    // Without path points the file still carries an empty "PTHI" chunk at 48, so that
    // the "SPR " chunk is found by readers that start their search after that header.
    bool writePath = true;
};

// Header "MQ2 " / "SPRX" version 2 / frame count at 32, "PTHI" at 48, then "SPR ":
// a bitmap file header, per frame a 40-byte info header (image size = encoded bytes),
// the 1024-byte colour table after the first header only, and the frame's packets.
// Throws std::invalid_argument when a frame's size and pixel count disagree.
std::vector<uint8_t> EncodeSpx(const std::vector<SpxFrame>& frames, const SpxOptions& options = {});

// One frame's pixels as the packets the game decodes: control 0..127 repeats the next
// byte control+1 times, -1..-128 copies the next -control bytes. Rows never share a packet.
std::vector<uint8_t> EncodeSpxPixels(const IndexedImage& image);

} // namespace mediagen
