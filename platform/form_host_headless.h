// A form without a window: controls are records that tests read and drive.
#pragma once

#include <deque>
#include <map>

#include "platform/form_host.h"

namespace kl {

class HeadlessFormHost final : public FormHost {
 public:
  void Create(const FormLayout& layout) override;
  std::string Text(ControlId control) override;
  void SetText(ControlId control, const std::string& text) override;
  void SetFontColor(ControlId control, Color color) override;
  std::vector<std::string> Items(ControlId control) override;
  void ClearItems(ControlId control) override;
  void AddItem(ControlId control, const std::string& item) override;
  int ItemIndex(ControlId control) override;
  void SetItemIndex(ControlId control, int index) override;
  void OnEvent(ControlId control, std::function<void()> handler) override;
  void OnClose(std::function<void()> handler) override;
  void Close() override;
  std::optional<std::string> RunOpenDialog(const OpenDialogOptions& options, const std::string& fileName) override;
  void Run() override {}
  void ShowException(const std::string& message) override { exceptions.push_back(message); }

  // What a user does.
  ControlId Find(const std::string& name) const;
  void Click(const std::string& name);
  void Select(const std::string& name, int index);  // picks an item, then the change event
  void Type(const std::string& name, const std::string& text) { SetText(Find(name), text); }

  Color FontColor(const std::string& name) { return controls_.at(Find(name)).color; }
  bool closed() const { return closed_; }
  const FormLayout& layout() const { return layout_; }

  // Answers of the file-open dialog, one per run; none cancels.
  std::deque<std::optional<std::string>> dialogAnswers;
  std::vector<std::string> dialogStartNames;  // the file name each run started with
  std::vector<std::string> exceptions;

 private:
  struct Control {
    std::string text;
    std::vector<std::string> items;
    int itemIndex = -1;
    Color color = clBlack;
    std::function<void()> handler;
  };
  FormLayout layout_;
  std::map<ControlId, Control> controls_;
  std::function<void()> onClose_;
  bool closed_ = false;
};

}  // namespace kl
