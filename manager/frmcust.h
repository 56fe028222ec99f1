// TFrmcust: the manager window, its controls and its handlers.
#pragma once

#include <memory>
#include <string>

#include "platform/controls.h"
#include "platform/platform.h"
#include "store/registry.h"

namespace kl {

// The texts the manager's actions share for the whole run of the program.
struct ManagerTexts {
  std::string redirectCommand;
  std::string viewerPath;
};

class TFrmcust {
 public:
  // Builds the window, then the registry object, the redirect command, the title list
  // and the list of redirected extensions.
  TFrmcust(FormHost& host, Platform& platform, ManagerTexts& texts);

  TEdit EdtExt;
  TEdit EdtExe;
  TLabel Label1;
  TButton ButAdd;
  TComboBox ComboBox1;
  TButton ButExtract;
  TLabel Label2;
  TLabel Label3;
  TComboBox CmbCaption;
  TButton ButRefresh;
  TLabel Label4;
  TButton ButKlrun;
  TComboBox CmbExt;
  TButton ButRelease;
  TButton ButUnklrun;
  TButton ButBrowse;
  TOpenDialog OpenDialog1;
  TButton ButTest;
  TLabel LavTest;
  TButton Button1;
  TLabel Label5;

  void ButExtractClick();
  void ComboBox1Change();
  void ButAddClick();
  void ButRefreshClick();
  void ButKlrunClick();
  void ButReleaseClick();
  void ButUnklrunClick();
  void ButBrowseClick();
  void ButTestClick();
  void Button1Click();
  void FormClose();

  // The registry object; none once the window has closed.
  TRegistry* registry() const { return registry_.get(); }

 private:
  void WireEvents();

  FormHost& host_;
  Platform& platform_;
  ManagerTexts& texts_;
  std::unique_ptr<TRegistry> registry_;
};

// `"<folder>KL.EXE" "%1"` for the program at `executablePath`.
std::string BuildRedirectCommand(const std::string& executablePath);

}  // namespace kl
