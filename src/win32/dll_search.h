// Where the program's DLLs come from: the system folder alone, never the program's own folder,
// which may well be a folder of downloads that holds a DLL some page dropped there.
#pragma once

namespace tarnwick {

// Before anything else at start: every DLL loaded by name from now on, by the program or by the
// system's own DLLs on its behalf, comes from the system folder. The program's own imports are
// KnownDLLs, which the system always takes from there; the common controls are loaded later, when
// they are first called (a delayed import), and so by this rule too.
void loadDllsFromTheSystemOnly();

} // namespace tarnwick
