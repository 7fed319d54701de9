// A small base for modal dialogs built from resource templates: a static dialog procedure that
// forwards to member handlers, gives their results to the dialog manager, and tells the user of
// an exception instead of letting it cross into the dialog manager.
#pragma once

#include "window_text.h"

#include <windows.h>

#include <string>

namespace tarnwick {

class ModalDialog {
public:
    ModalDialog(int templateId, HWND owner) : templateId_(templateId), owner_(owner) {}
    virtual ~ModalDialog() = default;
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // Runs the dialog modally; returns the result it was ended with (IDOK, IDCANCEL, ...).
    INT_PTR run();

    HWND hwnd() const { return hwnd_; }
    HWND item(int id) const { return GetDlgItem(hwnd_, id); }
    std::string itemText(int id) const;
    void setItemText(int id, const std::string& text) { setWindowText(item(id), text); }

protected:
    // Every question the dialog asks the user, a message box or a dialog it opens, the error box
    // of an exception included, is asked inside a Prompt: a dialog that runs commands readies
    // its window for the question (beginPrompt, true when it put the wait cursor aside) and goes
    // on afterwards (endPrompt, told whether the wait cursor is to come back).
    class Prompt {
    public:
        explicit Prompt(ModalDialog& dialog)
            : dialog_(dialog), waitCursorPutAside_(dialog.beginPrompt()) {}
        ~Prompt() { dialog_.endPrompt(waitCursorPutAside_); }
        Prompt(const Prompt&) = delete;
        Prompt& operator=(const Prompt&) = delete;

    private:
        ModalDialog& dialog_;
        bool waitCursorPutAside_;
    };
    virtual bool beginPrompt() { return false; }
    virtual void endPrompt(bool) {}
    // Called on WM_INITDIALOG; return true to let the dialog manager set the focus.
    virtual bool onInit() { return true; }
    // A click on a button, or OK and Cancel from Enter, Escape and the close box; return true
    // when handled. By default OK and Cancel end the dialog with their id.
    virtual bool onButtonClicked(int id);
    // Any other message; return true when handled, with the message's result in result where it
    // has one.
    virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    void end(INT_PTR result) { EndDialog(hwnd_, result); }
    bool isChecked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }
    void setChecked(int id, bool checked) {
        CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }

private:
    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR onCommand(WPARAM wParam);
    INT_PTR onOtherMessage(UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    HWND owner_;
    HWND hwnd_ = nullptr;
};

} // namespace tarnwick
