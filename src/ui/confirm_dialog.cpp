#include "confirm_dialog.h"

#include "res/resource.h"

namespace tarnwick {

ConfirmDialog::ConfirmDialog(HWND owner) : ModalDialog(IDD_CONFIRM, owner) {}

bool ConfirmDialog::onInit() {
    setChecked(IDC_DONT_WARN, dontWarnAgain_);
    // The question keeps the label's own colours; it is only made bold, not clickable.
    boldQuestion_.attach(hwnd(), IDC_QUESTION);
    boldQuestion_.setBold(true);
    return true;
}

// "Cancel", Escape and the close box leave everything as it was, whatever the box shows.
bool ConfirmDialog::onButtonClicked(int id) {
    if (id == IDOK)
        dontWarnAgain_ = isChecked(IDC_DONT_WARN);
    return ModalDialog::onButtonClicked(id);
}

} // namespace tarnwick
