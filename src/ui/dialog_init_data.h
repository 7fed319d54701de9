// Dialog initialisation data: the items of a template's list and combo boxes, kept beside the
// template in the resources. The dialog manager does not read it; a dialog fills its lists from
// it when it initialises.
#pragma once

#include <windows.h>

namespace tarnwick {

// Adds the items that the initialisation data of dialog template templateId holds to the list
// and combo boxes of dialog, in their order. Does nothing when the template has none.
void addListItemsFromTemplate(HWND dialog, int templateId);

} // namespace tarnwick
