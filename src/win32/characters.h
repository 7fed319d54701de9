// The letters and capitals of every script as Windows tells them, and the program's code page
// (UTF-8) that knows them.
#pragma once

#include "core/wtf8_characters.h"

namespace tarnwick {

const PlatformLetters& platformLetters();

const Wtf8Characters& programCharacters();

} // namespace tarnwick
