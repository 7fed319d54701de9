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

// The control of each field the engine fills or focuses, in the order of the fields.
inline constexpr int fieldControls[] = {
    IDC_PATH_NAME,  IDC_FILE_LIST,   IDC_SEPARATOR,   IDC_REPLACE_FIND, IDC_REPLACE_WITH,
    IDC_SWAP_PIVOT, IDC_INSERT_TEXT, IDC_ERASE_UNTIL, IDC_DIGITS,
};
static_assert(sizeof fieldControls / sizeof fieldControls[0] == fieldCount,
              "one control for each field");

inline int controlOf(Field field) {
    return fieldControls[static_cast<int>(field)];
}

} // namespace tarnwick
