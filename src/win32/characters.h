// The letters and capitals of every script as Windows tells them, and the program's characters
// that know them.
#pragma once

#include "core/wtf8_characters.h"

namespace tarnwick {

const PlatformLetters& platformLetters();

const Wtf8Characters& programCharacters();

} // namespace tarnwick
