#include "platform/sim/sim_ui.h"

#include <algorithm>

namespace hv::sim {

std::unique_ptr<ui::Form> SimUi::createForm(const ui::FormArgs& args) {
    auto form = std::make_unique<SimForm>(*this, args);
    forms_.push_back(form.get());
    return form;
}

void SimUi::forget(SimForm& form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
}

int SimUi::messageBox(ui::Form*, const std::string& text, const std::string& title,
                      std::uint32_t style) {
    return dialogs_.messageBox(text, title, style);
}

bool SimUi::playSound(const std::string& file) {
    soundsPlayed.push_back(file);
    return true;
}

bool SimUi::shellOpen(const std::string& target) {
    opened.push_back(target);
    return true;
}

std::optional<std::string> SimUi::openFileDialog(ui::Form*, const ui::OpenFileArgs& args) {
    fileDialogs.push_back(args);
    if (fileDialogAnswers.empty()) return std::nullopt;
    FileDialogAnswer answer = fileDialogAnswers.front();
    fileDialogAnswers.pop_front();
    if (answer.result) currentDir = answer.currentDirectory;
    return answer.result;
}

std::optional<std::string> SimUi::browseForFolder(ui::Form*, const std::string& title) {
    folderDialogs.push_back(title);
    if (folderAnswers.empty()) return std::nullopt;
    auto answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
}

void SimUi::runModal(SimForm& form) {
    modalShown.push_back(form.caption());
    if (modalSteps.empty()) return;
    if (modalSteps.front().caption != form.caption()) {
        problems.push_back("modal form \"" + form.caption() +
                           "\" shown while the script waits for \"" + modalSteps.front().caption +
                           "\"");
        return;
    }
    const ModalStep step = std::move(modalSteps.front());
    modalSteps.pop_front();
    step.act(form);
}

SimForm& SimUi::form(const std::string& nameOrCaption) {
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
        if ((*it)->loaded() &&
            ((*it)->name() == nameOrCaption || (*it)->caption() == nameOrCaption))
            return **it;
    throw std::out_of_range("no loaded form " + nameOrCaption);
}

bool SimUi::hasForm(const std::string& nameOrCaption) const {
    return std::any_of(forms_.begin(), forms_.end(), [&](const SimForm* form) {
        return form->loaded() &&
               (form->name() == nameOrCaption || form->caption() == nameOrCaption);
    });
}

std::vector<SimForm*> SimUi::forms() const {
    std::vector<SimForm*> out;
    for (SimForm* form : forms_)
        if (form->loaded()) out.push_back(form);
    return out;
}

}  // namespace hv::sim
