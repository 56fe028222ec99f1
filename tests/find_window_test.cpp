#include <gtest/gtest.h>

#include "opener/find_window.h"
#include "platform/window_manager_memory.h"

namespace kl {
namespace {

TEST(FindWindowByTitle, FirstMatchInZOrderWins) {
  InMemoryWindowManager windows;
  windows.Add("Explorer");
  const WindowHandle upper = windows.Add("Microsoft Word - a.doc");
  const WindowHandle lower = windows.Add("Microsoft Word - b.doc");
  EXPECT_EQ(FindWindowByTitle(windows, "Word"), upper);
  EXPECT_EQ(FindWindowByTitle(windows, "b.doc"), lower);
  EXPECT_EQ(FindWindowByTitle(windows, "word"), 0u);
  const WindowHandle top = windows.Add("Word on top", true);
  EXPECT_EQ(FindWindowByTitle(windows, "Word"), top);
}

TEST(FindWindowByTitle, MatchesOnlyWhatTheTitleBufferHolds) {
  struct Case {
    std::string title, text;
    bool matches;
  };
  const std::string hyo = "\x95\x5C";  // "表": its trail byte is a backslash
  const Case cases[] = {
      {std::string(249, 'a') + "Target", "Target", true},   // 255 bytes
      {std::string(250, 'a') + "Target", "Target", false},  // the last byte is cut off
      {std::string(250, 'a') + "Target", "Targe", true},
      {hyo + "x", "\\x", false},
      {"a\\x", "\\x", true},
      {"", "x", false},
      {"anything", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title.substr(0, 20) + " / " + c.text);
    InMemoryWindowManager windows;
    const WindowHandle window = windows.Add(c.title);
    EXPECT_EQ(FindWindowByTitle(windows, c.text), c.matches ? window : 0u);
  }
}

TEST(FindWindowByTitle, EmptyTextReadsNoTitle) {
  InMemoryWindowManager windows;
  windows.Add("Queue");
  EXPECT_EQ(FindWindowByTitle(windows, ""), 0u);
  EXPECT_EQ(windows.titleReads(), 0);
}

}  // namespace
}  // namespace kl
