// The Preview dialog: every old name beside its new name.
#pragma once

#include "engine/run_model.h"
#include "modal_dialog.h"

namespace tarnwick {

class PreviewDialog : public ModalDialog {
public:
    // Shows the Main dialog's own list; holds no copy of it. run() returns IDOK for "Rename".
    PreviewDialog(HWND owner, const FileList& files);

private:
    const FileList& files_;
};

} // namespace tarnwick
