#include "preview_dialog.h"

#include "preview_text.h"
#include "res/resource.h"
#include "status_area.h"
#include "win32/handles.h"
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

// The field gets a buffer of the whole text's size before the first piece. A field that has to
// grow reallocates its buffer to the size it needs, copying all it holds: once per piece, which
// made the open of 300,000 lines 1.12 to 1.21 times that of one call under Wine. EM_SETHANDLE
// gives a multi-line field "the handle of the memory that will be used", and "Before an
// application sets a new memory handle, it should send an EM_GETHANDLE message to retrieve the
// handle of the current memory buffer and should free that memory."
// (https://learn.microsoft.com/windows/win32/controls/em-sethandle). The field owns the new one,
// and is empty afterwards, as without the memory, when it grows as it needs.
void emptyWithRoomFor(HWND field, std::size_t characters) {
    Owned<HLOCAL, LocalFree> buffer(
        LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, (characters + 1) * sizeof(wchar_t)));
    if (!buffer.valid()) {
        SetWindowTextW(field, L"");
        return;
    }
    const Owned<HLOCAL, LocalFree> old(
        reinterpret_cast<HLOCAL>(SendMessageW(field, EM_GETHANDLE, 0, 0)));
    SendMessageW(field, EM_SETHANDLE, reinterpret_cast<WPARAM>(buffer.take()), 0);
}

// The end of the count lines from first on, at most the end of the text.
std::size_t afterLines(const std::wstring& text, std::size_t first, std::size_t count) {
    for (; count > 0 && first < text.size(); --count) {
        first = text.find(L'\n', first);
        first = first == std::wstring::npos ? text.size() : first + 1;
    }
    return first;
}
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
    std::wstring text = wideFromProgram(buildPreviewText(files_, isChecked(IDC_SHOW_PATH)));
    emptyWithRoomFor(field, text.size());
    std::size_t lines = firstPieceLines;
    for (std::size_t first = 0; first < text.size();) {
        const std::size_t last = afterLines(text, first, lines);
        // The caret stands at the end of the text, where the last piece left it; the piece ends
        // where the next begins, for the time of the call.
        const wchar_t next = std::exchange(text[last], L'\0');
        const DWORD start = GetTickCount();
        SendMessageW(field, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str() + first));
        // GetTickCount counts in steps of the system timer, 10 to 16 ms, and its DWORD wraps
        // after 49.7 days (Microsoft's documentation of GetTickCount): the difference of two
        // readings stays right across the wrap, and a piece quicker than a step counts as 1 ms.
        const DWORD took = std::max<DWORD>(GetTickCount() - start, 1);
        text[last] = next;
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
