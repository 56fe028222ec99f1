// The manager window of KL.EXE as a person meets it: a real window of another process,
// read and driven through the window manager only.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "child_process.h"
#include "manager/frmcust_layout.h"
#include "platform/form_host_win32.h"
#include "platform/registry_win32.h"
#include "store/registry.h"

namespace kl {
namespace {

constexpr DWORD kTimeoutMs = 30000;

std::string ClassName(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  std::string lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower;
}

std::string ExpectedClass(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label: return "static";
    case ControlKind::Edit: return "edit";
    case ControlKind::Button: return "button";
    case ControlKind::ComboBox: return "combobox";
  }
  return "";
}

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

class ManagerWindowExe : public ::testing::Test {
 protected:
  void SetUp() override {
    Win32Registry backend;
    TRegistry(backend).DeleteKey("\\Software\\kolbra");
  }

  void StartKl() {
    kl_ = std::make_unique<test::ChildProcess>("\"" + test::OwnFolder() + "KL.EXE\"");
    const DWORD start = GetTickCount();
    while ((form_ = FindWindowA("TFrmcust", "Kolbra")) == nullptr && GetTickCount() - start < kTimeoutMs) Sleep(50);
    ASSERT_NE(form_, nullptr);
    // The form exists before its controls do: wait until the window is ready for input.
    ASSERT_EQ(WaitForInputIdle(kl_->handle(), kTimeoutMs), 0u);
  }

  void TearDown() override {
    if (form_ != nullptr && IsWindow(form_)) PostMessageA(form_, WM_CLOSE, 0, 0);
    if (kl_) kl_->WaitForExit(kTimeoutMs);
  }

  HWND Control(const char* name) const {
    const auto& controls = FrmcustLayout().controls;
    for (std::size_t id = 0; id < controls.size(); ++id) {
      if (controls[id].name == name) return GetDlgItem(form_, Win32FormHost::kFirstControlId + static_cast<int>(id));
    }
    return nullptr;
  }

  void PostClick(const char* name) {
    HWND button = Control(name);
    PostMessageA(form_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
  }

  std::unique_ptr<test::ChildProcess> kl_;
  HWND form_ = nullptr;
};

TEST_F(ManagerWindowExe, EveryControlStandsWhereTheLayoutSays) {
  StartKl();
  RECT client;
  GetClientRect(form_, &client);
  EXPECT_EQ(client.right, 367);
  EXPECT_EQ(client.bottom, 146);
  EXPECT_EQ(GetWindowLongA(form_, GWL_STYLE) & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_MINIMIZEBOX | WS_SYSMENU),
            WS_MINIMIZEBOX | WS_SYSMENU);

  const auto& controls = FrmcustLayout().controls;
  for (std::size_t id = 0; id < controls.size(); ++id) {
    const ControlLayout& layout = controls[id];
    SCOPED_TRACE(layout.name);
    HWND child = GetDlgItem(form_, Win32FormHost::kFirstControlId + static_cast<int>(id));
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(ClassName(child), ExpectedClass(layout.kind));
    if (layout.kind != ControlKind::ComboBox) EXPECT_EQ(WindowText(child), layout.caption);
    RECT box;
    GetWindowRect(child, &box);
    MapWindowPoints(nullptr, form_, reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, layout.left);
    EXPECT_EQ(box.top, layout.top);
    if (!layout.autoSize) {
      EXPECT_EQ(box.right - box.left, layout.width);
      EXPECT_EQ(box.bottom - box.top, layout.height);
    }
  }
  Win32Registry backend;
  EXPECT_TRUE(TRegistry(backend).KeyExists("\\Software\\kolbra"));
}

TEST_F(ManagerWindowExe, TabMovesThroughTheControlsInTabOrder) {
  StartKl();
  std::vector<std::pair<int, std::string>> ordered;
  for (const ControlLayout& layout : FrmcustLayout().controls) {
    if (layout.tabOrder != kNoTabStop) ordered.emplace_back(layout.tabOrder, layout.name);
  }
  std::sort(ordered.begin(), ordered.end());
  HWND first = GetNextDlgTabItem(form_, nullptr, FALSE);
  HWND current = first;
  for (const auto& [tabOrder, name] : ordered) {
    SCOPED_TRACE(name);
    EXPECT_EQ(current, Control(name.c_str()));
    current = GetNextDlgTabItem(form_, current, FALSE);
  }
  EXPECT_EQ(current, first);  // and round again
}

TEST_F(ManagerWindowExe, DragTestFindsTheWindowItself) {
  StartKl();
  SetWindowTextA(Control("CmbCaption"), "Kolbra");
  PostClick("ButTest");
  const DWORD start = GetTickCount();
  while (WindowText(Control("LavTest")) != "OK" && GetTickCount() - start < kTimeoutMs) Sleep(50);
  EXPECT_EQ(WindowText(Control("LavTest")), "OK");
}

TEST_F(ManagerWindowExe, ListsTheRedirectedExtensionsFromTheRegistry) {
  Win32Registry backend;
  TRegistry registry(backend);
  for (const char* extension : {".psd", ".doc"}) {
    ASSERT_TRUE(registry.OpenKey(std::string("\\Software\\kolbra\\") + extension, true));
  }
  StartKl();
  HWND list = Control("CmbExt");
  ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 2);
  // Wine hands another process's list items back as UTF-16 even to SendMessageA.
  wchar_t item[64] = {};
  SendMessageW(list, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, L".doc");
  SendMessageW(list, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, L".psd");
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(ManagerWindowExe, CloseButtonEndsTheProgram) {
  StartKl();
  PostClick("Button1");
  EXPECT_EQ(kl_->WaitForExit(kTimeoutMs), 0u);
  form_ = nullptr;
}

}  // namespace
}  // namespace kl
