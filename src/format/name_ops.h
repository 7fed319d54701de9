// The operations that change one new name. Each works in place on whole characters and depends
// only on its arguments.
#pragma once

#include "core/wtf8_characters.h"
#include "core/run_model.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarnwick {

// Index of the last "." of the name, or the name's length when it has none. The stem is the part
// before it, the extension the part from it to the end.
std::size_t extensionDot(const std::string& name);

// Writes counter in decimal, padded on the left with "0" to at least digitCount characters; a
// longer number is written in full. The text replaces number's content (its buffer is reused).
void formatNumber(std::int64_t counter, int digitCount, std::string& number);

// The name becomes the number followed by the name's extension.
void applyNumbering(std::string& name, const std::string& number);

// Puts the last component of folder (which ends in a backslash) and the separator in front of
// the name. A folder of 3 characters or less (a drive's root) gives no prefix.
void applyFolderPrefix(std::string& name, const std::string& folder, const std::string& separator,
                       const Wtf8Characters& characters);

// Replaces the first or every occurrence of find, left to right; text put in is never searched
// again. An empty find changes nothing.
void applyReplace(std::string& name, const std::string& find, const std::string& with,
                  bool firstOnly, const Wtf8Characters& characters);

// Exchanges the text before the first occurrence of pivot with the text after it, keeping the
// extension at the end. When the last "." lies before the end of the pivot, the whole rest after
// the pivot moves to the front. An empty pivot changes nothing.
void applySwap(std::string& name, const std::string& pivot, const Wtf8Characters& characters);

// Inserts text after the first position characters, but never behind the extension dot. A
// negative position counts as 0.
void applyInsert(std::string& name, const std::string& text, int position,
                 const Wtf8Characters& characters);

// Removes everything up to and including the first occurrence of until.
void applyErase(std::string& name, const std::string& until, const Wtf8Characters& characters);

// Sets the letter case of the whole name by caseStyle (smallLetters, capitalLetters,
// capitalInitials). Returns false, leaving the name unchanged, for any other style.
bool applyCase(std::string& name, int caseStyle, const Wtf8Characters& characters);

} // namespace tarnwick
