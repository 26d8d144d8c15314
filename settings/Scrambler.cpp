#include "settings/Scrambler.h"

namespace mms {
namespace {

bool IsScrambled(uint8_t c)
{
    return c == '.' || c == '/' || (c >= '0' && c <= ':') || c == '@' || (c >= 'A' && c <= 'Z' && c != 'M')
        || (c >= 'a' && c <= 'z');
}

uint8_t ComplementSwapped(uint8_t v)
{
    return uint8_t(255 - (16 * (v % 16) + v / 16));
}

} // namespace

uint8_t ScrambleChar(uint8_t c)
{
    return IsScrambled(c) ? ComplementSwapped(c) : c;
}

uint8_t UnscrambleChar(uint8_t b)
{
    // The rule is its own inverse, so a member of the set is recognised by its image.
    const uint8_t candidate = ComplementSwapped(b);
    return IsScrambled(candidate) ? candidate : b;
}

uint8_t EncodeDigit(uint8_t c, uint8_t fallback)
{
    if (c < '0' || c > '9')
        return fallback;
    return ComplementSwapped(uint8_t(c - '0'));
}

int DecodeDigit(uint8_t code)
{
    const uint8_t value = ComplementSwapped(code);
    return value <= 9 ? value : -1;
}

} // namespace mms
