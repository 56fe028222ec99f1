// The manager window as data: its settings and its controls in creation order.
#pragma once

#include "platform/form_layout.h"

namespace kl {

const FormLayout& FrmcustLayout();
OpenDialogOptions OpenDialog1Layout();

}  // namespace kl
