// The program's code page (the process's ANSI code page) as the platform-free code knows it.
#pragma once

#include "core/code_page.h"

namespace tarnwick {

// The letters and capitals of every script, as Windows tells them.
const PlatformCharacters& platformCharacters();

// Read once, at the first call.
const CodePage& systemCodePage();

} // namespace tarnwick
