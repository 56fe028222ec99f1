#include <gtest/gtest.h>

#include "platform/command_line.h"

namespace kl {
namespace {

TEST(CommandLine, SplitsLikeThePlatform) {
  struct Case {
    std::string line;
    std::vector<std::string> arguments;
  };
  const Case cases[] = {
      {"KL.EXE", {}},
      {"\"C:\\Tools\\KL.EXE\"", {}},
      {"KL.EXE \"C:\\My Files\\a.DOC\" C:\\b.txt", {"C:\\My Files\\a.DOC", "C:\\b.txt"}},
      {"KL.EXE -s \"C:\\pics\\a.jpg\"", {"-s", "C:\\pics\\a.jpg"}},
      {"KL.EXE   a\t\tb\x01" "c", {"a", "b", "c"}},
      {"KL.EXE \"\" a \"\"\"\" b \"\"", {"a", "b"}},   // empty pairs are skipped like blanks
      {"KL.EXE a\"b c\"d", {"ab cd"}},                 // quotes group inside an argument
      {"KL.EXE \"unclosed quote", {"unclosed quote"}},
      {"KL.EXE \" \"", {" "}},
      {"KL.EXE \x95\x5C\"x y\"", {"\x95\x5Cx y"}},     // double-byte characters pass whole
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const CommandLine commandLine(c.line);
    EXPECT_EQ(commandLine.ParamCount(), static_cast<int>(c.arguments.size()));
    EXPECT_EQ(commandLine.Arguments(), c.arguments);
  }
}

TEST(CommandLine, KeepsArgumentsOfAnyLength) {
  const std::string longPath = "C:\\" + std::string(1000, 'x') + ".doc";
  const CommandLine commandLine("KL.EXE \"" + longPath + "\" next");
  ASSERT_EQ(commandLine.ParamCount(), 2);
  EXPECT_EQ(commandLine.ParamStr(1), longPath);
  EXPECT_EQ(commandLine.ParamStr(2), "next");
  EXPECT_EQ(commandLine.ParamStr(3), "");
  EXPECT_EQ(commandLine.ParamStr(0), "KL.EXE");
}

}  // namespace
}  // namespace kl
