// A form as a real top-level window with the standard Windows controls, so that screen
// readers and UI automation reach every control.
#pragma once

#include <windows.h>

#include <map>

#include "platform/form_host.h"

namespace kl {

class Win32FormHost final : public FormHost {
 public:
  Win32FormHost();
  ~Win32FormHost() override;

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
  void Run() override;
  void ShowException(const std::string& message) override;

  // Child window identifiers are the control's place in the description plus this.
  static constexpr int kFirstControlId = 100;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND Child(ControlId control) const;
  HFONT MakeFont(const std::string& face, int height, bool bold) const;
  int Scale(int pixels) const { return MulDiv(pixels, dpi_, 96); }
  void FitToText(ControlId control);

  FormLayout layout_;
  HWND form_ = nullptr;
  int dpi_ = 96;
  HFONT font_ = nullptr;
  HFONT boldFont_ = nullptr;
  std::map<ControlId, Color> colors_;
  std::map<ControlId, std::function<void()>> handlers_;
  std::function<void()> onClose_;
};

}  // namespace kl
