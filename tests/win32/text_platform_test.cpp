// The text routines against the platform's own, with the code page at 932.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/text.h"

namespace kl {
namespace {

std::string PlatformLower(std::string text) {
  CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

class PlatformText : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(GetACP(), 932u) << "set LANG=ja_JP.UTF-8 before starting Wine"; }
};

TEST_F(PlatformText, LeadBytesAgreeForEveryByte) {
  for (int byte = 0; byte < 256; ++byte) {
    SCOPED_TRACE(byte);
    EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(byte)), IsDBCSLeadByteEx(932, static_cast<BYTE>(byte)) != 0);
  }
}

TEST_F(PlatformText, LowerCaseAgreesForEverySingleByte) {
  for (int byte = 1; byte < 256; ++byte) {
    if (IsLeadByte(static_cast<unsigned char>(byte))) continue;
    SCOPED_TRACE(byte);
    const std::string text = "A" + std::string(1, static_cast<char>(byte)) + "Z";
    EXPECT_EQ(AnsiLowerCase(text), PlatformLower(text));
  }
}

TEST_F(PlatformText, LowerCaseKeepsDoubleByteCharactersWhereThePlatformChangesThem) {
  // Every lead byte with trail bytes that look like letters and separators, and the edges
  // of the trail range. The platform agrees with us on most pairs; where it does not, it
  // lowers a capital (full-width Latin, Greek, Cyrillic, Roman numerals), writes a character
  // that has two codes with its other code, or replaces a character the code page does not map. We keep both: record names rely on single-byte letters only,
  // and a path must never lose its bytes.
  const unsigned char trails[] = {0x40, 0x41, 0x4D, 0x5A, 0x5C, 0x60, 0x61, 0x6D, 0x7A, 0x7E, 0x80, 0x9F, 0xA0, 0xFC};
  int agreed = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (unsigned char trail : trails) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      const std::string text = "X" + pair + "Y";
      SCOPED_TRACE(lead * 256 + trail);
      EXPECT_EQ(AnsiLowerCase(text), "x" + pair + "y");
      const std::string platform = PlatformLower(text);
      if (platform == AnsiLowerCase(text)) {
        ++agreed;
        continue;
      }
      WCHAR ours = 0;
      WCHAR theirs = 0;
      const int mapped = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, pair.data(), 2, &ours, 1);
      MultiByteToWideChar(932, 0, platform.data() + 1, static_cast<int>(platform.size()) - 2, &theirs, 1);
      CharLowerBuffW(&ours, 1);
      EXPECT_TRUE(mapped == 0 || theirs == ours) << "the platform made another character of it";
    }
  }
  EXPECT_GT(agreed, 600);
}

TEST_F(PlatformText, AnsiPosAgreesWithCharNextBoundaries) {
  const std::string title = "\x95\x5C\x8E\xA6 \x83\x41" "A\\x";
  std::vector<std::size_t> boundaries;
  for (const char* p = title.c_str(); *p != 0; p = CharNextExA(932, p, 0)) {
    boundaries.push_back(static_cast<std::size_t>(p - title.c_str()));
  }
  for (std::size_t pos = 0; pos < title.size(); ++pos) {
    SCOPED_TRACE(pos);
    const bool boundary = std::find(boundaries.begin(), boundaries.end(), pos) != boundaries.end();
    EXPECT_EQ(AnsiPos(title.substr(pos), title) == pos + 1, boundary);
  }
}

}  // namespace
}  // namespace kl
