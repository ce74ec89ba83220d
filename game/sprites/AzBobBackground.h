// A backdrop assembled from a few bitmaps placed at fixed positions and depths,
// described by a text file of "image NAME" and "pos X Y DEPTH" words.
#pragma once

#include "AzBlitterObject.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class AzBobBackground {
public:
    // Reads the description from the media directory and each bitmap from
    // bitmapFolder + "\" + its name. Failures are logged and leave fewer tiles.
    AzBobBackground(const std::string& descriptionName, const std::string& bitmapFolder);
    AzBobBackground(const AzBobBackground&) = delete;
    AzBobBackground& operator=(const AzBobBackground&) = delete;
    ~AzBobBackground();

    // Queues one whole-bob draw command per tile, in file order.
    void Draw();

    size_t GetTileCount() const { return mTiles.size(); }
    size_t GetBobCount() const { return mBobs.size(); }

private:
    struct Tile {
        int32_t x;
        int32_t y;
        int32_t depth;
        AzBlitterObject* bob; // owned by mBobs
    };

    void ReadDescription(std::istream& in, const std::string& bitmapFolder);

    std::vector<std::unique_ptr<AzBlitterObject>> mBobs;
    std::vector<Tile> mTiles;
};
