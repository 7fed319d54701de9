// Changes of the options as one switch and its fields make them, for tables of cases and short
// set-ups: replace("a", "b")(options) switches Replace on with its two strings. And the options
// in one line of text, to compare all of them at once.
#pragma once

#include "core/run_model.h"

#include <functional>
#include <string>

namespace tarnwick::testing::changes {

using Change = std::function<void(Options&)>;

// A box switched on, with one of its fields set.
template <typename Field, typename Value>
Change boxWith(bool Options::*box, Field Options::*field, Value value) {
    return [box, field, value](Options& o) {
        o.*box = true;
        o.*field = value;
    };
}

inline Change list(const char* text) {
    return [text](Options& o) {
        o.targetMode = TargetMode::listMode;
        o.maskOrList = text;
    };
}
inline Change path(const char* text) {
    return [text](Options& o) { o.pathSpec = text; };
}
inline Change mask(const char* text) {
    return [text](Options& o) { o.maskOrList = text; };
}
inline Change separator(const char* text) {
    return boxWith(&Options::folderPrefix, &Options::separator, text);
}
inline Change replace(const char* find, const char* with = "") {
    return [find, with](Options& o) {
        o.replaceOn = true;
        o.replaceFind = find;
        o.replaceWith = with;
    };
}
inline Change swap(const char* pivot) {
    return boxWith(&Options::swapOn, &Options::swapPivot, pivot);
}
inline Change insert(const char* text) {
    return boxWith(&Options::insertOn, &Options::insertText, text);
}
inline Change insertAt(const char* text, int position) {
    return [text, position](Options& o) {
        insert(text)(o);
        o.insertPosition = position;
    };
}
inline Change erase(const char* until) {
    return boxWith(&Options::eraseOn, &Options::eraseUntil, until);
}
inline Change digits(int count) {
    return boxWith(&Options::numerate, &Options::digitCount, count);
}
inline Change numbersFrom(int start) {
    return boxWith(&Options::numerate, &Options::startNumber, start);
}
inline Change letterCase(int style) {
    return boxWith(&Options::caseOn, &Options::caseStyle, style);
}
// Both changes, the first one first.
inline Change both(Change first, Change second) {
    return [first, second](Options& o) {
        first(o);
        second(o);
    };
}
inline const Change nothing = [](Options&) {};

// Every field of the options, a switch as + or -: "folder 'C:\\' '*.*' -subfolders -numbers 0/1
// -prefix '' -replace ''->'' -first -swap '' -insert ''@0 -erase '' -case 0".
inline std::string describe(const Options& o) {
    auto on = [](bool value) { return value ? " +" : " -"; };
    auto quoted = [](const std::string& text) { return " '" + text + "'"; };
    return std::string(o.targetMode == TargetMode::listMode ? "list" : "folder") +
           quoted(o.pathSpec) + quoted(o.maskOrList) + on(o.includeSubdirs) + "subfolders" +
           on(o.numerate) + "numbers " + std::to_string(o.startNumber) + "/" +
           std::to_string(o.digitCount) + on(o.folderPrefix) + "prefix" + quoted(o.separator) +
           on(o.replaceOn) + "replace" + quoted(o.replaceFind + "'->'" + o.replaceWith) +
           on(o.replaceFirstOnly) + "first" + on(o.swapOn) + "swap" + quoted(o.swapPivot) +
           on(o.insertOn) + "insert" + quoted(o.insertText) + "@" +
           std::to_string(o.insertPosition) + on(o.eraseOn) + "erase" + quoted(o.eraseUntil) +
           on(o.caseOn) + "case " + std::to_string(o.caseStyle);
}

} // namespace tarnwick::testing::changes
