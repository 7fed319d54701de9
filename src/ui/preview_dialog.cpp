#include "preview_dialog.h"

#include "preview_text.h"
#include "res/resource.h"

namespace tarnwick {

namespace {
// The largest text a multi-line edit control accepts; its default limit would cut long lists.
const WPARAM maxEditText = 0x7FFFFFFE;
} // namespace

PreviewDialog::PreviewDialog(HWND owner, const FileList& files)
    : ModalDialog(IDD_PREVIEW, owner), files_(files) {}

bool PreviewDialog::onInit() {
    SendMessageW(item(IDC_PREVIEW_TEXT), EM_SETLIMITTEXT, maxEditText, 0);
    showText();
    return true; // the dialog manager focuses the first tab stop, "Rename"
}

bool PreviewDialog::onButtonClicked(int id) {
    if (id != IDC_SHOW_PATH)
        return ModalDialog::onButtonClicked(id);
    showText();
    return true;
}

void PreviewDialog::showText() {
    setItemText(IDC_PREVIEW_TEXT, buildPreviewText(files_, isChecked(IDC_SHOW_PATH)));
}

} // namespace tarnwick
