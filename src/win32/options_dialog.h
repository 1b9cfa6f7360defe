#pragma once
// The options dialog window: a real top-level window with the controls of the options layout,
// shown modally over the main window. Its check boxes are the live settings.
#include <windows.h>

#include <array>
#include <string_view>

#include "ports/options_dialog_port.h"
#include "ui/options_layout.h"
#include "win32/dialog_window.h"

namespace Lmr::win32 {

class OptionsDialog final : public OptionsDialogPort, public DialogWindow {
 public:
  explicit OptionsDialog(const MainWindow& owner) : DialogWindow(owner) {}

  void build(OptionsDialogEvents& handlers) override;
  void detachHandlers() override { handlers_ = nullptr; }
  void setAboutText(std::wstring_view text) override;
  bool isChecked(Setting setting) override;
  void setChecked(Setting setting, bool checked) override;
  bool visible() override { return modal_.visible(); }
  void showModal() override;
  void close() override { modal_.close(); }
  void focus() override { modal_.focus(); }
  void showNotice(std::wstring_view text, std::wstring_view caption) override;
  void openWebPage(std::wstring_view address) override;

 private:
  LRESULT dialogMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void closeBox() override;
  static LRESULT CALLBACK groupBoxProc(HWND groupBox, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR subclassId, DWORD_PTR unused);
  void handleLink(ui::OptionsControlId link);

  HWND createControl(const ui::OptionsControlSpec& spec);
  HFONT fontOf(ui::OptionsControlId id) const;
  ui::Box fittedBox(const ui::OptionsControlSpec& spec, std::wstring_view text) const;
  HWND control(ui::OptionsControlId id) const;

  OptionsDialogEvents* handlers_ = nullptr;
  Font aboutFont_;
  std::array<HWND, 17> controls_{};
};

}  // namespace Lmr::win32
