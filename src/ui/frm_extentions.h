#pragma once
// The extension window "Options": lists the junk patterns of Ext.txt and adds, removes and
// resets them. Every change is written at once and copied to the finder's search-pattern box.
#include <memory>

#include "platform/platform.h"
#include "platform/ui/ui.h"

namespace hv {

class frmExtentions {
  public:
    // patternBox: the finder's search-pattern box, refreshed after every change; may be null.
    frmExtentions(ui::Ui& ui, Platform& os, ui::TextBox* patternBox);
    void showModal();

  private:
    void FillExtList();
    void refreshPatternBox();
    void add();
    void remove();
    void restoreDefaults();

    ui::Ui& ui_;
    Platform& os_;
    ui::TextBox* patternBox_;
    std::unique_ptr<ui::Form> form_;
    ui::ListBox* lstFileTypes_ = nullptr;
    ui::TextBox* txtAdd_ = nullptr;
};

}  // namespace hv
