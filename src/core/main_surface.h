// What the engine needs from the window it runs in. The Main dialog provides it on its real
// controls; tests provide a recording fake.
#pragma once

#include "run_model.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarnwick {

// The fields of the window that the engine fills or puts the focus in, each listed once here:
// the enumeration and the names of the fields come from this list.
#define TARNWICK_FIELDS(FIELD)                                                                     \
    FIELD(pathName)                                                                                \
    FIELD(fileList)                                                                                \
    FIELD(separator)                                                                               \
    FIELD(replaceFind)                                                                             \
    FIELD(replaceWith)                                                                             \
    FIELD(swapPivot)                                                                               \
    FIELD(insertText)                                                                              \
    FIELD(eraseUntil)                                                                              \
    FIELD(digits)

#define TARNWICK_FIELD_ENUMERATOR(name) name,
enum class Field { TARNWICK_FIELDS(TARNWICK_FIELD_ENUMERATOR) };
#undef TARNWICK_FIELD_ENUMERATOR

#define TARNWICK_FIELD_NAME(name) #name,
inline constexpr const char* fieldNames[] = {TARNWICK_FIELDS(TARNWICK_FIELD_NAME)};
#undef TARNWICK_FIELD_NAME

inline constexpr int fieldCount = static_cast<int>(sizeof fieldNames / sizeof fieldNames[0]);

// The field's name as the list spells it ("pathName").
inline const char* fieldName(Field field) {
    return fieldNames[static_cast<int>(field)];
}

struct ConfirmAnswer {
    bool rename = false;        // closed with "Rename!"
    bool dontWarnAgain = false; // state of the check box when closed with "Rename!"
};

class MainSurface {
public:
    virtual ~MainSurface() = default;

    // The four operations of the window.
    virtual Options readOptions() = 0;
    virtual void showError(const std::string& text, const std::string& caption) = 0;
    virtual void setFieldText(Field field, const std::string& text) = 0;
    virtual void focusField(Field field) = 0;

    // The status area: the step label, the status text and the progress bar of one step, which
    // is started at 0 of count steps of the size step, advanced one step at a time and cleared
    // back to 0.
    virtual void setStatusText(const std::string& text) = 0;
    // The status text that ends a command, its outcome: shown as setStatusText shows it, and
    // read out by a screen reader. A command announces its outcome once and no other text.
    virtual void announceOutcome(const std::string& text) = 0;
    virtual void setStepLabel(const std::string& text) = 0;
    virtual void startProgress(std::size_t count, int step) = 0;
    virtual void stepProgress() = 0;
    virtual void clearProgress() = 0;
    // Called often during long work that has no step of the bar (every entry of a folder's walk,
    // a few thousand comparisons of the sort): the window takes what it must to stay painted
    // and answering the system, at a cost too small to measure, and no input. A window that
    // takes no message for 5 seconds is taken for hung, and the user may end it.
    virtual void keepAnswering() = 0;
    // The window's clock: milliseconds since an arbitrary start, for how long a step has run.
    virtual std::uint64_t milliseconds() = 0;
    // Lets the milliseconds pass (a file in use is waited for), the window answering as with
    // keepAnswering throughout and taking no input.
    virtual void wait(unsigned milliseconds) = 0;
    // Lets the milliseconds pass while a file waits under a temporary name between the two steps
    // of its rename: the window repaints but takes no message, so that nothing, not even the end
    // of the session, comes between the steps. A file's own waits keep this under a second.
    virtual void waitHoldingMessages(unsigned milliseconds) { wait(milliseconds); }
    // True once the session ends (the user signs out, Windows shuts down, an installer closes the
    // program): no further file is renamed or reported, and the file under way ends under its
    // old or its new name.
    virtual bool sessionEnding() { return false; }

    // The modal questions of the commands.
    // Returns true when the Preview dialog was closed with "Rename".
    virtual bool runPreviewDialog(const FileList& files) = 0;
    virtual ConfirmAnswer runConfirmDialog() = 0;
    // A question to answer with Yes (true) or No.
    virtual bool askYesNo(const std::string& text, const std::string& caption) = 0;
};

} // namespace tarnwick
