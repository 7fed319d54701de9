#include "confirm_dialog.h"

#include "res/resource.h"

namespace tarnwick {

ConfirmDialog::ConfirmDialog(HWND owner) : ModalDialog(IDD_CONFIRM, owner) {}

} // namespace tarnwick
