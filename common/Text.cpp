#include "common/Text.h"

#include <climits>

#include "common/KeroltError.h"

namespace kerolt {

namespace {
bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
}  // namespace

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

std::string TrimLeft(std::string_view s) {
    std::size_t b = 0;
    while (b < s.size() && IsBlank(s[b])) ++b;
    return std::string(s.substr(b));
}

std::string TrimRight(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && IsBlank(s[e - 1])) --e;
    return std::string(s.substr(0, e));
}

std::string Trim(std::string_view s) {
    return TrimLeft(TrimRight(s));
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
        if (c < '0' || c > '9')
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

}  // namespace kerolt
