// The clip-art catalogue: resource number, item number, caption, file format and drawing of each item.
#pragma once

#include <cairo.h>

#include <vector>

namespace mediagen {

enum class ClipFormat { Emf, Wmf, Dib };

struct ClipArtItem {
    int resource;         // thumbnail bitmap and item-number string; caption at resource + 10000
    const char* number;   // the picture's file name under images/
    const char* caption;
    ClipFormat format;
    int width;            // natural size in pixels at 96 dpi
    int height;
    void (*draw)(cairo_t* cr, double width, double height);
};

// All 51 items, in resource order.
const std::vector<ClipArtItem>& ClipArtCatalogue();

} // namespace mediagen
