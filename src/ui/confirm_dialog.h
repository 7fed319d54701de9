// The Confirm dialog: asks before anything is renamed.
#pragma once

#include "link_label.h"
#include "modal_dialog.h"

namespace tarnwick {

class ConfirmDialog : public ModalDialog {
public:
    explicit ConfirmDialog(HWND owner);
    // The state of "Don't warn me again in this session." when the dialog was closed with
    // "Rename!" (run() returned IDOK); false otherwise.
    bool dontWarnAgain() const { return dontWarnAgain_; }

protected:
    bool onInit() override;
    bool onButtonClicked(int id) override;

private:
    // The question, drawn in bold by a label of its own; it is no link and takes no click.
    LinkLabel boldQuestion_;
    bool dontWarnAgain_ = false;
};

} // namespace tarnwick
