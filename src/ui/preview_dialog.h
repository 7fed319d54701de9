// The Preview dialog: every old name beside its new name.
#pragma once

#include "core/run_model.h"
#include "modal_dialog.h"

namespace tarnwick {

class PreviewDialog : public ModalDialog {
public:
    // Shows the Main dialog's own list; holds no copy of it. run() returns IDOK for "Rename".
    PreviewDialog(HWND owner, const FileList& files);

protected:
    bool onInit() override;
    bool onButtonClicked(int id) override;

private:
    // Shows the text built from the list and the current state of "Show path name".
    void showText();

    const FileList& files_;
};

} // namespace tarnwick
