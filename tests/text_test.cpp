#include <gtest/gtest.h>

#include "platform/text.h"

namespace kl {
namespace {

// "表" is 95 5C: its second byte is a backslash. "ｱ" is the single byte B1.
const std::string kHyo = "\x95\x5C";
const std::string kKana = "\xB1";

TEST(LeadBytes, FollowTheCodePageRanges) {
  for (int byte = 0; byte < 256; ++byte) {
    SCOPED_TRACE(byte);
    const bool expected = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(byte)), expected);
  }
}

TEST(AnsiPos, FindsMatchesOnCharacterBoundariesOnly) {
  struct Case {
    std::string needle, haystack;
    std::size_t expected;
  };
  const Case cases[] = {
      {"Word", "Microsoft Word - a.doc", 11},
      {"word", "Microsoft Word - a.doc", 0},
      {"", "anything", 0},
      {"x", "", 0},
      {"\\x", kHyo + "x", 0},              // starts on a trail byte
      {"\\x", "a\\x", 2},
      {"\\x", kHyo + "\\x", 3},            // the later match on a boundary counts
      {kHyo, "ab" + kHyo, 3},
      {"abc", "ab", 0},
      {"\x95", "a\x95", 2},                // a lead byte that ends the text stands alone
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.needle + " in " + c.haystack);
    EXPECT_EQ(AnsiPos(c.needle, c.haystack), c.expected);
  }
}

TEST(EndsWithChar, CountsOnlyCharactersOfTheirOwn) {
  EXPECT_TRUE(EndsWithChar("Software\\kolbra\\", '\\'));
  EXPECT_FALSE(EndsWithChar("Software\\" + kHyo, '\\'));
  EXPECT_TRUE(EndsWithChar(kHyo + "\\", '\\'));
  EXPECT_FALSE(EndsWithChar("", '\\'));
}

TEST(AnsiLowerCase, ChangesSingleByteLettersOnly) {
  // "Ｄ" (82 63) holds the byte 63 'c' and "ｱ" is single-byte katakana: neither changes.
  EXPECT_EQ(AnsiLowerCase(".DOC"), ".doc");
  EXPECT_EQ(AnsiLowerCase("\x82\x63X" + kKana + "Z@[`{"), "\x82\x63x" + kKana + "z@[`{");
  // 83 41 is "ア": its trail byte 'A' is not a letter of its own.
  EXPECT_EQ(AnsiLowerCase("\x83\x41"), "\x83\x41");
  EXPECT_EQ(AnsiLowerCase(""), "");
}

TEST(ExtractPaths, CutAtSeparatorsThatAreCharactersOfTheirOwn) {
  struct Case {
    std::string path, folder, extension;
  };
  const Case cases[] = {
      {"C:\\pics\\a.jpg", "C:\\pics\\", ".jpg"},
      {"C:\\My Files\\a.DOC", "C:\\My Files\\", ".DOC"},
      {"C:a.b.c", "C:", ".c"},
      {"a.jpg", "", ".jpg"},
      {"C:\\x.d\\noext", "C:\\x.d\\", ""},
      {"C:\\x\\", "C:\\x\\", ""},
      {"", "", ""},
      {"C:\\" + kHyo, "C:\\", ""},          // the trail backslash of 表 is no separator
      {"C:\\d\\" + kHyo + ".txt", "C:\\d\\", ".txt"},
      {"name.", "", "."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(ExtractFilePath(c.path), c.folder);
    EXPECT_EQ(ExtractFileExt(c.path), c.extension);
  }
}

}  // namespace
}  // namespace kl
