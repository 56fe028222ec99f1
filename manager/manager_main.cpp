#include "manager/manager_main.h"

#include <exception>

#include "manager/frmcust.h"

namespace kl {

void RunManager(FormHost& host, Platform& platform) {
  ManagerTexts texts;
  try {
    TFrmcust Frmcust(host, platform, texts);
    host.Run();
  } catch (const std::exception& error) {
    host.ShowException(error.what());
  }
}

}  // namespace kl
