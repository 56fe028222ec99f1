// The manager window as data: its settings and its controls in creation order.
#pragma once

#include "platform/form_spec.h"

namespace kl {

const FormSpec& FrmcustLayout();
OpenDialogSpec OpenDialog1Layout();

}  // namespace kl
