#pragma once
// The options dialog's behaviour: loading the stored settings into its check boxes, storing them
// on OK, and the links to the maker's pages.
#include "app/ports/options_dialog_port.h"
#include "app/ports/settings_port.h"

namespace Lmr {

class Options {
 public:
  Options(OptionsDialogPort& dialog, SettingsPort& store);

  // The live setting: the check box's state at this moment.
  bool isOn(Setting setting) const { return dialog_.isChecked(setting); }

  void showModal() { dialog_.showModal(); }
  bool visible() const { return dialog_.visible(); }
  void focus() { dialog_.focus(); }

  void ok_btn_Click();
  void linkLabel1_LinkClicked();
  void contact_support_LinkClicked();
  void check_for_updates_LinkClicked();

 private:
  OptionsDialogPort& dialog_;
  SettingsPort& store_;
};

}  // namespace Lmr
