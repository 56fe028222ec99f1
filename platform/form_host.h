// A form's window and its controls, as the form's handlers reach them. Controls are named
// by their place in the form's description. Two backends: Win32 windows and a headless
// one for tests.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/form_layout.h"

namespace kl {

using ControlId = int;

class FormHost {
 public:
  virtual ~FormHost() = default;

  // Builds the window and every control; nothing is shown yet.
  virtual void Create(const FormLayout& layout) = 0;

  virtual std::string Text(ControlId control) = 0;
  virtual void SetText(ControlId control, const std::string& text) = 0;
  virtual void SetFontColor(ControlId control, Color color) = 0;

  // The drop-down list of a combo box. ClearItems leaves the typed text alone.
  virtual std::vector<std::string> Items(ControlId control) = 0;
  virtual void ClearItems(ControlId control) = 0;
  virtual void AddItem(ControlId control, const std::string& item) = 0;
  virtual int ItemIndex(ControlId control) = 0;
  virtual void SetItemIndex(ControlId control, int index) = 0;

  // Click of a button, change of a combo box's selection.
  virtual void OnEvent(ControlId control, std::function<void()> handler) = 0;
  virtual void OnClose(std::function<void()> handler) = 0;
  // Closes the form as its close box does; the close handler runs.
  virtual void Close() = 0;

  // Runs a modal file-open dialog that starts with `fileName`; the chosen file's full
  // path, or none when the user cancels.
  virtual std::optional<std::string> RunOpenDialog(const OpenDialogOptions& options, const std::string& fileName) = 0;

  // Shows the form and handles its messages until it has been closed.
  virtual void Run() = 0;
  // The application's standard error box.
  virtual void ShowException(const std::string& message) = 0;
};

}  // namespace kl
