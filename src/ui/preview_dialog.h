// The Preview dialog: every old name beside its new name.
#pragma once

#include "accessibility.h"
#include "core/run_model.h"
#include "modal_dialog.h"

#include <functional>

namespace tarnwick {

class PreviewDialog : public ModalDialog {
public:
    // Shows the Main dialog's own list; holds no copy of it. run() returns IDOK for "Rename".
    // keepAnswering keeps the window answering while the text field is filled.
    PreviewDialog(HWND owner, const FileList& files, std::function<void()> keepAnswering = {});

protected:
    bool onInit() override;
    bool onButtonClicked(int id) override;

private:
    // Shows the text built from the list and the current state of "Show path name".
    void showText();

    const FileList& files_;
    std::function<void()> keepAnswering_;
    DialogAnnotations annotations_;
};

} // namespace tarnwick
