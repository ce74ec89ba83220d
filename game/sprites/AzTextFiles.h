// What every reader of a text file of the game needs: where the file is, and one bounded line of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace az {

// The full path of a file named against the media directory or the working
// directory (Vl::kF_FromMedia, Vl::kF_FromBinary), found under any letter
// case. False, with path untouched, when there is no such file; the caller
// logs it in its own words.
bool GetFullPath(int32_t location, const std::string& name, std::string& path);

// Reads one line up to and including its line end, or to the end of the
// stream, keeping at most maxLength characters. CRs before the line end belong
// to the line end of a file saved on Windows, not to the line. Answers whether
// a line end was there; tooLong tells whether characters were cut off.
bool ReadTextLine(std::istream& in, size_t maxLength, std::string& line, bool* tooLong = nullptr);

} // namespace az
