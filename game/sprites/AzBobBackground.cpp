// Reading a tiled background description and queueing its tiles.
#include "AzBobBackground.h"

#include "AzDrawBobCommand.h"
#include "AzDrawQueue.h"
#include "AzLoaders.h"
#include "AzTextFiles.h"
#include "VlFile.h"
#include "VlLog.h"

#include <fstream>

AzBobBackground::AzBobBackground(const std::string& descriptionName, const std::string& bitmapFolder)
{
    std::string path;
    if (!az::GetFullPath(Vl::kF_FromMedia, descriptionName, path)) {
        azLog() << "AzBobBackground::GetNew - VlFileCreate failed.  Returning NULL object. " << descriptionName << "\n"
                << std::flush;
        return;
    }

    std::ifstream in(path);
    if (!in) {
        azLog() << "AzBobBackground::AzBobBackground - Configfile in fail state after construction.\n" << std::flush;
        return;
    }
    ReadDescription(in, bitmapFolder);
    azLog() << "AzBobBackground::AzBobBackground - # of tiles: " << mTiles.size() << ".  # of bobs: " << mBobs.size()
            << ".\n" << std::flush;
}

AzBobBackground::~AzBobBackground() = default;

void AzBobBackground::ReadDescription(std::istream& in, const std::string& bitmapFolder)
{
    AzBlitterObject* currentBob = nullptr;
    std::string word;
    // A word that should be a name or a number but is missing or unreadable
    // ends the description there; what was read so far is kept.
    while (in >> word) {
        if (word == "image") {
            std::string imageName;
            if (!(in >> imageName))
                break;
            // Loaded once here, however many tiles use it.
            std::unique_ptr<AzBlitterObject> bob(az::LoadBlitterObject(bitmapFolder + "\\" + imageName));
            if (!bob) {
                azLog() << "AzBobBackground::AzBobBackground - could't load an image.\n" << std::flush;
                currentBob = nullptr;
                continue;
            }
            currentBob = bob.get();
            mBobs.push_back(std::move(bob));
        } else if (word == "pos") {
            Tile tile{0, 0, 0, currentBob};
            if (!(in >> tile.x >> tile.y >> tile.depth))
                break;
            if (!currentBob) {
                azLog() << "AzBobBackground::AzBobBackground - skipped creating tile because current Bob is NULL.\n"
                        << std::flush;
                continue;
            }
            mTiles.push_back(tile);
        }
    }
}

void AzBobBackground::Draw()
{
    for (const Tile& tile : mTiles)
        gDrawQueue.push(new AzDrawBobCommand(static_cast<float>(tile.depth), tile.bob, tile.x, tile.y));
}
