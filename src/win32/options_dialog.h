#pragma once
// The options dialog window (being written).
#include "app/ports/options_dialog_port.h"
#include "win32/main_window.h"

namespace Lmr::win32 {

class OptionsDialog final : public OptionsDialogPort {
 public:
  explicit OptionsDialog(const MainWindow& owner) : owner_(owner) {}
  void build(Options&) override {}
  void setAboutText(std::wstring_view) override {}
  bool isChecked(Setting setting) override { return setting == Setting::round_hsb; }
  void setChecked(Setting, bool) override {}
  bool visible() override { return false; }
  void showModal() override {}
  void close() override {}
  void focus() override {}
  void openWebPage(std::wstring_view) override {}

 private:
  const MainWindow& owner_;
};

}  // namespace Lmr::win32
