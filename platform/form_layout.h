// A form described as data: its own settings and every control with kind, place, caption
// and tab order. The same description builds the real window and the headless one, and
// tests compare a live window with it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kl {

enum class ControlKind { Label, Edit, Button, ComboBox };
enum class ComboStyle { DropDown, DropDownList };  // typing allowed, or list only

// Colours in 0x00BBGGRR.
using Color = std::uint32_t;
constexpr Color clBlack = 0x000000;
constexpr Color clBlue = 0xFF0000;
constexpr Color clRed = 0x0000FF;

constexpr int kNoTabStop = -1;

struct ControlLayout {
  std::string name;
  ControlKind kind;
  int left, top, width, height;  // pixels of the client area at 96 dpi
  std::string caption;
  int tabOrder = kNoTabStop;
  ComboStyle comboStyle = ComboStyle::DropDown;
  std::vector<std::string> items;
  bool bold = false;      // a bold font of its own
  bool autoSize = false;  // sizes itself to its text
};

struct FormLayout {
  std::string caption;
  int clientWidth, clientHeight;  // at 96 dpi
  std::string fontName;
  int fontHeight;  // pixels at 96 dpi
  std::vector<ControlLayout> controls;
};

struct OpenDialogOptions {
  std::string filter;  // display name and pattern pairs separated by "|"
  bool fileMustExist = true;
  bool hideReadOnly = true;
};

}  // namespace kl
