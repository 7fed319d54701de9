#include "dialog_init_data.h"

#include <cstring>

namespace tarnwick {

namespace {

// The resource type of dialog initialisation data.
constexpr WORD dialogInitType = 240;
// The add-string messages as that data names them.
constexpr WORD listBoxAddString = 0x0401;
constexpr WORD comboBoxAddString = 0x0403;

} // namespace

// The data is a row of records: control id, add-string message, byte count and the text with its
// terminator; a zero ends it.
void addListItemsFromTemplate(HWND dialog, int templateId) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC found =
        FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(dialogInitType));
    if (found == nullptr)
        return;
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    const DWORD size = SizeofResource(module, found);
    if (data == nullptr)
        return;
    DWORD at = 0;
    while (at + 8 <= size) {
        WORD id = 0;
        WORD message = 0;
        DWORD length = 0;
        std::memcpy(&id, data + at, sizeof id);
        std::memcpy(&message, data + at + 2, sizeof message);
        std::memcpy(&length, data + at + 4, sizeof length);
        at += 8;
        if (id == 0 || length == 0 || length > size - at || data[at + length - 1] != 0)
            return;
        const auto text = reinterpret_cast<LPARAM>(data + at);
        if (message == comboBoxAddString)
            SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, text);
        else if (message == listBoxAddString)
            SendDlgItemMessageA(dialog, id, LB_ADDSTRING, 0, text);
        at += length;
    }
}

} // namespace tarnwick
