// The drop list on real global memory, posted to a real window of this process, which
// reads the block back.
#include <gtest/gtest.h>

#include "opener/drop_list.h"
#include "opener/find_window.h"
#include "platform/global_heap_win32.h"
#include "platform/window_manager_win32.h"
#include "test_window.h"

namespace kl {
namespace {

std::string UniqueTitle(const char* stem) {
  return std::string(stem) + " " + std::to_string(GetCurrentProcessId()) + " " + std::to_string(GetTickCount());
}

TEST(RealDropList, ArrivesByteForByteInTheReceivingWindow) {
  const std::string title = UniqueTitle("KL drop receiver");
  test::TestWindow receiver(title);
  Win32GlobalHeap heap;
  Win32WindowManager windows;

  const MemoryHandle list = CreateDropList(heap);
  ASSERT_NE(list, 0u);
  const std::string jp = "C:\\\x89\xE6\x91\x9C\\\x95\x5C.jpg";  // "画像" and "表"
  for (const std::string& name : {std::string("C:\\My Files\\a.DOC"), std::string("C:\\b.txt"), jp}) {
    ASSERT_EQ(AddToDropList(heap, list, name), list);
  }
  EXPECT_EQ(GlobalFlags(reinterpret_cast<HGLOBAL>(list)) & GMEM_LOCKCOUNT, 0u);

  const WindowHandle found = FindWindowByTitle(windows, title);
  ASSERT_EQ(found, reinterpret_cast<WindowHandle>(receiver.handle()));
  windows.PostDropFiles(found, list);

  const auto drops = receiver.WaitForDrops(1, 5000);
  ASSERT_EQ(drops.size(), 1u);
  const std::string expected = std::string("\x10\0\0\0\0\0\0\0\0\0\0\0\x01\0\0\0", 16) + "C:\\My Files\\a.DOC" +
                               '\0' + "C:\\b.txt" + '\0' + jp + '\0' + '\0';
  EXPECT_EQ(drops[0].bytes, expected);
}

TEST(RealWindowList, HiddenWindowsTakePartAndTitlesAreCut) {
  const std::string title = UniqueTitle("KL hidden");
  test::TestWindow hidden(title, false);
  const std::string longTitle = UniqueTitle(std::string(300, 'L').c_str());
  test::TestWindow longWindow(longTitle);
  Win32WindowManager windows;
  EXPECT_EQ(FindWindowByTitle(windows, title), reinterpret_cast<WindowHandle>(hidden.handle()));
  EXPECT_EQ(windows.Title(reinterpret_cast<WindowHandle>(longWindow.handle())), longTitle.substr(0, 255));
  EXPECT_EQ(FindWindowByTitle(windows, longTitle.substr(250)), 0u);
}

}  // namespace
}  // namespace kl
