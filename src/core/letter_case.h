// Letter case of single bytes in the ANSI code page (Windows-1252), by fixed tables, whatever the
// system's language settings: only A-Z/a-z and the umlauts Ä/ä, Ö/ö, Ü/ü change case; a letter
// is any byte that is a letter in Windows-1252. The case operation and the check for identical
// names share them.
#pragma once

namespace tarnwick {

char toSmall(char c);
char toCapital(char c);
bool isLetter(char c);

} // namespace tarnwick
