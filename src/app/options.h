#pragma once
// The options dialog's behaviour: loading the stored settings into its check boxes, storing them
// on OK, and the links to the maker's pages.
#include "ports/options_dialog_port.h"
#include "ports/settings_port.h"

namespace Lmr {

class Options final : public OptionsDialogEvents, public LiveSettings {
 public:
  Options(OptionsDialogPort& dialog, SettingsPort& store) : dialog_(dialog), store_(store) {}
  Options(const Options&) = delete;
  Options& operator=(const Options&) = delete;
  ~Options() {
    if (loaded_) dialog_.detachHandlers();
  }

  // Builds the (hidden) dialog and loads the stored settings into its boxes; done once, while the
  // main window loads.
  void load();

  // The live setting: the check box's state at this moment; every setting is off before loading.
  bool isOn(Setting setting) const override { return loaded_ && dialog_.isChecked(setting); }

  void showModal() { dialog_.showModal(); }
  bool visible() const { return dialog_.visible(); }
  void focus() { dialog_.focus(); }

  void ok_btn_Click() override;
  void linkLabel1_LinkClicked() override;
  void contact_support_LinkClicked() override;
  void check_for_updates_LinkClicked() override;

 private:
  OptionsDialogPort& dialog_;
  SettingsPort& store_;
  bool loaded_ = false;
};

}  // namespace Lmr
