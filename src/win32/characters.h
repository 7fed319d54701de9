// The letters and capitals of every script as Windows tells them, and the program's code page
// (UTF-8) that knows them.
#pragma once

#include "core/code_page.h"

namespace tarnwick {

const PlatformCharacters& platformCharacters();

const CodePage& programCodePage();

} // namespace tarnwick
