// The manager window on the headless form host, over the in-memory platform.
#include <gtest/gtest.h>

#include <numeric>

#include "manager/frmcust.h"
#include "manager/frmcust_layout.h"
#include "manager/manager_main.h"
#include "platform/form_host_headless.h"
#include "platform/platform_memory.h"

namespace kl {
namespace {

class ManagerWindow : public ::testing::Test {
 protected:
  std::unique_ptr<TFrmcust> Open() { return std::make_unique<TFrmcust>(host_, platform_, texts_); }

  void Record(const std::string& extension) {
    TRegistry registry(fake_.registry);
    ASSERT_TRUE(registry.OpenKey("\\Software\\kolbra\\" + extension, true));
  }

  InMemoryPlatform fake_;
  Platform platform_ = fake_.View();
  HeadlessFormHost host_;
  ManagerTexts texts_;
};

TEST_F(ManagerWindow, CreationMakesTheSettingsRootAndListsEveryRecord) {
  {
    auto form = Open();
    EXPECT_TRUE(form->CmbExt.Items().empty());
    EXPECT_TRUE(TRegistry(fake_.registry).KeyExists("\\Software\\kolbra"));
    EXPECT_TRUE(fake_.messages.shown.empty());
  }
  for (const char* extension : {".psd", ".doc", "noext", ".DOC2"}) Record(extension);
  HeadlessFormHost second;
  auto form = std::make_unique<TFrmcust>(second, platform_, texts_);
  EXPECT_EQ(form->CmbExt.Items(), (std::vector<std::string>{".doc", ".DOC2", ".psd", "noext"}));
  EXPECT_EQ(form->CmbExt.ItemIndex(), -1);
  EXPECT_EQ(form->ComboBox1.Items(), (std::vector<std::string>{"Word", "Vimra", "PhotoShop"}));
  EXPECT_EQ(form->ComboBox1.ItemIndex(), -1);
  EXPECT_TRUE(form->registry()->HasCurrentKey());
}

TEST_F(ManagerWindow, SettingsRootThatCannotBeOpenedLeavesTheListEmpty) {
  Record(".doc");
  fake_.registry.DenyOpen(RegistryRoot::CurrentUser, "Software\\kolbra");
  auto form = Open();
  EXPECT_TRUE(form->CmbExt.Items().empty());
  EXPECT_TRUE(host_.exceptions.empty());
}

TEST_F(ManagerWindow, RedirectCommandNamesKlExeInTheProgramsFolder) {
  struct Case {
    std::string executable, command;
  };
  const Case cases[] = {
      {"C:\\Tools\\KL.EXE", "\"C:\\Tools\\KL.EXE\" \"%1\""},
      {"C:\\Program Files\\Tools\\renamed.exe", "\"C:\\Program Files\\Tools\\KL.EXE\" \"%1\""},
      {"C:\\\x95\x5C\\kl.exe", "\"C:\\\x95\x5C\\KL.EXE\" \"%1\""},  // a folder named 表
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.executable);
    fake_.files.executablePath = c.executable;
    HeadlessFormHost host;
    TFrmcust form(host, platform_, texts_);
    EXPECT_EQ(texts_.redirectCommand, c.command);
  }
}

TEST_F(ManagerWindow, TitleListHoldsEachTitleOnceInZOrder) {
  const std::string longTitle = std::string(300, 'T');
  for (const std::string& title : {std::string("Microsoft Word"), std::string(""), std::string("microsoft word"),
                                   std::string("Microsoft Word"), longTitle, std::string("Explorer")}) {
    fake_.windows.Add(title);
  }
  auto form = Open();
  const std::vector<std::string> expected{"Microsoft Word", "microsoft word", longTitle.substr(0, 255), "Explorer"};
  EXPECT_EQ(form->CmbCaption.Items(), expected);

  form->CmbCaption.SetText("typed by hand");
  host_.Click("ButRefresh");
  host_.Click("ButRefresh");
  EXPECT_EQ(form->CmbCaption.Items(), expected);
  EXPECT_EQ(form->CmbCaption.Text(), "typed by hand");

  fake_.windows.Add("Notepad", true);
  host_.Click("ButRefresh");
  EXPECT_EQ(form->CmbCaption.Items().front(), "Notepad");
}

TEST_F(ManagerWindow, DragTestShowsWhetherAWindowMatches) {
  fake_.windows.Add("Kolbra");
  fake_.windows.Add("Microsoft Word - a.doc");
  struct Case {
    const char* text;
    const char* caption;
    Color color;
  };
  const Case cases[] = {
      {"Kolbra", "OK", clBlue},
      {"Word", "OK", clBlue},  // anywhere in the title
      {"word", "not found", clRed},
      {"", "not found", clRed},
  };
  auto form = Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    host_.Type("CmbCaption", c.text);
    host_.Click("ButTest");
    EXPECT_EQ(form->LavTest.Caption(), c.caption);
    EXPECT_EQ(host_.FontColor("LavTest"), c.color);
  }
}

