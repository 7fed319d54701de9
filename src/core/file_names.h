// What Windows makes of a file's name: which names a mask picks, and which names stand for a
// device instead of a file.
#pragma once

#include "wtf8_characters.h"

#include <string>

namespace tarnwick {

// True when name matches the wildcard mask by the name itself, never by its short 8.3 form:
// "*" stands for any run of characters, "?" for exactly one, every other character for itself
// regardless of letter case (as the file system compares names); "*.*" matches every name, with
// or without a dot, and a mask that ends in "." matches only names without a dot (by the mask
// without its closing dots).
bool matchesMask(const std::string& name, const std::string& mask,
                 const Wtf8Characters& characters);

// True when Windows takes name for a device: CON, PRN, AUX, NUL, COM0 to COM9, LPT0 to LPT9 and
// COM or LPT followed by a superscript 1, 2 or 3, in any letter case, alone or followed by blanks
// or by a dot and anything after it ("nul.txt", "Com1 .jpg"). Windows 10 refuses to create such a
// file; Windows 11 creates it, and then most programs and network shares cannot open it
// (Microsoft, "Naming Files, Paths, and Namespaces").
bool isReservedDeviceName(const std::string& name, const Wtf8Characters& characters);

// True when name ends in a dot or a blank. Windows drops them from a name it is given in the usual
// form, and tells every program: "Do not end a file or directory name with a space or a period."
// (Microsoft, "Naming Files, Paths, and Namespaces"). Such a name on the disk is still its own
// entry; the program only never gives one.
bool endsInDotOrBlank(const std::string& name);

} // namespace tarnwick
