// The opener over in-memory windows, launcher, messages and registry.
#include <gtest/gtest.h>

#include "opener/opener_run.h"
#include "platform/platform_memory.h"
#include "store/registry.h"

namespace kl {
namespace {

constexpr OpenerTiming kTiming{20, 1000};

// The names in the list posted to `window`, which must have received the only post.
std::vector<std::string> NamesPostedTo(InMemoryPlatform& fake, WindowHandle window) {
  const auto& posts = fake.windows.posts();
  if (posts.size() != 1 || posts[0].window != window) {
    ADD_FAILURE() << posts.size() << " posts, not one to the window";
    return {};
  }
  LockedBlock block(fake.heap, posts[0].dropList);
  std::vector<std::string> names;
  for (const char* name = reinterpret_cast<const char*>(block.bytes()) + 16; *name != 0;
       name += names.back().size() + 1) {
    names.emplace_back(name);
  }
  return names;
}

class OpenerRun : public ::testing::Test {
 protected:
  void Record(const std::string& extension, const std::string& command, const std::string& caption) {
    TRegistry registry(fake_.registry);
    ASSERT_TRUE(registry.OpenKey("\\Software\\kolbra\\" + extension, true));
    registry.WriteString("", command);
    registry.WriteString("caption", caption);
  }

  void ViewerPath(const std::string& path) {
    TRegistry registry(fake_.registry);
    ASSERT_TRUE(registry.OpenKey("\\Software\\kolbra", true));
    registry.WriteString("", path);
  }

  void Run(const std::vector<std::string>& arguments) { RunOpener(arguments, platform_, kTiming); }

  std::vector<std::string> DeliveredTo(WindowHandle window) { return NamesPostedTo(fake_, window); }

