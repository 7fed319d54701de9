// The Main dialog's control tables: which fields each option box switches (all of them start
// disabled), the control of each field the engine fills or focuses, and the caption that names
// each field that no label names for a screen reader.
#pragma once

#include "core/main_surface.h"
#include "res/resource.h"
#include "ui/accessibility.h"

namespace tarnwick {

// The fields each option check box switches on and off; zero ends a row.
struct OptionFields {
    int box;
    int fields[3];
};

inline constexpr OptionFields optionFields[] = {
    {IDC_FOLDER_PREFIX, {IDC_SEPARATOR}},
    {IDC_REPLACE, {IDC_REPLACE_FIND, IDC_REPLACE_WITH, IDC_FIRST_ONLY}},
    {IDC_SWAP, {IDC_SWAP_PIVOT}},
    {IDC_ERASE, {IDC_ERASE_UNTIL}},
    {IDC_CASE, {IDC_CASE_STYLE}},
    {IDC_INSERT, {IDC_INSERT_TEXT, IDC_INSERT_POS}},
    {IDC_NUMERATE, {IDC_START_NUMBER, IDC_DIGITS}},
};

// The control of each field the engine fills or focuses.
struct FieldControl {
    Field field;
    int control;
};

inline constexpr FieldControl fieldControls[] = {
    {Field::pathName, IDC_PATH_NAME},
    {Field::fileList, IDC_FILE_LIST},
    {Field::separator, IDC_SEPARATOR},
    {Field::replaceFind, IDC_REPLACE_FIND},
    {Field::replaceWith, IDC_REPLACE_WITH},
    {Field::swapPivot, IDC_SWAP_PIVOT},
    {Field::insertText, IDC_INSERT_TEXT},
    {Field::eraseUntil, IDC_ERASE_UNTIL},
    {Field::digits, IDC_DIGITS},
};

// True when the table names every field once, each at the place of its value.
constexpr bool eachFieldInItsPlace() {
    int place = 0;
    for (const FieldControl& row : fieldControls)
        if (static_cast<int>(row.field) != place++)
            return false;
    return place == fieldCount;
}
static_assert(eachFieldInItsPlace(), "one control for each field, in the order of the fields");

inline int controlOf(Field field) {
    return fieldControls[static_cast<int>(field)].control;
}

// A screen reader names a field after the static text before it, and only after one that comes
// before any tab stop or group: "To find the control's label, Microsoft Active Accessibility
// searches for a static text control by calling GetWindow with the GW_HWNDPREV flag. The search
// is halted if a static text control is found, or if a control is encountered that has the window
// styles WS_GROUP | WS_TABSTOP" ("Providing the Name Property"), either of the two flags:
// https://learn.microsoft.com/windows/win32/winauto/providing-the-name-property
// Most fields here follow the check box or radio button that switches them on, so they would have
// no name; each is named after the caption of that button instead. The digit count follows its
// label "using", the middle of its row: it is named after the word after it, "digits". The other
// fields ("Separator string:", "with:", "at position") keep the names of their labels.
inline constexpr FieldCaption fieldCaptions[] = {
    {IDC_PATH_NAME, FieldCaption::Where::control, IDC_MODE_PATH},
    {IDC_FILE_LIST, FieldCaption::Where::control, IDC_MODE_LIST},
    {IDC_REPLACE_FIND, FieldCaption::Where::control, IDC_REPLACE},
    {IDC_SWAP_PIVOT, FieldCaption::Where::control, IDC_SWAP},
    {IDC_INSERT_TEXT, FieldCaption::Where::control, IDC_INSERT},
    {IDC_ERASE_UNTIL, FieldCaption::Where::control, IDC_ERASE},
    {IDC_CASE_STYLE, FieldCaption::Where::control, IDC_CASE},
    {IDC_START_NUMBER, FieldCaption::Where::control, IDC_NUMERATE},
    {IDC_DIGITS, FieldCaption::Where::afterControl, IDC_SPIN_DIGITS},
};

} // namespace tarnwick
