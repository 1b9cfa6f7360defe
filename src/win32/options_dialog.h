#pragma once
// The options dialog window: a real top-level window with the controls of the options layout,
// shown modally over the main window. Its check boxes are the live settings.
#include <windows.h>

#include <array>
#include <string_view>

#include "ports/options_dialog_port.h"
#include "ui/options_layout.h"
#include "win32/handles.h"
#include "win32/main_window.h"
#include "win32/modal_dialog.h"

namespace Lmr::win32 {

class OptionsDialog final : public OptionsDialogPort {
 public:
  explicit OptionsDialog(const MainWindow& owner) : owner_(owner), modal_(owner.handle()) {}
  OptionsDialog(const OptionsDialog&) = delete;
  OptionsDialog& operator=(const OptionsDialog&) = delete;
  ~OptionsDialog() override;

  void build(OptionsDialogEvents& handlers) override;
  void detachHandlers() override { handlers_ = nullptr; }
  void setAboutText(std::wstring_view text) override;
  bool isChecked(Setting setting) override;
  void setChecked(Setting setting, bool checked) override;
  bool visible() override;
  void showModal() override;
  void close() override;
  void focus() override;
  void showNotice(std::wstring_view text, std::wstring_view caption) override;
  void openWebPage(std::wstring_view address) override;

 private:
  template <class Owner>
  friend LRESULT CALLBACK routeToOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void attachWindow(HWND window) { window_ = window; }
  static LRESULT CALLBACK groupBoxProc(HWND groupBox, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR subclassId, DWORD_PTR self);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void handleLink(ui::OptionsControlId link);

  static void registerClass(HINSTANCE instance);
  void createWindow(HINSTANCE instance);
  void createControls(HINSTANCE instance);
  HWND createControl(const ui::OptionsControlSpec& spec, HINSTANCE instance);
  HFONT fontOf(ui::OptionsControlId id) const;
  ui::Box fittedBox(const ui::OptionsControlSpec& spec, std::wstring_view text) const;
  HWND control(ui::OptionsControlId id) const;

  const MainWindow& owner_;
  OptionsDialogEvents* handlers_ = nullptr;
  HWND window_ = nullptr;
  Font dialogFont_;
  Font aboutFont_;
  ui::Size cell_{};
  std::array<HWND, 17> controls_{};
  ModalDialog modal_;
};

}  // namespace Lmr::win32
