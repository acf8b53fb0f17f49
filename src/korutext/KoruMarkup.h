// The backslash markup of the hypertext label: the code page 932 character
// stepping, the hot-spot table and the plain text without markup. Every walk over
// the markup (these and the layout pass) steps over codes, colour arguments and
// hidden keys by the same rules, so that the n-th hot-spot start seen by the layout
// is always entry n of the table.
#pragma once

#include "korutext/KoruTypes.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zel::koru {

// The code page 932 lead-byte test (0x81..0x9F and 0xE0..0xFC).
bool isLeadByte(unsigned char c);

// Bytes taken by the character at i: 2 for a lead byte followed by a valid trail
// byte, else 1. A lead byte without a valid trail byte (at the end, or before a
// control character) stands alone, so a broken character never swallows a line
// break or a backslash.
std::size_t charLength(std::string_view text, std::size_t i);

// Japanese line breaking. A closing mark (。、，．）」』 and the other closing
// brackets, ・：；？！, the prolonged sound and iteration marks, small kana, and
// their half-width forms) never starts a wrapped line; an opening mark (（「『 and
// the other opening brackets) never ends one. `ch` is one character.
bool isNoLineStart(std::string_view ch);
bool isNoLineEnd(std::string_view ch);

// Bytes taken by the code whose backslash is at i: the backslash and the whole
// character after it (1 for a backslash at the very end).
std::size_t codeLength(std::string_view text, std::size_t i);

// End of the colour argument that starts at pos: six characters, or the rest of the
// text when fewer are left.
std::size_t colourArgumentEnd(std::string_view text, std::size_t pos);

// Reads the colour argument [pos, end) as a hexadecimal number (stopping at the
// first character that is not a hexadecimal digit). Returns false when fewer than
// six characters were left, in which case the colour does not change.
bool readColour(std::string_view text, std::size_t pos, std::size_t end, Colour& colour);

// A hidden key that starts at pos (just after its «\K»): closePos is the offset of
// the backslash of the closing «\k» (the text length when there is none), end the
// offset just after it.
struct KeySpan {
    std::size_t closePos = 0;
    std::size_t end = 0;
};
KeySpan findKeyEnd(std::string_view text, std::size_t pos);

// The hot-spot table, rebuilt from the whole text.
std::vector<Hotspot> buildHotspotTable(std::string_view text);

// The text without markup (code page 932 bytes; a heading switch adds CR LF).
std::string rawText(std::string_view text);

} // namespace zel::koru
