#pragma once

// Text files are handled whole: read completely into lines, written completely.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "common/Text.h"

namespace kerolt {

// The whole file, byte for byte. Raises "Cannot open file %s" when it cannot be opened or read.
std::string ReadText(const std::string& fileName);

// The most a file from outside may hold: far beyond any contest log.
inline constexpr std::uintmax_t InputFileLimit = 16 * 1024 * 1024;

// The whole file when it holds at most `limit` bytes; at most limit + 1 bytes are read, whatever
// kind of file it is (a pipe too). Raises "%s is larger than N MB" for a larger one and "Cannot
// open file %s" when it cannot be opened or read.
std::string ReadTextAtMost(const std::string& fileName, std::uintmax_t limit = InputFileLimit);

// A file from outside as the program's lines: ReadTextAtMost, DecodeFileText, SplitLines.
struct InputLines {
    std::vector<std::string> Lines;
    bool Utf8 = false;
    std::vector<LostCharacter> Lost;
};
InputLines ReadInputLines(const std::string& fileName);

// The lines of a file; a line ends at CR LF, LF or CR. A last line without a line end counts;
// a file ending in a line end has no empty line after it. 8-bit text, taken byte for byte.
// Raises "Cannot open file %s" when the file cannot be opened or read.
std::vector<std::string> ReadLines(const std::string& fileName);

// Splits text the way ReadLines splits a file.
std::vector<std::string> SplitLines(const std::string& text);

// Writes every line followed by CR LF, the last one too. Atomic: the lines go to a temporary
// file in the target's folder, which then replaces the target in one rename, so the old file
// stays as it was on any failure. Raises "Cannot create file %s" on failure.
void WriteLines(const std::string& fileName, const std::vector<std::string>& lines);

// Removes the temporary files that WriteLines of fileName leaves when the process dies while
// writing: regular files named "." + its name + "." + six letters or digits, in its folder,
// last written over a minute ago. Nothing else is touched; a file that cannot be removed is left.
void RemoveStaleTemporaries(const std::string& fileName);

// The first of names in folder ("" or "." the working directory) that exists, else
// packagedFile when it exists, else "". A name whose state cannot be told counts as present,
// so that reading it reports the error instead of silently taking another file.
std::string FindDataFile(const std::string& folder, std::initializer_list<const char*> names,
                         const std::string& packagedFile);

}  // namespace kerolt
