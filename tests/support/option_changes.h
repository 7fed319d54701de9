// Changes of the options as one switch and its fields make them, for tables of cases and short
// set-ups: replace("a", "b")(options) switches Replace on with its two strings. And the options
// in one line of text, to compare all of them at once.
#pragma once

#include "core/run_model.h"

#include <functional>
#include <string>

namespace tarnwick::testing::changes {

using Change = std::function<void(Options&)>;

inline Change list(const char* text) {
    return [text](Options& o) {
        o.targetMode = TargetMode::listMode;
        o.fileListText = text;
    };
}
inline Change path(const char* text) {
    return [text](Options& o) { o.pathSpec = text; };
}
inline Change mask(const char* text) {
    return [text](Options& o) { o.fileListText = text; };
}
inline Change separator(const char* text) {
    return [text](Options& o) {
        o.folderPrefix = true;
        o.separator = text;
    };
}
inline Change replace(const char* find, const char* with = "") {
    return [find, with](Options& o) {
        o.replaceOn = true;
        o.replaceFind = find;
        o.replaceWith = with;
    };
}
inline Change swap(const char* pivot) {
    return [pivot](Options& o) {
        o.swapOn = true;
        o.swapPivot = pivot;
    };
}
inline Change insert(const char* text) {
    return [text](Options& o) {
        o.insertOn = true;
        o.insertText = text;
    };
}
inline Change insertAt(const char* text, int position) {
    return [text, position](Options& o) {
        insert(text)(o);
        o.insertPosition = position;
    };
}
inline Change erase(const char* until) {
    return [until](Options& o) {
        o.eraseOn = true;
        o.eraseUntil = until;
    };
}
inline Change digits(int count) {
    return [count](Options& o) {
        o.numerate = true;
        o.digitCount = count;
    };
}
inline Change numbersFrom(int start) {
    return [start](Options& o) {
        o.numerate = true;
        o.startNumber = start;
    };
}
inline Change letterCase(int style) {
    return [style](Options& o) {
        o.caseOn = true;
        o.caseStyle = style;
    };
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
           quoted(o.pathSpec) + quoted(o.fileListText) + on(o.includeSubdirs) + "subfolders" +
           on(o.numerate) + "numbers " + std::to_string(o.startNumber) + "/" +
           std::to_string(o.digitCount) + on(o.folderPrefix) + "prefix" + quoted(o.separator) +
           on(o.replaceOn) + "replace" + quoted(o.replaceFind + "'->'" + o.replaceWith) +
           on(o.replaceFirstOnly) + "first" + on(o.swapOn) + "swap" + quoted(o.swapPivot) +
           on(o.insertOn) + "insert" + quoted(o.insertText) + "@" +
           std::to_string(o.insertPosition) + on(o.eraseOn) + "erase" + quoted(o.eraseUntil) +
           on(o.caseOn) + "case " + std::to_string(o.caseStyle);
}

} // namespace tarnwick::testing::changes
