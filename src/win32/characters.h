// The letters of every script as Windows tells them, the program's characters that know them, and
// the one rule by which two names are the same entry regardless of letter case.
#pragma once

#include "core/wtf8_characters.h"

#include <string>

namespace tarnwick {

const PlatformLetters& platformLetters();

const Wtf8Characters& programCharacters();

// Names as the file system compares them, for every place that asks whether two names or paths are
// the same entry regardless of letter case: final paths, changes of letter case alone, identical
// new names and the mask (through the capital of platformLetters()). CompareStringOrdinal told to
// ignore case makes "a case-insensitive comparison, using the operating system uppercase table
// information" (its documentation), unit by unit after "ToUpperCase" (its algorithm, MS-UCODEREF):
// a character beyond the Basic Multilingual Plane is compared as it is (𐐨 and 𐐀 are two names).
// The capitals themselves come from LCMapStringEx, LCMAP_UPPERCASE in the invariant locale without
// LCMAP_LINGUISTIC_CASING, that is by "file system rules for casing" and not "linguistic rules for
// casing" (vbLinguisticCasing): ß and ẞ, ı and I, i and İ stay apart. Wine's LCMapStringEx, as its
// CharUpperBuffW (whose documentation names no table), changes a surrogate pair too, so a
// surrogate keeps its value. A test holds both calls to one verdict on a table of pairs.

// Less than 0, 0 or more than 0 as a comes before, is the same name as, or comes after b (the
// result of CompareStringOrdinal less CSTR_EQUAL, "to maintain the C runtime convention").
int compareNames(const std::wstring& a, const std::wstring& b);

// The capitals of text, unit for unit: two texts are the same name when theirs are equal.
std::wstring nameCapitals(const std::wstring& text);

} // namespace tarnwick
