#include "platform/text.h"

namespace kl {

bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t CharLength(std::string_view text, std::size_t pos) {
  const bool hasTrail = pos + 1 < text.size();
  return IsLeadByte(static_cast<unsigned char>(text[pos])) && hasTrail ? 2 : 1;
}

bool EndsWithChar(std::string_view text, char byte) {
  std::size_t last = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) last = pos;
  return !text.empty() && last == text.size() - 1 && text[last] == byte;
}

std::size_t AnsiPos(std::string_view needle, std::string_view haystack) {
  if (needle.empty()) return 0;
  for (std::size_t pos = 0; pos < haystack.size(); pos += CharLength(haystack, pos)) {
    if (haystack.substr(pos, needle.size()) == needle) return pos + 1;
  }
  return 0;
}

std::string AnsiLowerCase(std::string_view text) {
  std::string lowered(text);
  for (std::size_t pos = 0; pos < lowered.size(); pos += CharLength(lowered, pos)) {
    char& byte = lowered[pos];
    if (byte >= 'A' && byte <= 'Z') byte = static_cast<char>(byte - 'A' + 'a');
  }
  return lowered;
}

namespace {

// Position of the last character of its own that is one of `delimiters`, or npos.
std::size_t LastDelimiter(std::string_view text, std::string_view delimiters) {
  std::size_t found = std::string_view::npos;
  for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) {
    if (CharLength(text, pos) == 1 && delimiters.find(text[pos]) != std::string_view::npos) {
      found = pos;
    }
  }
  return found;
}

}  // namespace

std::string ExtractFilePath(std::string_view path) {
  const std::size_t last = LastDelimiter(path, "\\:");
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string ExtractFileExt(std::string_view path) {
  const std::size_t last = LastDelimiter(path, ".\\:");
  if (last == std::string_view::npos || path[last] != '.') return {};
  return std::string(path.substr(last));
}

}  // namespace kl
