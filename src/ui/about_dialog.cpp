#include "about_dialog.h"

#include "res/resource.h"

namespace tarnwick {

AboutDialog::AboutDialog(HWND owner) : ModalDialog(IDD_ABOUT, owner) {}

} // namespace tarnwick
