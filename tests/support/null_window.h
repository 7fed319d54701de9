// A window for the engine that shows nothing: readOptions delivers options, an error text is
// kept, and the modal questions are answered as told. The recording window, the benchmarks and
// the fuzz target derive from it to watch what they need.
#pragma once

#include "core/main_surface.h"

#include <cstdint>
#include <string>

namespace tarnwick::testing {

class NullWindow : public MainSurface {
public:
    // What readOptions delivers.
    Options options;
    // The text of the last error shown.
    std::string lastError;
    // The answers to the modal questions.
    bool previewAnswer = false;               // true: the Preview dialog is closed with "Rename"
    ConfirmAnswer confirmAnswer{true, false}; // "Rename!", the box left unticked
    bool yesNoAnswer = true;                  // Yes
    // The window's clock, which stands still unless a test moves it.
    std::uint64_t clock = 0;

    Options readOptions() override { return options; }
    void showError(const std::string& text, const std::string&) override { lastError = text; }
    void setFieldText(Field, const std::string&) override {}
    void focusField(Field) override {}
    void setStatusText(const std::string&) override {}
    void announceOutcome(const std::string& text) override { setStatusText(text); }
    void setStepLabel(const std::string&) override {}
    void startProgress(std::size_t, int) override {}
    void stepProgress() override {}
    void clearProgress() override {}
    void keepAnswering() override {}
    std::uint64_t milliseconds() override { return clock; }
    void wait(unsigned milliseconds) override { clock += milliseconds; }
    bool runPreviewDialog(const FileList&) override { return previewAnswer; }
    ConfirmAnswer runConfirmDialog() override { return confirmAnswer; }
    bool askYesNo(const std::string&, const std::string&) override { return yesNoAnswer; }
};

} // namespace tarnwick::testing
