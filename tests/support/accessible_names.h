// What a screen reader is told of a dialog: a stand-in for the system's annotation service that
// records what the program gives each control, and the name Windows documents for a field that
// is given none.
#pragma once

#include "ui/accessibility.h"
#include "ui/window_text.h"

#include <windows.h>

#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tarnwick::testing {

// Put in place while it lives; safe to read from the driver's thread.
class RecordingAnnotations : public Annotations {
public:
    RecordingAnnotations() : before_(Annotations::replace(this)) {}
    ~RecordingAnnotations() override { Annotations::replace(before_); }

    void setName(HWND control, const std::wstring& name) override {
        const std::lock_guard<std::mutex> lock(mutex_);
        names_[control] = name;
    }
    void setPoliteLiveRegion(HWND control) override {
        const std::lock_guard<std::mutex> lock(mutex_);
        liveRegions_.insert(control);
    }
    void clear(HWND control) override {
        const std::lock_guard<std::mutex> lock(mutex_);
        names_.erase(control);
        liveRegions_.erase(control);
    }

    // The name the control has now, if it was given one.
    std::optional<std::wstring> nameOf(HWND control) const {
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto found = names_.find(control);
        return found == names_.end() ? std::nullopt : std::optional<std::wstring>(found->second);
    }
    bool isLiveRegion(HWND control) const {
        const std::lock_guard<std::mutex> lock(mutex_);
        return liveRegions_.count(control) != 0;
    }
    // True while any control holds an annotation.
    bool anyLeft() const {
        const std::lock_guard<std::mutex> lock(mutex_);
        return !names_.empty() || !liveRegions_.empty();
    }

private:
    Annotations* before_;
    mutable std::mutex mutex_;
    std::map<HWND, std::wstring> names_;
    std::set<HWND> liveRegions_;
};

inline std::string classOf(HWND window) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The controls that take the focus and show no caption of their own: edit fields and
// drop-down lists. Their name comes from a label.
inline std::vector<HWND> fieldsOf(HWND dialog) {
    std::vector<HWND> fields;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (lstrcmpiA(classOf(child).c_str(), "Edit") == 0 ||
            lstrcmpiA(classOf(child).c_str(), "ComboBox") == 0)
            fields.push_back(child);
    return fields;
}

// "To find the control's label, Microsoft Active Accessibility searches for a static text
// control by calling GetWindow with the GW_HWNDPREV flag. The search is halted if a static text
// control is found, or if a control is encountered that has the window styles
// WS_GROUP | WS_TABSTOP." ("Providing the Name Property"). The label's text, or nothing.
inline std::optional<std::string> documentedLabel(HWND field) {
    for (HWND c = GetWindow(field, GW_HWNDPREV); c; c = GetWindow(c, GW_HWNDPREV)) {
        const LONG style = GetWindowLongA(c, GWL_STYLE);
        const LONG type = style & SS_TYPEMASK;
        if (lstrcmpiA(classOf(c).c_str(), "Static") == 0 && type != SS_ICON && type != SS_BITMAP)
            return windowText(c);
        if ((style & (WS_GROUP | WS_TABSTOP)) != 0)
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace tarnwick::testing
