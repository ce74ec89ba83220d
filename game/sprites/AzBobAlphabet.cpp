// Bitmap alphabets from a sprite and its description line, or from numbered bitmaps.
#include "AzBobAlphabet.h"

#include "AzImageLoader.h"
#include "AzLoaders.h"
#include "AzMemoryImage.h"
#include "AzMemorySprite.h"
#include "AzSpriteLoader.h"
#include "AzTextFiles.h"
#include "VlFile.h"
#include "VlLog.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>

namespace {

// Codes are looked up as unsigned bytes, so letters above 127 work too
// instead of indexing before the tables.
int CodeOf(char character)
{
    return static_cast<unsigned char>(character);
}

std::string UpperCased(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); });
    return text;
}

std::unique_ptr<AzBlitterObject> MakeBob(const AzMemoryImage& image)
{
    auto bob = std::make_unique<AzBlitterObject>(image.GetWidth(), image.GetHeight(), 0);
    bob->LoadFromMemory(image.GetPixels());
    return bob;
}

} // namespace

AzBobAlphabet::AzBobAlphabet(const std::string& name, const std::string& secondName)
{
    if (UpperCased(name).find(".SPX") != std::string::npos)
        LoadFromSprite(name, secondName);
    else
        LoadFromBitmaps(name, secondName);
}

AzBobAlphabet::~AzBobAlphabet() = default;

void AzBobAlphabet::LoadFromSprite(const std::string& spriteName, const std::string& descriptionName)
{
    mAdvances.fill(0);
    std::unique_ptr<AzMemorySprite> sprite(AzSpriteLoader::GetNew(spriteName));

    std::string path;
    if (!az::GetFullPath(Vl::kF_FromMedia, descriptionName, path)) {
        azLog() << "AzBobAlphabet::AzBobAlphabet - VlFileCreate failed.  Returning NULL object. " << descriptionName
                << "\n" << std::flush;
        return;
    }

    // Only the first line counts. A description saved with CR LF line ends
    // must not gain a glyph for the CR.
    std::ifstream in(path, std::ios::in | std::ios::binary);
    std::string line;
    az::ReadTextLine(in, kMaxDescriptionCharacters, line);

    for (auto& glyph : mGlyphs)
        glyph.reset();
    // A description that lists more characters than the sprite has frames
    // (or a sprite that did not load) leaves the surplus characters without glyphs.
    const int32_t frames = sprite ? sprite->GetFrameCount() : 0;
    const int32_t usable = std::min<int32_t>(static_cast<int32_t>(line.size()), frames);
    for (int32_t i = 0; i < usable; ++i) {
        const AzMemoryImage* frame = sprite->GetFrame(i);
        if (!frame)
            continue;
        // A character listed twice takes the later frame.
        SetGlyph(CodeOf(line[static_cast<size_t>(i)]), MakeBob(*frame), frame->GetWidth());
    }

    azLog() << "AzBobAlphabet::AzBobAlphabet - loaded " << line.size() << " characters from sprite " << spriteName
            << ", description: " << descriptionName << ".\n" << std::flush;
}

void AzBobAlphabet::LoadFromBitmaps(const std::string& prefix, const std::string& suffix)
{
    mAdvances.fill(0);
    int count = 0;
    // Most codes have no file; probing them must not fill the log.
    azLogFileErrors = false;
    for (int code = 0; code < kCodes; ++code) {
        std::unique_ptr<AzBlitterObject> bob(az::LoadBlitterObject(prefix + std::to_string(code) + suffix));
        const int32_t advance = bob ? bob->GetWidth() : 0;
        if (bob)
            ++count;
        SetGlyph(code, std::move(bob), advance);
    }
    azLogFileErrors = true;
    azLog() << "AzBobAlphabet::AzBobAlphabet - loaded " << count << " characters from " << prefix << "#" << suffix
            << ".\n" << std::flush;
}

void AzBobAlphabet::SetGlyph(int code, std::unique_ptr<AzBlitterObject> bob, int32_t advance)
{
    mGlyphs[static_cast<size_t>(code)] = std::move(bob);
    mAdvances[static_cast<size_t>(code)] = advance;
}

int32_t AzBobAlphabet::DrawChar(char character, int32_t x, int32_t y)
{
    AzBlitterObject* glyph = mGlyphs[static_cast<size_t>(CodeOf(character))].get();
    if (!glyph)
        return 0;
    glyph->Draw(x, y);
    return mAdvances[static_cast<size_t>(CodeOf(character))];
}

int32_t AzBobAlphabet::TextWidth(const std::string& text) const
{
    // Advances are picture widths from the media; a long enough text of wide letters
    // would pass the 32-bit range, so the sum stops at its end.
    int64_t width = 0;
    for (char character : text)
        width = std::min<int64_t>(width + GetAdvance(character), INT32_MAX);
    return static_cast<int32_t>(width);
}

bool AzBobAlphabet::HasGlyph(char character) const
{
    return mGlyphs[static_cast<size_t>(CodeOf(character))] != nullptr;
}

int32_t AzBobAlphabet::GetAdvance(char character) const
{
    return mAdvances[static_cast<size_t>(CodeOf(character))];
}
