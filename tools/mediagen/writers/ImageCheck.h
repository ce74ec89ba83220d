// Rejects indexed pictures whose stated size does not match their pixels.
#pragma once

#include "MediaImage.h"

#include <stdexcept>
#include <string>

namespace mediagen {

inline void CheckImage(const IndexedImage& image, const char* who)
{
    if (image.width < 0 || image.height < 0 ||
        image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height)) {
        throw std::invalid_argument(std::string(who) + ": image is " + std::to_string(image.width) + "x" +
                                    std::to_string(image.height) + " but has " +
                                    std::to_string(image.pixels.size()) + " pixels");
    }
}

} // namespace mediagen
