#pragma once

// Bounds-safe text helpers. Positions count from 1, as everywhere in the program's file
// layouts; no helper ever reads past the end of its text.

#include <string>
#include <string_view>

namespace kerolt {

// At most n characters from position p (1-based). A position below 1 counts as 1, a position
// beyond the end gives an empty text, fewer than n characters when the text ends first.
std::string Copy(std::string_view s, long p, long n);

// The text from position p (1-based) to its end; same position rules as Copy.
std::string CopyFrom(std::string_view s, long p);

// The first n characters (all of s when it is shorter).
std::string Cut(std::string_view s, std::size_t n);

// Leading and trailing blanks and control characters (code <= 32) removed.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// True when key occurs anywhere in line (exact case).
bool Contains(std::string_view line, std::string_view key);

// The character at 1-based position p, or '\0' when p lies outside the text.
char CharAt(std::string_view s, long p);

// Ordinal text comparison: character codes from the left, a proper beginning is the smaller.
bool TextLess(std::string_view a, std::string_view b);

// Whole decimal number: optional leading blanks, an optional sign, digits, nothing after.
// Anything else, or a value outside 32 bits, raises "'%s' is not a valid integer value".
int StrToInt(std::string_view s);

}  // namespace kerolt
