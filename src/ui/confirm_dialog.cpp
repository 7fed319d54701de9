#include "confirm_dialog.h"

#include "res/resource.h"

namespace tarnwick {

ConfirmDialog::ConfirmDialog(HWND owner) : ModalDialog(IDD_CONFIRM, owner) {}

bool ConfirmDialog::onInit() {
    setChecked(IDC_DONT_WARN, dontWarnAgain_);
    // The question keeps the label's own colours; it is only made bold, not clickable.
    question_.attach(hwnd(), IDC_QUESTION);
    question_.setBold(true);
    return true;
}

bool ConfirmDialog::onCommand(int id, int notifyCode) {
    if (id == IDOK) {
        dontWarnAgain_ = isChecked(IDC_DONT_WARN);
        end(IDOK);
        return true;
    }
    // "Cancel", Escape and the close box leave everything as it was, whatever the box shows.
    return ModalDialog::onCommand(id, notifyCode);
}

} // namespace tarnwick
