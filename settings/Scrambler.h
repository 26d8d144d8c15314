#pragma once

#include <cstdint>

namespace mms {

// The camera reads every text of a settings file through this substitution: for the
// members of its set ("." "/" digits ":" "@" capitals but "M", small letters) the
// byte is complemented with its two halves swapped; every other byte passes as is.
uint8_t ScrambleChar(uint8_t c);

// The character the camera would read back for a scrambled byte. The substitution is
// not one-to-one (")" and "m" both give 0x29): such a byte decodes to the member of
// the scrambled set, since that is what an address or a number holds.
uint8_t UnscrambleChar(uint8_t b);

// Digit code of a number field: 255 - 16 x d for the digits "0".."9", the fallback
// for any other byte.
uint8_t EncodeDigit(uint8_t c, uint8_t fallback);

// The digit 0..9 a digit code stands for, or -1 for a byte that is no digit code.
int DecodeDigit(uint8_t code);

} // namespace mms
