// The credits of the main menu: the lines of credits.txt scrolling up, one line a second.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

class GlCredits {
public:
    static constexpr int kVisibleRows = 9;
    static constexpr int kLeadingBlankLines = 9;
    static constexpr int kRowHeight = 50;
    static constexpr int kFirstRowY = 100;
    static constexpr size_t kMaxLineLength = 255;

    // Reads credits.txt from the working directory the first time it is
    // called with success; false (after a log line) while the file cannot be
    // read, so a missing file is tried, and logged, again on the next call.
    bool EnsureLoaded();
    // The nine blank lines that let the text rise from the bottom, then every
    // line of the stream that ends with a line end.
    void ReadFrom(std::istream& in);

    // Back to the first line.
    void Restart() { mScroll = 0.0f; }
    // Moves on by the given number of lines; past the last line it starts over.
    void Advance(float lines);

    // Row 0..8 on screen: the text it shows (empty past the end) and its y.
    std::string RowText(int row) const;
    int32_t RowY(int row) const;

    float Scroll() const { return mScroll; }
    size_t LineCount() const { return mLines.size(); }

private:
    std::vector<std::string> mLines;
    float mScroll = 0.0f;
};
