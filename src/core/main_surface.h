// What the engine needs from the window it runs in. The Main dialog provides it on its real
// controls; tests provide a recording fake.
#pragma once

#include "run_model.h"

#include <climits>
#include <cstddef>
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

    // The status area.
    virtual void setStatusText(const std::string& text) = 0;
    virtual void setStepLabel(const std::string& text) = 0;
    virtual void setProgressRange(int max) = 0;
    virtual void setProgressPos(int pos) = 0;
    virtual void setProgressStep(int step) = 0;
    virtual void stepProgress() = 0;

    // The bar of one step, the protocol every step keeps: started at 0 of count (at most the
    // largest int) with steps of step, advanced by stepProgress, and cleared back to 0.
    void startProgress(std::size_t count, int step = 1) {
        setProgressRange(count > static_cast<std::size_t>(INT_MAX) ? INT_MAX
                                                                   : static_cast<int>(count));
        setProgressPos(0);
        setProgressStep(step);
    }
    void clearProgress() { setProgressPos(0); }

    // The wait cursor: shown while a command works. Each question below puts it aside while the
    // user answers and shows it again afterwards.
    virtual void showWaitCursor() = 0;
    virtual void restoreCursor() = 0;

    // The modal questions of the commands.
    // Returns true when the Preview dialog was closed with "Rename".
    virtual bool runPreviewDialog(const FileList& files) = 0;
    virtual ConfirmAnswer runConfirmDialog() = 0;
    // A question to answer with Yes (true) or No.
    virtual bool askYesNo(const std::string& text, const std::string& caption) = 0;
};

} // namespace tarnwick
