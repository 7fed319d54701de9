#include "preview_dialog.h"

#include "preview_text.h"
#include "res/resource.h"
#include "status_area.h"
#include "win32/text_conversion.h"

#include <algorithm>
#include <string>
#include <utility>

namespace tarnwick {

namespace {
// The largest text a multi-line edit control accepts; its default limit would cut long lists.
const WPARAM maxEditText = 0x7FFFFFFE;
// The text field is filled a piece at a time, the window kept answering in between. Each piece
// costs the field a walk over every line it holds already besides the layout of its own (Wine's
// field measured a quarter more in pieces of 1,000 lines of 100,000 than in one call), so the
// pieces are as large as answering allows: each is sized to take about a fifth of a second.
constexpr DWORD pieceMilliseconds = 200;
constexpr std::size_t firstPieceLines = 1000;
} // namespace

PreviewDialog::PreviewDialog(HWND owner, const FileList& files, std::function<void()> keepAnswering)
    : ModalDialog(IDD_PREVIEW, owner), files_(files), keepAnswering_(std::move(keepAnswering)) {}

bool PreviewDialog::onInit() {
    SendMessageW(item(IDC_PREVIEW_TEXT), EM_SETLIMITTEXT, maxEditText, 0);
    // The text field follows the buttons, so no label names it: it takes the dialog's title.
    annotations_.nameFields(hwnd(), {{IDC_PREVIEW_TEXT, FieldCaption::Where::dialogTitle}});
    showText();
    return true; // the dialog manager focuses the first tab stop, "Rename"
}

bool PreviewDialog::onButtonClicked(int id) {
    if (id != IDC_SHOW_PATH)
        return ModalDialog::onButtonClicked(id);
    showText();
    return true;
}

// A long text takes the edit control seconds to lay out in one call, during which the window
// takes no message and Windows may take it for hung. The text goes in a piece at a time instead,
// each added at the end of the one before, the window kept answering in between; then the
// field shows its first line. Clicks and keys of the meantime were aimed at a field not yet
// filled, and are dropped.
void PreviewDialog::showText() {
    const HWND field = item(IDC_PREVIEW_TEXT);
    const bool showPath = isChecked(IDC_SHOW_PATH);
    SetWindowTextW(field, L"");
    std::size_t lines = firstPieceLines;
    for (std::size_t first = 0; first < files_.size();) {
        const std::size_t last = std::min(files_.size(), first + lines);
        // The caret stands at the end of the text, where the last piece left it.
        const std::wstring piece = wideFromProgram(buildPreviewText(files_, first, last, showPath));
        const DWORD start = GetTickCount();
        SendMessageW(field, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
        // GetTickCount counts in steps of the system timer, 10 to 16 ms, and its DWORD wraps
        // after 49.7 days (Microsoft's documentation of GetTickCount): the difference of two
        // readings stays right across the wrap, and a piece quicker than a step counts as 1 ms.
        const DWORD took = std::max<DWORD>(GetTickCount() - start, 1);
        if (keepAnswering_)
            keepAnswering_();
        first = last;
        // The next piece as many lines as take the time of one, from half to twice this one's.
        lines = std::clamp<std::size_t>(lines * pieceMilliseconds / took,
                                        std::max<std::size_t>(lines / 2, 1), lines * 2);
    }
    SendMessageW(field, EM_SETSEL, 0, 0);
    SendMessageW(field, EM_SCROLLCARET, 0, 0);
    StatusArea::discardQueuedInput();
}

} // namespace tarnwick
