// The About dialog: the program's name and version, a picture, and links to the web page and to
// the feedback address.
#pragma once

#include "link_label.h"
#include "modal_dialog.h"

namespace tarnwick {

class AboutDialog : public ModalDialog {
public:
    explicit AboutDialog(HWND owner);

protected:
    bool onInit() override;

private:
    LinkLabel title_;
    LinkLabel mail_;
    LinkLabel web_;
};

} // namespace tarnwick
