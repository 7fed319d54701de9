#include "dialog_init_data.h"

#include "win32/text_conversion.h"

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
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found =
        FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(dialogInitType));
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
        // The resource holds the texts as the resource compiler wrote them, in UTF-8.
        const std::wstring wide =
            wideFromProgram(std::string(reinterpret_cast<const char*>(data + at), length - 1));
        const auto text = reinterpret_cast<LPARAM>(wide.c_str());
        if (message == comboBoxAddString)
            SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0, text);
        else if (message == listBoxAddString)
            SendDlgItemMessageW(dialog, id, LB_ADDSTRING, 0, text);
        at += length;
    }
}

} // namespace tarnwick
