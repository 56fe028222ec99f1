// Typed views of the controls of a form, each a name in the form's description bound to
// the form's host.
#pragma once

#include <string>
#include <vector>

#include "platform/form_host.h"

namespace kl {

class TControl {
 public:
  TControl(FormHost& host, ControlId id) : host_(&host), id_(id) {}
  ControlId id() const { return id_; }

 protected:
  FormHost* host_;
  ControlId id_;
};

class TLabel : public TControl {
 public:
  using TControl::TControl;
  std::string Caption() const { return host_->Text(id_); }
  void SetCaption(const std::string& caption) { host_->SetText(id_, caption); }
  void SetFontColor(Color color) { host_->SetFontColor(id_, color); }
};

class TEdit : public TControl {
 public:
  using TControl::TControl;
  std::string Text() const { return host_->Text(id_); }
  void SetText(const std::string& text) { host_->SetText(id_, text); }
};

class TButton : public TControl {
 public:
  using TControl::TControl;
};

class TComboBox : public TControl {
 public:
  using TControl::TControl;
  std::string Text() const { return host_->Text(id_); }
  void SetText(const std::string& text) { host_->SetText(id_, text); }
  std::vector<std::string> Items() const { return host_->Items(id_); }
  void ClearItems() { host_->ClearItems(id_); }
  void AddItem(const std::string& item) { host_->AddItem(id_, item); }
  void SetItems(const std::vector<std::string>& items) {
    ClearItems();
    for (const std::string& item : items) AddItem(item);
  }
  int ItemIndex() const { return host_->ItemIndex(id_); }
  void SetItemIndex(int index) { host_->SetItemIndex(id_, index); }
};

class TOpenDialog {
 public:
  TOpenDialog(FormHost& host, OpenDialogOptions options) : host_(&host), options_(std::move(options)) {}
  std::string FileName() const { return fileName_; }
  void SetFileName(const std::string& fileName) { fileName_ = fileName; }
  const OpenDialogOptions& options() const { return options_; }
  // True when the user confirmed a file, which FileName then holds.
  bool Execute() {
    auto chosen = host_->RunOpenDialog(options_, fileName_);
    if (!chosen) return false;
    fileName_ = *chosen;
    return true;
  }

 private:
  FormHost* host_;
  OpenDialogOptions options_;
  std::string fileName_;
};

}  // namespace kl