  InMemoryPlatform fake_;
  Platform platform_ = fake_.View();
};

TEST_F(OpenerRun, DeliversEveryArgumentToTheRecordOfTheFirstExtension) {
  Record(".doc", "C:\\Word\\WINWORD.EXE", "Microsoft Word");
  Record(".txt", "notepad.exe", "Notepad");
  fake_.windows.Add("Notepad");
  const WindowHandle word = fake_.windows.Add("Microsoft Word - a.doc");
  Run({"C:\\My Files\\a.DOC", "C:\\b.txt"});
  EXPECT_EQ(DeliveredTo(word), (std::vector<std::string>{"C:\\My Files\\a.DOC", "C:\\b.txt"}));
  EXPECT_TRUE(fake_.launcher.started.empty());
  EXPECT_TRUE(fake_.messages.shown.empty());
  EXPECT_EQ(fake_.heap.LiveBlocks(), 1u);  // the receiver owns it now
}

TEST_F(OpenerRun, ViewerModeSendsFoldersToTheQueueWindow) {
  struct Case {
    const char* label;
    std::vector<std::string> arguments;
    std::vector<std::string> delivered;
  };
  const Case cases[] = {
      {"file becomes its folder", {"-s", "C:\\pics\\a.jpg"}, {"C:\\pics\\"}},
      {"existing folder stays", {"-s", "C:\\pics"}, {"C:\\pics"}},
      {"missing path is cut", {"-s", "C:\\x\\y"}, {"C:\\x\\"}},
      {"bare name becomes an empty name", {"-s", "a.jpg"}, {}},
      {"switch after a path", {"C:\\a.jpg", "-s", "C:\\b.jpg"}, {"C:\\a.jpg", "C:\\"}},
      {"switch twice", {"-s", "C:\\p\\a.jpg", "-s", "C:\\q\\b.jpg"}, {"C:\\p\\", "C:\\q\\"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    InMemoryPlatform fake;
    Platform view = fake.View();
    fake.files.folders.insert("C:\\pics");
    fake.windows.Add("Microsoft Word");
    const WindowHandle queue = fake.windows.Add("Vimra - Queue");
    RunOpener(c.arguments, view, kTiming);
    EXPECT_EQ(NamesPostedTo(fake, queue), c.delivered);
  }
}

TEST_F(OpenerRun, EndsWithQuestionMarkWhenNothingWasAdded) {
  Run({"-s"});
  EXPECT_EQ(fake_.messages.shown, std::vector<std::string>{"?"});
  EXPECT_TRUE(fake_.windows.posts().empty());
  EXPECT_TRUE(fake_.launcher.started.empty());
  EXPECT_EQ(fake_.heap.LiveBlocks(), 0u);
}

TEST_F(OpenerRun, OnlyTheLastAppendDecides) {
  Record(".txt", "notepad.exe", "Notepad");
  const WindowHandle notepad = fake_.windows.Add("Notepad");
  fake_.heap.LimitBlockSize(40);
  Run({"C:\\a-name-too-long-for-the-list.txt", "C:\\b.txt"});
  EXPECT_EQ(DeliveredTo(notepad), std::vector<std::string>{"C:\\b.txt"});

  InMemoryPlatform second;
  Platform view = second.View();
  second.heap.LimitBlockSize(40);
  RunOpener({"C:\\b.txt", "C:\\a-name-too-long-for-the-list.txt"}, view, kTiming);
  EXPECT_EQ(second.messages.shown, std::vector<std::string>{"?"});
  EXPECT_EQ(second.heap.LiveBlocks(), 0u);
}

TEST_F(OpenerRun, FailedListCreationEndsWithQuestionMark) {
  fake_.heap.LimitBlockSize(16);
  Run({"C:\\a.doc"});
  EXPECT_EQ(fake_.messages.shown, std::vector<std::string>{"?"});
  EXPECT_TRUE(fake_.launcher.started.empty());
}

TEST_F(OpenerRun, MissingRecordEndsSilently) {
  fake_.windows.Add("Microsoft Word");
  Run({"C:\\a.xyz"});
  EXPECT_TRUE(fake_.messages.shown.empty());
  EXPECT_TRUE(fake_.launcher.started.empty());
  EXPECT_TRUE(fake_.windows.posts().empty());
  EXPECT_EQ(fake_.heap.LiveBlocks(), 0u);
}

TEST_F(OpenerRun, StartResultBelowThirtyTwoIsAFailure) {
  struct Case {
    unsigned result;
    std::vector<std::string> messages;
    std::size_t posts;
  };
  for (const Case& c : {Case{0, {"EXEｴﾗｰ"}, 0}, Case{31, {"EXEｴﾗｰ"}, 0}, Case{32, {}, 1}}) {
    SCOPED_TRACE(c.result);
    InMemoryPlatform fake;
    Platform view = fake.View();
    {
      TRegistry registry(fake.registry);
      registry.OpenKey("\\Software\\kolbra\\.doc", true);
      registry.WriteString("", "C:\\Word\\WINWORD.EXE /n");
      registry.WriteString("caption", "Microsoft Word");
    }
    fake.launcher.result = c.result;
    fake.launcher.onStart = [&fake](const std::string&) { fake.windows.Add("Microsoft Word - Document1"); };
    RunOpener({"C:\\a.doc"}, view, kTiming);
    EXPECT_EQ(fake.launcher.started, std::vector<std::string>{"C:\\Word\\WINWORD.EXE /n"});
    EXPECT_EQ(fake.launcher.shows, std::vector<int>{5});
    EXPECT_EQ(fake.messages.shown, c.messages);
    EXPECT_EQ(fake.windows.posts().size(), c.posts);
  }
}

TEST_F(OpenerRun, PostsSoonAfterTheStartedWindowAppears) {
  Record(".doc", "WINWORD.EXE", "Microsoft Word");
  fake_.windows.Add("Explorer");
  WindowHandle word = 0;
  fake_.launcher.onStart = [this, &word](const std::string&) {
    fake_.clock.At(fake_.clock.NowMs() + 310, [this, &word] { word = fake_.windows.Add("Microsoft Word"); });
  };
  Run({"C:\\a.doc"});
  ASSERT_NE(word, 0u);
  EXPECT_EQ(DeliveredTo(word), std::vector<std::string>{"C:\\a.doc"});
  EXPECT_LE(fake_.clock.NowMs(), 310u + kTiming.pollIntervalMs);
  EXPECT_EQ(fake_.clock.sleeps(), static_cast<int>(fake_.clock.NowMs() / kTiming.pollIntervalMs));
}

TEST_F(OpenerRun, GivesUpWhenTheWindowNeverAppears) {
  Record(".doc", "WINWORD.EXE", "Microsoft Word");
  Run({"C:\\a.doc"});
  EXPECT_EQ(fake_.launcher.started.size(), 1u);
  EXPECT_EQ(fake_.messages.shown, std::vector<std::string>{"window not found"});
  EXPECT_TRUE(fake_.windows.posts().empty());
  EXPECT_EQ(fake_.heap.LiveBlocks(), 0u);
  // It waited out the limit idly, one pass per interval.
  EXPECT_GE(fake_.clock.slept(), kTiming.waitLimitMs);
  EXPECT_LE(fake_.clock.sleeps(), static_cast<int>(kTiming.waitLimitMs / kTiming.pollIntervalMs) + 1);
}

TEST_F(OpenerRun, NoExtensionReadsTheSettingsRootAndStartsTheViewer) {
  ViewerPath("C:\\Vimra\\VIMRA.EXE");
  fake_.windows.Add("");
  Run({"C:\\noext"});
  EXPECT_EQ(fake_.launcher.started, std::vector<std::string>{"C:\\Vimra\\VIMRA.EXE"});
  EXPECT_EQ(fake_.clock.slept(), 0u);  // an empty title text can never match: no wait
  EXPECT_EQ(fake_.messages.shown, std::vector<std::string>{"window not found"});
}

TEST_F(OpenerRun, ViewerModeStartsTheStoredViewerPath) {
  ViewerPath("C:\\Vimra\\VIMRA.EXE");
  fake_.launcher.onStart = [this](const std::string&) { fake_.windows.Add("Queue"); };
  Run({"-s", "C:\\pics\\a.jpg"});
  EXPECT_EQ(fake_.launcher.started, std::vector<std::string>{"C:\\Vimra\\VIMRA.EXE"});
  EXPECT_EQ(fake_.windows.posts().size(), 1u);
}

TEST_F(OpenerRun, ViewerModeWithoutSettingsStartsNothingAndSaysSo) {
  Run({"-s", "C:\\pics\\a.jpg"});
  EXPECT_EQ(fake_.launcher.started, std::vector<std::string>{""});
  EXPECT_EQ(fake_.messages.shown, std::vector<std::string>{"EXEｴﾗｰ"});
}

TEST_F(OpenerRun, LongValuesAreUsedWhole) {
  const std::string command = "C:\\" + std::string(300, 'p') + "\\APP.EXE";
  const std::string caption = std::string(200, 'c') + " App";
  Record(".doc", command, caption);
  fake_.launcher.onStart = [this, &caption](const std::string&) { fake_.windows.Add(caption + " - a.doc"); };
  Run({"C:\\a.doc"});
  EXPECT_EQ(fake_.launcher.started, std::vector<std::string>{command});
  EXPECT_EQ(fake_.windows.posts().size(), 1u);
}

TEST_F(OpenerRun, ValueThatIsNotTextIsReportedAndNothingStarts) {
  Record(".doc", "WINWORD.EXE", "Microsoft Word");
  const KeyHandle key = fake_.registry.Open(RegistryRoot::CurrentUser, "Software\\kolbra\\.doc", false);
  fake_.registry.WriteValue(key, "caption", {ValueType::DWord, std::string("\x01\0\0\0", 4)});
  fake_.registry.Close(key);
  Run({"C:\\a.doc"});
  EXPECT_EQ(fake_.messages.shown, std::vector<std::string>{"'caption' のﾃﾞｰﾀ型が不正です"});
  EXPECT_TRUE(fake_.launcher.started.empty());
  EXPECT_EQ(fake_.heap.LiveBlocks(), 0u);
  EXPECT_EQ(fake_.registry.OpenHandleCount(), 0u);
}

}  // namespace
}  // namespace kl
