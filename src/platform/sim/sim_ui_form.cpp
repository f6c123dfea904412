#include "platform/sim/sim_ui_form.h"

#include "platform/sim/sim_ui.h"

namespace hv::sim {

void SimMenuItem::click() {
    if (isSeparator() || !enabled_)
        throw std::logic_error("cannot choose the menu entry " + caption_ +
                               ": it is disabled or a separator");
    if (onClick) onClick();
}

ui::MenuItem& SimMenu::addItem(const std::string& caption, const std::string& name) {
    items_.push_back(std::make_unique<SimMenuItem>(caption, name));
    return *items_.back();
}

std::vector<ui::MenuItem*> SimMenu::items() const {
    std::vector<ui::MenuItem*> out;
    for (const auto& item : items_) out.push_back(item.get());
    return out;
}

SimMenuItem& SimMenu::item(const std::string& captionOrName) {
    for (const auto& item : items_)
        if (!item->isSeparator() &&
            (item->caption() == captionOrName || item->name() == captionOrName))
            return *item;
    throw std::out_of_range("menu " + args.name + " has no entry " + captionOrName);
}

void SimMenu::popup() {
    ui_.popups.push_back(args.name);
    if (ui_.menuChoices.empty()) return;  // the user dismisses the menu
    const std::string choice = ui_.menuChoices.front();
    ui_.menuChoices.pop_front();
    try {
        item(choice).click();
    } catch (const std::out_of_range&) {
        ui_.problems.push_back("menu " + args.name + " has no entry " + choice);
    }
}

bool SimTrayIcon::add() {
    if (added_) return false;  // NIM_ADD of an icon that is there fails
    added_ = true;
    ++addCount;
    return true;
}

bool SimTrayIcon::remove() {
    if (!added_) return false;
    added_ = false;
    return true;
}

void SimTrayIcon::mouse(int mouseMessage) {
    if (added_ && onMouse) onMouse(mouseMessage);
}

SimForm::SimForm(SimUi& ui, const ui::FormArgs& args)
    : args(args),
      icon(args.icon),
      ui_(ui),
      caption_(args.caption),
      bounds_{0, 0, args.clientWidth, args.clientHeight},
      topmost_(args.topmost) {
    if (args.position) {
        bounds_.left = args.position->x;
        bounds_.top = args.position->y;
    } else {
        const ui::PixelRect area = ui.workArea();
        bounds_.left = ((area.left + area.right) * ui.twipsPerPixel - bounds_.width) / 2;
        bounds_.top = ((area.top + area.bottom) * ui.twipsPerPixel - bounds_.height) / 2;
    }
}

SimForm::~SimForm() {
    ui_.forget(*this);
}

void SimForm::becomeVisible() {
    if (!loaded_) throw std::logic_error("form " + args.name + " is unloaded and cannot be shown");
    const bool wasVisible = visible_;
    visible_ = true;
    if (!wasVisible && args.activateOnShow) activate();
}

void SimForm::show() {
    becomeVisible();
}

void SimForm::showModal() {
    becomeVisible();
    modal_ = true;
    ui_.runModal(*this);
}

void SimForm::hide() {
    visible_ = false;
    modal_ = false;
}

void SimForm::activate() {
    ++activations;
    if (onActivate) onActivate();
}

bool SimForm::requestClose(ui::CloseReason reason) {
    if (!loaded_) return true;
    bool cancel = false;
    if (onCloseRequest) onCloseRequest(reason, cancel);
    if (cancel) return false;
    loaded_ = false;
    visible_ = false;
    modal_ = false;
    for (auto& tray : trays_) tray->remove();
    auto closed = onClosed;  // the handler may destroy this form
    if (closed) closed();
    return true;
}

bool SimForm::close() {
    return requestClose(ui::CloseReason::Code);
}

bool SimForm::closeByUser() {
    if (!loaded_ || !visible_) throw std::logic_error("form " + args.name + " is not shown");
    return requestClose(ui::CloseReason::User);
}

bool SimForm::endSession() {
    return requestClose(ui::CloseReason::SessionEnd);
}

void SimForm::hover(ui::Point at) {
    if (onMouseMove) onMouseMove(at);
}

void SimForm::moveFocus(SimNode& to) {
    if (focused_ == &to) return;
    SimNode* from = focused_;
    focused_ = &to;
    if (from != nullptr && from->control().onLostFocus) from->control().onLostFocus();
}

ui::Menu& SimForm::addMenu(const ui::MenuArgs& menuArgs) {
    menus_.push_back(std::make_unique<SimMenu>(ui_, menuArgs));
    return *menus_.back();
}

ui::TrayIcon& SimForm::addTrayIcon(const ui::TrayIconArgs& trayArgs) {
    trays_.push_back(std::make_unique<SimTrayIcon>(trayArgs));
    return *trays_.back();
}

SimMenu& SimForm::menu(const std::string& nameOrCaption) {
    for (const auto& menu : menus_)
        if (menu->args.name == nameOrCaption || menu->args.caption == nameOrCaption) return *menu;
    throw std::out_of_range("form " + args.name + " has no menu " + nameOrCaption);
}

SimTrayIcon& SimForm::trayIcon() {
    if (trays_.empty()) throw std::out_of_range("form " + args.name + " has no tray icon");
    return *trays_.front();
}

ui::Control* SimForm::lookup(const std::string& controlName) const {
    ui::Control* found = nullptr;
    ui::forEachControl(*this, [&](ui::Control& control) {
        if (found == nullptr && control.name() == controlName) found = &control;
    });
    return found;
}

}  // namespace hv::sim
