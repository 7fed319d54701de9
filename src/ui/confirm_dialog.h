// The Confirm dialog: asks before anything is renamed.
#pragma once

#include "modal_dialog.h"

namespace tarnwick {

class ConfirmDialog : public ModalDialog {
public:
    explicit ConfirmDialog(HWND owner);
    // The state of "Don't warn me again in this session." when the dialog was closed with
    // "Rename!" (run() returned IDOK).
    bool dontWarnAgain() const { return dontWarnAgain_; }

private:
    bool dontWarnAgain_ = false;
};

} // namespace tarnwick
