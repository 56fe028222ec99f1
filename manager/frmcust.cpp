#include "manager/frmcust.h"

#include <algorithm>

#include "manager/frmcust_layout.h"
#include "opener/find_window.h"
#include "platform/text.h"
#include "store/settings_paths.h"

namespace kl {
namespace {

ControlId IdOf(const char* name) {
  const auto& controls = FrmcustLayout().controls;
  const auto found = std::find_if(controls.begin(), controls.end(),
                                  [name](const ControlLayout& control) { return control.name == name; });
  return static_cast<ControlId>(found - controls.begin());
}

constexpr const char* kTestFound = "OK";
constexpr const char* kTestNotFound = "not found";

}  // namespace

std::string BuildRedirectCommand(const std::string& executablePath) {
  std::string command = "\"";
  command.append(ExtractFilePath(executablePath)).append("KL.EXE\" \"%1\"");
  return command;
}

TFrmcust::TFrmcust(FormHost& host, Platform& platform, ManagerTexts& texts)
    : EdtExt(host, IdOf("EdtExt")),
      EdtExe(host, IdOf("EdtExe")),
      Label1(host, IdOf("Label1")),
      ButAdd(host, IdOf("ButAdd")),
      ComboBox1(host, IdOf("ComboBox1")),
      ButExtract(host, IdOf("ButExtract")),
      Label2(host, IdOf("Label2")),
      Label3(host, IdOf("Label3")),
      CmbCaption(host, IdOf("CmbCaption")),
      ButRefresh(host, IdOf("ButRefresh")),
      Label4(host, IdOf("Label4")),
      ButKlrun(host, IdOf("ButKlrun")),
      CmbExt(host, IdOf("CmbExt")),
      ButRelease(host, IdOf("ButRelease")),
      ButUnklrun(host, IdOf("ButUnklrun")),
      ButBrowse(host, IdOf("ButBrowse")),
      OpenDialog1(host, OpenDialog1Layout()),
      ButTest(host, IdOf("ButTest")),
      LavTest(host, IdOf("LavTest")),
      Button1(host, IdOf("Button1")),
      Label5(host, IdOf("Label5")),
      host_(host),
      platform_(platform),
      texts_(texts) {
  host_.Create(FrmcustLayout());
  WireEvents();
  registry_ = std::make_unique<TRegistry>(platform_.registry);
  texts_.redirectCommand = BuildRedirectCommand(platform_.files.ExecutablePath());
  ButRefreshClick();
  registry_->SetRootKey(RegistryRoot::CurrentUser);
  registry_->OpenKey(settings::kRecordPrefix, true);
  std::vector<std::string> extensions;
  registry_->GetKeyNames(extensions);
  CmbExt.SetItems(extensions);
}

void TFrmcust::WireEvents() {
  // A platform error ends the handler it arose in; the window stays open and usable.
  const auto guarded = [this](void (TFrmcust::*handler)()) {
    return [this, handler] {
      try {
        (this->*handler)();
      } catch (const std::exception& error) {
        host_.ShowException(error.what());
      }
    };
  };
  host_.OnEvent(ButExtract.id(), guarded(&TFrmcust::ButExtractClick));
  host_.OnEvent(ComboBox1.id(), guarded(&TFrmcust::ComboBox1Change));
  host_.OnEvent(ButAdd.id(), guarded(&TFrmcust::ButAddClick));
  host_.OnEvent(ButRefresh.id(), guarded(&TFrmcust::ButRefreshClick));
  host_.OnEvent(ButKlrun.id(), guarded(&TFrmcust::ButKlrunClick));
  host_.OnEvent(ButRelease.id(), guarded(&TFrmcust::ButReleaseClick));
  host_.OnEvent(ButUnklrun.id(), guarded(&TFrmcust::ButUnklrunClick));
  host_.OnEvent(ButBrowse.id(), guarded(&TFrmcust::ButBrowseClick));
  host_.OnEvent(ButTest.id(), guarded(&TFrmcust::ButTestClick));
  host_.OnEvent(Button1.id(), guarded(&TFrmcust::Button1Click));
  host_.OnClose(guarded(&TFrmcust::FormClose));
}

void TFrmcust::ButRefreshClick() {
  WindowManager& windows = platform_.windows;
  const WindowHandle first = windows.FirstTopLevel();
  CmbCaption.ClearItems();
  std::vector<std::string> titles;
  for (WindowHandle window = first; window != 0; window = windows.NextTopLevel(window)) {
    const std::string title = windows.Title(window);
    if (title.empty()) continue;
    if (std::find(titles.begin(), titles.end(), title) == titles.end()) titles.push_back(title);
  }
  for (const std::string& title : titles) CmbCaption.AddItem(title);
}

void TFrmcust::ButTestClick() {
  const bool found = FindWindowByTitle(platform_.windows, CmbCaption.Text()) != 0;
  LavTest.SetCaption(found ? kTestFound : kTestNotFound);
  LavTest.SetFontColor(found ? clBlue : clRed);
}

void TFrmcust::ButBrowseClick() {
  OpenDialog1.SetFileName("*.exe");
  if (OpenDialog1.Execute()) EdtExe.SetText(OpenDialog1.FileName());
}

void TFrmcust::Button1Click() { host_.Close(); }

void TFrmcust::FormClose() { registry_.reset(); }

// Installing and removing redirections, reading associations and the image-view verb
// come with their own changes.
void TFrmcust::ButExtractClick() {}
void TFrmcust::ComboBox1Change() {}
void TFrmcust::ButAddClick() {}
void TFrmcust::ButKlrunClick() {}
void TFrmcust::ButReleaseClick() {}
void TFrmcust::ButUnklrunClick() {}

}  // namespace kl
