// The Main dialog's control tables: which fields each option box switches (all of them start
// disabled), and the control of each field the engine fills or focuses.
#pragma once

#include "core/main_surface.h"
#include "res/resource.h"

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

} // namespace tarnwick
