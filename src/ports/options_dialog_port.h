#pragma once
#include <string_view>

#include "ports/setting.h"

namespace Lmr {

// What the options dialog reports.
class OptionsDialogEvents {
 public:
  virtual void ok_btn_Click() = 0;
  virtual void linkLabel1_LinkClicked() = 0;
  virtual void contact_support_LinkClicked() = 0;
  virtual void check_for_updates_LinkClicked() = 0;

 protected:
  ~OptionsDialogEvents() = default;
};

// The options dialog window: its check boxes are the live settings.
class OptionsDialogPort {
 public:
  virtual ~OptionsDialogPort() = default;
  // Creates the hidden dialog, owned by the main window and with its icon; its events go to
  // `handlers`.
  virtual void build(OptionsDialogEvents& handlers) = 0;
  // No event goes to the handlers from here on: they are ending.
  virtual void detachHandlers() = 0;
  virtual void setAboutText(std::wstring_view text) = 0;
  virtual bool isChecked(Setting setting) = 0;
  virtual void setChecked(Setting setting, bool checked) = 0;
  virtual bool visible() = 0;
  // Shows the dialog modally over the main window and returns when it has been closed.
  virtual void showModal() = 0;
  // Closes (hides) the dialog.
  virtual void close() = 0;
  virtual void focus() = 0;
  // A message box over the dialog; returns once the user has closed it.
  virtual void showNotice(std::wstring_view text, std::wstring_view caption) = 0;
  // Opens a web address in the default browser without waiting for it.
  virtual void openWebPage(std::wstring_view address) = 0;
};

}  // namespace Lmr