TEST_F(ManagerWindow, BrowsePutsTheConfirmedPathIntoTheCommand) {
  auto form = Open();
  form->EdtExe.SetText("before");
  host_.dialogAnswers = {std::nullopt, std::string("C:\\Apps\\viewer.exe")};
  host_.Click("ButBrowse");
  EXPECT_EQ(form->EdtExe.Text(), "before");
  host_.Click("ButBrowse");
  EXPECT_EQ(form->EdtExe.Text(), "C:\\Apps\\viewer.exe");
  EXPECT_EQ(host_.dialogStartNames, (std::vector<std::string>{"*.exe", "*.exe"}));
  EXPECT_EQ(form->OpenDialog1.options().filter, "*.EXE|*.EXE");
}

TEST_F(ManagerWindow, ClosingFreesTheRegistryObjectOnce) {
  auto form = Open();
  ASSERT_NE(form->registry(), nullptr);
  EXPECT_GT(fake_.registry.OpenHandleCount(), 0u);
  host_.Click("Button1");
  EXPECT_TRUE(host_.closed());
  EXPECT_EQ(form->registry(), nullptr);
  EXPECT_EQ(fake_.registry.OpenHandleCount(), 0u);
  host_.Close();  // a second close changes nothing
  EXPECT_TRUE(host_.exceptions.empty());
}

// Windows whose titles can no longer be read once `broken` is set.
class BreakingWindows final : public WindowManager {
 public:
  WindowHandle FirstTopLevel() override { return inner.FirstTopLevel(); }
  WindowHandle NextTopLevel(WindowHandle window) override { return inner.NextTopLevel(window); }
  std::string Title(WindowHandle window) override {
    if (broken) throw std::runtime_error("window list unreadable");
    return inner.Title(window);
  }
  void PostDropFiles(WindowHandle window, MemoryHandle list) override { inner.PostDropFiles(window, list); }

  InMemoryWindowManager inner;
  bool broken = false;
};

TEST_F(ManagerWindow, ErrorInAHandlerIsShownAndTheWindowStaysUsable) {
  BreakingWindows windows;
  windows.inner.Add("Kolbra");
  Platform platform{fake_.registry, fake_.heap, windows, fake_.launcher, fake_.messages, fake_.files, fake_.clock};
  TFrmcust form(host_, platform, texts_);
  windows.broken = true;
  host_.Click("ButRefresh");
  EXPECT_EQ(host_.exceptions, std::vector<std::string>{"window list unreadable"});
  EXPECT_FALSE(host_.closed());

  windows.broken = false;
  host_.Type("CmbCaption", "Kolbra");
  host_.Click("ButTest");
  EXPECT_EQ(form.LavTest.Caption(), "OK");
  EXPECT_EQ(host_.exceptions.size(), 1u);
}

TEST_F(ManagerWindow, ErrorWhileCreatingIsShownByTheApplication) {
  BreakingWindows windows;
  windows.inner.Add("Kolbra");
  windows.broken = true;
  Platform platform{fake_.registry, fake_.heap, windows, fake_.launcher, fake_.messages, fake_.files, fake_.clock};
  RunManager(host_, platform);
  EXPECT_EQ(host_.exceptions, std::vector<std::string>{"window list unreadable"});
  EXPECT_EQ(fake_.registry.OpenHandleCount(), 0u);  // the half-built window let go of its key
}

TEST(ManagerLayout, ControlsHaveTheirPlacesAndAUniqueTabOrder) {
  const FormLayout& layout = FrmcustLayout();
  EXPECT_EQ(layout.caption, "Kolbra");
  EXPECT_EQ(layout.clientWidth, 367);
  EXPECT_EQ(layout.clientHeight, 146);
  std::vector<int> tabOrders;
  for (const ControlLayout& control : layout.controls) {
    if (control.tabOrder != kNoTabStop) tabOrders.push_back(control.tabOrder);
  }
  std::sort(tabOrders.begin(), tabOrders.end());
  std::vector<int> expected(14);
  std::iota(expected.begin(), expected.end(), 0);
  EXPECT_EQ(tabOrders, expected);
}

}  // namespace
}  // namespace kl
