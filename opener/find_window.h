// The window search shared by the opener and the manager's drag test.
#pragma once

#include <string_view>

#include "platform/window_manager.h"

namespace kl {

// True when `text` occurs in `title` starting on a character boundary; an empty text
// never matches.
bool TitleMatches(std::string_view title, std::string_view text);

// The first top-level window, in Z order from the top, whose title (cut to 255 bytes)
// contains `text`; 0 when none does. Hidden windows and this program's own take part.
WindowHandle FindWindowByTitle(WindowManager& windows, std::string_view text);

}  // namespace kl
