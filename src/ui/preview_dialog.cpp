#include "preview_dialog.h"

#include "res/resource.h"

namespace tarnwick {

PreviewDialog::PreviewDialog(HWND owner, const FileList& files)
    : ModalDialog(IDD_PREVIEW, owner), files_(files) {}

} // namespace tarnwick
