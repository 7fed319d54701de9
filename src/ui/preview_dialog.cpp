#include "preview_dialog.h"

#include "engine/preview_text.h"
#include "res/resource.h"

namespace tarnwick {

namespace {
// The largest text a multi-line edit control accepts; its default limit would cut long lists.
const WPARAM maxEditText = 0x7FFFFFFE;
} // namespace

PreviewDialog::PreviewDialog(HWND owner, const FileList& files)
    : ModalDialog(IDD_PREVIEW, owner), files_(files) {}

bool PreviewDialog::onInit() {
    SendMessageA(item(IDC_PREVIEW_TEXT), EM_SETLIMITTEXT, maxEditText, 0);
    fill();
    showText();
    return true; // the dialog manager focuses the first tab stop, "Rename"
}

bool PreviewDialog::onCommand(int id, int notifyCode) {
    if (id == IDC_SHOW_PATH && notifyCode == BN_CLICKED) {
        fill();
        showText();
        return true;
    }
    return ModalDialog::onCommand(id, notifyCode);
}

void PreviewDialog::fill() {
    const bool showPath =
        SendMessageA(item(IDC_SHOW_PATH), BM_GETCHECK, 0, 0) == static_cast<LRESULT>(BST_CHECKED);
    text_ = buildPreviewText(files_, showPath);
}

void PreviewDialog::showText() {
    SetWindowTextA(item(IDC_PREVIEW_TEXT), text_.c_str());
}

} // namespace tarnwick
