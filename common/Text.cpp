#include "common/Text.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "common/KeroltError.h"

namespace kerolt {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool IsBlankText(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return IsBlank(c); });
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsDigitText(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return IsDigit(c); });
}

std::string Copy(std::string_view s, long p, long n) {
    if (p < 1)
        p = 1;
    if (n <= 0 || p > static_cast<long>(s.size()))
        return {};
    return std::string(s.substr(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(n)));
}

std::string CopyFrom(std::string_view s, long p) {
    if (p < 1)
        p = 1;
    if (p > static_cast<long>(s.size()))
        return {};
    return std::string(s.substr(static_cast<std::size_t>(p - 1)));
}

std::string Cut(std::string_view s, std::size_t n) {
    return std::string(s.substr(0, n));
}

namespace {
std::string_view TrimLeftView(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    return s;
}
}  // namespace

std::string_view TrimRightView(std::string_view s) {
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view TrimView(std::string_view s) {
    return TrimLeftView(TrimRightView(s));
}

std::string TrimLeft(std::string_view s) {
    return std::string(TrimLeftView(s));
}

std::string TrimRight(std::string_view s) {
    return std::string(TrimRightView(s));
}

std::string Trim(std::string_view s) {
    return std::string(TrimView(s));
}

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string UpperAscii(std::string_view s) {
    std::string upper(s);
    for (char& c : upper) c = UpperAscii(c);
    return upper;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

int FindEntryIgnoringCase(const std::vector<std::string>& entries, std::string_view text) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (EqualIgnoringCase(entries[i], text))
            return static_cast<int>(i);
    }
    return -1;
}

bool Contains(std::string_view line, std::string_view key) {
    return line.find(key) != std::string_view::npos;
}

char CharAt(std::string_view s, long p) {
    if (p < 1 || p > static_cast<long>(s.size()))
        return '\0';
    return s[static_cast<std::size_t>(p - 1)];
}

bool TextLess(std::string_view a, std::string_view b) {
    // string_view compares char by char as char_traits<char>, which may be signed; compare
    // the 8-bit codes instead so Latin-1 letters sort above ASCII.
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca != cb)
            return ca < cb;
    }
    return a.size() < b.size();
}

int StrToInt(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i == s.size())
        ThrowNotAnInteger(s);
    long long value = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (!IsDigit(c))
            ThrowNotAnInteger(s);
        value = value * 10 + (c - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            ThrowNotAnInteger(s);
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        ThrowNotAnInteger(s);
    return static_cast<int>(value);
}

int DigitsValue(std::string_view s) {
    if (!IsDigitText(s))
        return -1;
    long long value = 0;
    for (const char c : s) {
        value = value * 10 + (c - '0');
        if (value > INT_MAX)
            return -1;
    }
    return static_cast<int>(value);
}

std::string ZeroPadded(int n, int width) {
    std::string text = std::to_string(n);
    if (n >= 0 && static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

namespace {

// The code point of the UTF-8 sequence at i and its length, or length 0 when the bytes there
// are no valid sequence (overlong forms, surrogates and codes beyond U+10FFFF are not).
std::pair<char32_t, std::size_t> Utf8At(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    std::size_t n = 0;
    char32_t code = 0;
    char32_t least = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2, code = b0 & 0x1F, least = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3, code = b0 & 0x0F, least = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4, code = b0 & 0x07, least = 0x10000;
    } else {
        return {0, 0};
    }
    if (i + n > s.size())
        return {0, 0};
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return {0, 0};
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {0, 0};
    return {code, n};
}

}  // namespace

DecodedText DecodeFileText(std::string bytes) {
    DecodedText decoded;
    bool nonAscii = false;
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t n = Utf8At(bytes, i).second;
        if (n == 0) {
            decoded.Text = std::move(bytes);
            return decoded;
        }
        nonAscii = true;
        i += n;
    }
    if (!nonAscii) {
        decoded.Text = std::move(bytes);
        return decoded;
    }
    decoded.Utf8 = true;
    decoded.Text.reserve(bytes.size());
    long line = 1;
    for (std::size_t i = 0; i < bytes.size();) {
        const char c = bytes[i];
        if (static_cast<unsigned char>(c) < 0x80) {
            if (c == '\n' || (c == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
                ++line;
            decoded.Text += c;
            ++i;
            continue;
        }
        const auto [code, n] = Utf8At(bytes, i);
        if (code <= 0xFF) {
            decoded.Text += static_cast<char>(code);
        } else {
            decoded.Text += '?';
            decoded.Lost.push_back({line, code});
        }
        i += n;
    }
    return decoded;
}

std::string CodePointName(char32_t code) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string digits;
    for (char32_t c = code; c != 0 || digits.size() < 4; c >>= 4) digits.insert(digits.begin(), Hex[c & 0xF]);
    return "U+" + digits;
}

}  // namespace kerolt
