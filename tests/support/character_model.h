// The character rules of names and every text operation on them, written on code points as
// plainly as the rules read, to hold the program's byte-level functions against. A name is a
// sequence of characters: the code point of each character of its code page, and for bytes that
// are none a marker above every code point: markerBase and the byte, or markerBase and both bytes
// (lead << 8 | trail) where a lead byte pairs with a trail byte into a character the page lacks.
#pragma once

#include "host_characters.h"

#include <algorithm>
#include <functional>
#include <string>

namespace tarnwick::testing {

using Text = std::u32string;

class CharacterModel {
public:
    static constexpr char32_t markerBase = 0x110000;
    static constexpr std::size_t none = Text::npos;
    // The characters the option checks refuse in a mask, a list of names, a part of a new name.
    static inline const Text maskSet = U"\\/:<>|\" ";
    static inline const Text listSet = U"\\/?*<>|\"";
    static inline const Text nameSet = U"\\\"/:*?<>|";
    // Whether a code point is a letter of any script, and whether the code page writes it.
    CharacterModel(std::function<bool(char32_t)> isLetter, std::function<bool(char32_t)> holds)
        : isLetter_(std::move(isLetter)), holds_(std::move(holds)) {}
    bool isLetter(char32_t c) const { return c < markerBase && isLetter_(c); }
    // The index after the first n characters.
    static std::size_t position(const Text& text, long long n) {
        return static_cast<std::size_t>(std::clamp<long long>(n, 0, text.size()));
    }
    // The last character before end that is one of set.
    static std::size_t lastOf(const Text& text, const Text& set, std::size_t end) {
        return text.substr(0, end).find_last_of(set);
    }
    static bool holdsAny(const Text& text, const Text& s) { return text.find_first_of(s) != none; }
    static bool endsWith(const Text& text, char32_t c) { return !text.empty() && text.back() == c; }
    static std::size_t dot(const Text& name) { return std::min(name.rfind(U'.'), name.size()); }
    // Letter case by the fixed pairs A-Z/a-z, Ä/ä, Ö/ö, Ü/ü, where the code page writes both
    // letters of a pair; every other character stays.
    char32_t small(char32_t c) const {
        const bool umlaut = (c == U'Ä' || c == U'Ö' || c == U'Ü') && holds_(c + 0x20);
        return (c >= U'A' && c <= U'Z') || umlaut ? c + 0x20 : c;
    }
    char32_t capital(char32_t c) const {
        const bool umlaut = (c == U'ä' || c == U'ö' || c == U'ü') && holds_(c - 0x20);
        return (c >= U'a' && c <= U'z') || umlaut ? c - 0x20 : c;
    }
    Text toSmall(Text text) const { return each(std::move(text), &CharacterModel::small); }
    Text toCapital(Text text) const { return each(std::move(text), &CharacterModel::capital); }
    // A letter after a letter becomes small, every other letter capital.
    Text toCapitalInitials(Text text) const {
        bool afterLetter = false;
        for (char32_t& c : text) {
            const bool letter = isLetter(c);
            c = afterLetter ? small(c) : capital(c);
            afterLetter = letter;
        }
        return text;
    }
    // The last part of the folder (which ends in a backslash) and the separator before the name;
    // a folder of three characters or fewer gives none.
    static Text folderPrefix(const Text& name, const Text& folder, const Text& separator) {
        if (folder.size() <= 3)
            return name;
        const std::size_t start = lastOf(folder, U"\\/", folder.size() - 1) + 1; // none + 1 is 0
        return folder.substr(start, folder.size() - 1 - start) + separator + name;
    }
    // The first or every occurrence, left to right, never searching what was put in.
    static Text replace(Text name, const Text& find, const Text& with, bool firstOnly) {
        for (std::size_t at = find.empty() ? none : name.find(find); at != none;
             at = firstOnly ? none : name.find(find, at + with.size()))
            name.replace(at, find.size(), with);
        return name;
    }
    // After the pivot, the pivot, before it, and the extension (none when the dot is before).
    static Text swap(const Text& name, const Text& pivot) {
        const std::size_t p = pivot.empty() ? none : name.find(pivot);
        if (p == none)
            return name;
        const std::size_t after = p + pivot.size();
        const std::size_t end = dot(name) < after ? name.size() : dot(name);
        return name.substr(after, end - after) + pivot + name.substr(0, p) + name.substr(end);
    }
    // After the first n characters, never behind the extension dot.
    static Text insert(Text name, const Text& text, long long n) {
        return name.insert(std::min(position(name, n), dot(name)), text);
    }
    // Everything up to and including the first occurrence.
    static Text erase(const Text& name, const Text& until) {
        const std::size_t at = until.empty() ? none : name.find(until);
        return at == none ? name : name.substr(at + until.size());
    }
    // A new name is refused when it is empty or has more than 215 UTF-16 units: a character
    // beyond the Basic Multilingual Plane is two, every other one and a byte that is none is one.
    static bool refused(const Text& name) {
        const auto pairs = std::count_if(name.begin(), name.end(),
                                         [](char32_t c) { return c > 0xFFFF && c < markerBase; });
        return name.empty() || name.size() + pairs > 215;
    }
    // Two names of one folder are the same when their small letters are.
    // Two names are the same when every character has the same capital as the file system
    // compares names (the host's); bytes that are no character compare as they are.
    static bool sameName(const Text& a, const Text& b) {
        const auto key = [](Text text) {
            for (char32_t& c : text)
                c = c < markerBase ? hostCharacters().capital(c) : c;
            return text;
        };
        return key(a) == key(b);
    }

private:
    Text each(Text text, char32_t (CharacterModel::*change)(char32_t) const) const {
        for (char32_t& c : text)
            c = (this->*change)(c);
        return text;
    }
    std::function<bool(char32_t)> isLetter_;
    std::function<bool(char32_t)> holds_;
};

} // namespace tarnwick::testing
