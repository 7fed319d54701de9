// The About dialog.
#pragma once

#include "modal_dialog.h"

namespace tarnwick {

class AboutDialog : public ModalDialog {
public:
    explicit AboutDialog(HWND owner);
};

} // namespace tarnwick
