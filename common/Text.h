#pragma once

// Bounds-safe text helpers. Positions count from 1, as everywhere in the program's file
// layouts; no helper ever reads past the end of its text.

#include <string>
#include <string_view>
#include <vector>

namespace kerolt {

// At most n characters from position p (1-based). A position below 1 counts as 1, a position
// beyond the end gives an empty text, fewer than n characters when the text ends first.
std::string Copy(std::string_view s, long p, long n);

// The text from position p (1-based) to its end; same position rules as Copy.
std::string CopyFrom(std::string_view s, long p);

// The first n characters (all of s when it is shorter).
std::string Cut(std::string_view s, std::size_t n);

// A blank or a control character: code <= 32, as every trim of the program counts them.
bool IsBlank(char c);
// True when the text holds nothing but blanks (the empty text too).
bool IsBlankText(std::string_view s);
bool IsDigit(char c);
// True for a text of one or more decimal digits and nothing else.
bool IsDigitText(std::string_view s);

// Leading and trailing blanks removed.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
// The same as views into s, for parsers that cut without copying.
std::string_view TrimView(std::string_view s);
std::string_view TrimRightView(std::string_view s);

// ASCII letters in upper case; every other character (Latin-1 letters too) as it is.
char UpperAscii(char c);
std::string UpperAscii(std::string_view s);
// ASCII letters compared without case; every other character exactly.
bool EqualIgnoringCase(std::string_view a, std::string_view b);
// Index of the first entry equal to text ignoring case (ASCII), -1 when none.
int FindEntryIgnoringCase(const std::vector<std::string>& entries, std::string_view text);

// True when key occurs anywhere in line (exact case).
bool Contains(std::string_view line, std::string_view key);

// The character at 1-based position p, or '\0' when p lies outside the text.
char CharAt(std::string_view s, long p);

// Ordinal text comparison: character codes from the left, a proper beginning is the smaller.
bool TextLess(std::string_view a, std::string_view b);

// Whole decimal number: optional leading blanks, an optional sign, digits, nothing after.
// Anything else, or a value outside 32 bits, raises "'%s' is not a valid integer value".
int StrToInt(std::string_view s);

// The value of a text of decimal digits only; -1 for any other text (the empty one too) and
// for a value beyond 32 bits.
int DigitsValue(std::string_view s);

// n in decimal with leading zeros up to width characters; a negative n is written as it is.
std::string ZeroPadded(int n, int width);

// A character of a UTF-8 file that Latin-1 has no place for.
struct LostCharacter {
    long Line = 0;        // 1-based, counting line ends as SplitLines does
    char32_t Code = 0;    // its code point
    bool operator==(const LostCharacter&) const = default;
};

// A file's bytes as the program's Latin-1 text.
struct DecodedText {
    std::string Text;
    bool Utf8 = false;  // the bytes were valid UTF-8 holding non-ASCII, and were converted
    // The characters beyond U+00FF, each written as '?'.
    std::vector<LostCharacter> Lost;
};

// Valid UTF-8 holding non-ASCII is converted to Latin-1; any other bytes (ASCII, Latin-1, bytes
// that are no UTF-8) are taken as Latin-1, byte for byte.
DecodedText DecodeFileText(std::string bytes);

// "U+0141".
std::string CodePointName(char32_t code);

}  // namespace kerolt
