#include "platform/form_host_headless.h"

#include <stdexcept>

namespace kl {

void HeadlessFormHost::Create(const FormLayout& layout) {
  layout_ = layout;
  for (ControlId id = 0; id < static_cast<ControlId>(layout.controls.size()); ++id) {
    const ControlLayout& control = layout.controls[static_cast<std::size_t>(id)];
    controls_[id] = Control{control.caption, control.items, -1, clBlack, nullptr};
  }
}

std::string HeadlessFormHost::Text(ControlId control) { return controls_.at(control).text; }

void HeadlessFormHost::SetText(ControlId control, const std::string& text) { controls_.at(control).text = text; }

void HeadlessFormHost::SetFontColor(ControlId control, Color color) { controls_.at(control).color = color; }

std::vector<std::string> HeadlessFormHost::Items(ControlId control) { return controls_.at(control).items; }

void HeadlessFormHost::ClearItems(ControlId control) {
  controls_.at(control).items.clear();
  controls_.at(control).itemIndex = -1;
}

void HeadlessFormHost::AddItem(ControlId control, const std::string& item) {
  controls_.at(control).items.push_back(item);
}

int HeadlessFormHost::ItemIndex(ControlId control) { return controls_.at(control).itemIndex; }

void HeadlessFormHost::SetItemIndex(ControlId control, int index) {
  Control& c = controls_.at(control);
  c.itemIndex = index >= 0 && index < static_cast<int>(c.items.size()) ? index : -1;
  const bool listOnly = layout_.controls[static_cast<std::size_t>(control)].comboStyle == ComboStyle::DropDownList;
  if (c.itemIndex >= 0) {
    c.text = c.items[static_cast<std::size_t>(c.itemIndex)];
  } else if (listOnly) {
    c.text.clear();
  }
}

void HeadlessFormHost::OnEvent(ControlId control, std::function<void()> handler) {
  controls_.at(control).handler = std::move(handler);
}

void HeadlessFormHost::OnClose(std::function<void()> handler) { onClose_ = std::move(handler); }

void HeadlessFormHost::Close() {
  if (closed_) return;
  closed_ = true;
  if (onClose_) onClose_();
}

std::optional<std::string> HeadlessFormHost::RunOpenDialog(const OpenDialogOptions&, const std::string& fileName) {
  dialogStartNames.push_back(fileName);
  if (dialogAnswers.empty()) return std::nullopt;
  auto answer = dialogAnswers.front();
  dialogAnswers.pop_front();
  return answer;
}

ControlId HeadlessFormHost::Find(const std::string& name) const {
  for (ControlId id = 0; id < static_cast<ControlId>(layout_.controls.size()); ++id) {
    if (layout_.controls[static_cast<std::size_t>(id)].name == name) return id;
  }
  throw std::out_of_range("no control " + name);
}

void HeadlessFormHost::Click(const std::string& name) {
  if (auto& handler = controls_.at(Find(name)).handler) handler();
}

void HeadlessFormHost::Select(const std::string& name, int index) {
  SetItemIndex(Find(name), index);
  Click(name);
}

}  // namespace kl
