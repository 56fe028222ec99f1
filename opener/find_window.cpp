#include "opener/find_window.h"

#include "platform/text.h"

namespace kl {

bool TitleMatches(std::string_view title, std::string_view text) { return AnsiPos(text, title) != 0; }

WindowHandle FindWindowByTitle(WindowManager& windows, std::string_view text) {
  if (text.empty()) return 0;  // matches nothing; no need to read a single title
  for (WindowHandle window = windows.FirstTopLevel(); window != 0; window = windows.NextTopLevel(window)) {
    if (TitleMatches(windows.Title(window), text)) return window;
  }
  return 0;
}

}  // namespace kl
