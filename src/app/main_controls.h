// The Main dialog's control tables: which fields each option box switches, which fields start
// disabled, and the control of each field the engine fills or focuses.
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
inline int controlOf(Field field) {
    switch (field) {
    case Field::pathName: return IDC_PATH_NAME;
    case Field::fileList: return IDC_FILE_LIST;
    case Field::separator: return IDC_SEPARATOR;
    case Field::replaceFind: return IDC_REPLACE_FIND;
    case Field::replaceWith: return IDC_REPLACE_WITH;
    case Field::swapPivot: return IDC_SWAP_PIVOT;
    case Field::insertText: return IDC_INSERT_TEXT;
    case Field::eraseUntil: return IDC_ERASE_UNTIL;
    case Field::digits: return IDC_DIGITS;
    }
    return 0;
}

// The fields disabled at start, in the order they are disabled.
inline constexpr int fieldsOffAtStart[] = {
    IDC_DIGITS,       IDC_START_NUMBER, IDC_CASE_STYLE, IDC_ERASE_UNTIL,
    IDC_INSERT_POS,   IDC_INSERT_TEXT,  IDC_SWAP_PIVOT, IDC_REPLACE_WITH,
    IDC_REPLACE_FIND, IDC_SEPARATOR,    IDC_FIRST_ONLY,
};

} // namespace tarnwick
