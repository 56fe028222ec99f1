// Routines over 8-bit text in code page 932 (Shift-JIS).
// Positions count bytes from 1; a double-byte character counts as two.
#pragma once

#include <string>
#include <string_view>

namespace kl {

// True for the first byte of a double-byte character in code page 932.
bool IsLeadByte(unsigned char byte);

// Length in bytes of the character that starts at `pos` (1 or 2). A lead byte at
// the very end of the text counts as a character of its own.
std::size_t CharLength(std::string_view text, std::size_t pos);

// True when the last character of the text is the single byte `byte` (not the second
// byte of a double-byte character).
bool EndsWithChar(std::string_view text, char byte);

// 1-based position of the first match of `needle` in `haystack`, or 0. A match never
// starts on the second byte of a double-byte character; an empty needle never matches.
std::size_t AnsiPos(std::string_view needle, std::string_view haystack);

// Lower-cases the single-byte letters A-Z; both bytes of a double-byte character stay as
// they are, so the result has the length of the input.
std::string AnsiLowerCase(std::string_view text);

// The text up to and including its last "\" or ":" that is a character of its own; empty
// when there is none.
std::string ExtractFilePath(std::string_view path);

// From the last "." to the end, dot included, when that dot comes after the last "\" and
// ":"; otherwise empty.
std::string ExtractFileExt(std::string_view path);

}  // namespace kl
