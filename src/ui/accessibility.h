// What a screen reader learns of the program's dialogs beyond what their controls tell of
// themselves: a name for each field that no label before it names, and a status text that is
// read out when a command has ended. Both go through the system's annotation service, which
// tests replace by a stand-in.
#pragma once

#include <windows.h>

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

namespace tarnwick {

// What the program tells the system's accessibility about a control.
class Annotations {
public:
    virtual ~Annotations() = default;
    // The control's name, in place of the one the system would find for it.
    virtual void setName(HWND control, const std::wstring& name) = 0;
    // Makes the control a polite live region: a screen reader reads its text, once it is idle,
    // each time the control announces a change (see announceChange).
    virtual void setPoliteLiveRegion(HWND control) = 0;
    // Takes back what was given the control.
    virtual void clear(HWND control) = 0;

    // The annotations in use: the system's service unless a stand-in is in place.
    static Annotations& current();
    // Puts a stand-in in place (null: the system's service again); returns the one before.
    static Annotations* replace(Annotations* standIn);
};

// Where the caption that names a field is: a control of the dialog by its id, the control that
// follows it (a label without an id of its own), or the dialog's own title.
struct FieldCaption {
    enum class Where { control, afterControl, dialogTitle };
    int field;
    Where where;
    int control = 0;
};

// The annotations of one dialog: given when it starts, taken back when its window is destroyed.
class DialogAnnotations {
public:
    DialogAnnotations() = default;
    ~DialogAnnotations();
    DialogAnnotations(const DialogAnnotations&) = delete;
    DialogAnnotations& operator=(const DialogAnnotations&) = delete;

    // Names each field after the caption the user sees beside it.
    void nameFields(HWND dialog, std::initializer_list<FieldCaption> captions) {
        nameFields(dialog, captions.begin(), captions.size());
    }
    template <std::size_t count>
    void nameFields(HWND dialog, const FieldCaption (&captions)[count]) {
        nameFields(dialog, captions, count);
    }
    void nameFields(HWND dialog, const FieldCaption* captions, std::size_t count);
    // Makes a control of the dialog a polite live region.
    void makeLiveRegion(HWND dialog, int id);

private:
    void watch(HWND dialog);
    void clearAll();
    static LRESULT CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);

    HWND dialog_ = nullptr;
    std::vector<HWND> annotated_;
};

// Tells a screen reader that the live region's text has changed; it reads the text then.
void announceChange(HWND liveRegion);

// The high-contrast setting of the system, read through a query that tests can replace.
class HighContrast {
public:
    using Query = bool (*)();
    static bool on();
    // Puts another query in place (null: the system's again); returns the one before.
    static Query replaceQuery(Query query);
};

} // namespace tarnwick
