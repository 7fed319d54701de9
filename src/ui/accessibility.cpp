#include "accessibility.h"

#include "window_text.h"

#include "win32/handles.h"
#include "win32/text_conversion.h"

#include <commctrl.h>
// The property ids of oleacc.h are defined where initguid.h comes first, as its documentation
// asks.
#include <initguid.h>
#include <oleacc.h>

namespace tarnwick {

namespace {

// The live setting of UI Automation, which the annotation service takes as a property of the
// window's own accessible object; its value Polite (1) has a screen reader wait until it is
// idle before it reads the text, without cutting into what it says meanwhile. Windows reads the
// property from Windows 8 on; Windows 7 keeps the value and does nothing with it. No header of
// the cross compiler has the id (UIAutomationClient.h of the Windows SDK):
// https://learn.microsoft.com/windows/win32/winauto/uiauto-automation-element-propids
// https://learn.microsoft.com/windows/win32/api/uiautomationcore/ne-uiautomationcore-livesetting
const GUID liveSettingProperty = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr long politeLiveSetting = 1;

// Sent by the window of a live region whose text has changed; a screen reader then reads the
// region's name, the static control's text. Windows 8 and later; the headers name it only for
// them (_WIN32_WINNT 0x0602), and Windows 7 passes it on to hooks that ask for it and no further:
// https://learn.microsoft.com/windows/win32/winauto/event-constants
constexpr DWORD liveRegionChanged = 0x8019;

void releaseService(IAccPropServices* service) {
    service->Release();
}
using ServiceHandle = Owned<IAccPropServices*, releaseService>;

// Dynamic Annotation: the service of oleacc that lets a program change the properties that
// Active Accessibility and UI Automation report for a window's own accessible object, here its
// name and its live setting ("Using Direct Annotation", "IAccPropServices::SetHwndPropStr"):
// https://learn.microsoft.com/windows/win32/winauto/using-direct-annotation
// https://learn.microsoft.com/windows/win32/api/oleacc/nf-oleacc-iaccpropservices-sethwndpropstr
// Every call's failure is passed over: a window without a name or a live region works the same
// for everyone else. Wine's service answers each call with E_NOTIMPL; without COM on the thread
// there is no service at all. Asked for anew at each call: a dialog makes a handful of them.
class SystemAnnotations : public Annotations {
public:
    void setName(HWND control, const std::wstring& name) override {
        const ServiceHandle service(create());
        if (service.valid())
            service.get()->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                          PROPID_ACC_NAME, name.c_str());
    }
    void setPoliteLiveRegion(HWND control) override {
        const ServiceHandle service(create());
        if (!service.valid())
            return;
        VARIANT value{}; // what VariantInit gives, without a call into oleaut32
        value.vt = VT_I4;
        value.lVal = politeLiveSetting;
        service.get()->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   liveSettingProperty, value);
    }
    // One property at a time: ClearHwndProps refuses the whole list (E_INVALIDARG) when one of
    // them is not supported, which the live setting may not be before Windows 8.
    void clear(HWND control) override {
        const ServiceHandle service(create());
        if (!service.valid())
            return;
        for (const MSAAPROPID& property : {PROPID_ACC_NAME, liveSettingProperty})
            service.get()->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                          &property, 1);
    }

private:
    static IAccPropServices* create() {
        IAccPropServices* service = nullptr;
        if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IAccPropServices, reinterpret_cast<void**>(&service))))
            return nullptr;
        return service;
    }
};

Annotations* standInAnnotations = nullptr;

bool systemHighContrast() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) != FALSE &&
           (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

HighContrast::Query highContrastQuery = systemHighContrast;

} // namespace

Annotations& Annotations::current() {
    static SystemAnnotations system;
    if (standInAnnotations != nullptr)
        return *standInAnnotations;
    return system;
}

Annotations* Annotations::replace(Annotations* standIn) {
    Annotations* before = standInAnnotations;
    standInAnnotations = standIn;
    return before;
}

DialogAnnotations::~DialogAnnotations() {
    clearAll();
}

void DialogAnnotations::nameFields(HWND dialog, const FieldCaption* captions, std::size_t count) {
    watch(dialog);
    for (const FieldCaption* caption = captions; caption != captions + count; ++caption) {
        const HWND field = GetDlgItem(dialog, caption->field);
        HWND source = dialog;
        if (caption->where != FieldCaption::Where::dialogTitle)
            source = GetDlgItem(dialog, caption->control);
        if (caption->where == FieldCaption::Where::afterControl && source != nullptr)
            source = GetWindow(source, GW_HWNDNEXT);
        if (field == nullptr || source == nullptr)
            continue;
        Annotations::current().setName(field, wideFromProgram(windowText(source)));
        annotated_.push_back(field);
    }
}

void DialogAnnotations::makeLiveRegion(HWND dialog, int id) {
    watch(dialog);
    if (const HWND control = GetDlgItem(dialog, id)) {
        Annotations::current().setPoliteLiveRegion(control);
        annotated_.push_back(control);
    }
}

// The annotations belong to the windows of this dialog: they are taken back while the controls
// still exist, when the dialog's window is destroyed.
void DialogAnnotations::watch(HWND dialog) {
    if (dialog_ == dialog)
        return;
    clearAll();
    if (SetWindowSubclass(dialog, dialogProc, reinterpret_cast<UINT_PTR>(this),
                          reinterpret_cast<DWORD_PTR>(this)))
        dialog_ = dialog;
}

void DialogAnnotations::clearAll() {
    for (const HWND control : annotated_)
        Annotations::current().clear(control);
    annotated_.clear();
    if (dialog_ != nullptr)
        RemoveWindowSubclass(dialog_, dialogProc, reinterpret_cast<UINT_PTR>(this));
    dialog_ = nullptr;
}

LRESULT CALLBACK DialogAnnotations::dialogProc(HWND hwnd, UINT message, WPARAM wParam,
                                               LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    // Nothing here throws: the annotations are taken back with system calls only.
    if (message == WM_DESTROY)
        reinterpret_cast<DialogAnnotations*>(self)->clearAll();
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void announceChange(HWND liveRegion) {
    if (liveRegion != nullptr)
        NotifyWinEvent(liveRegionChanged, liveRegion, OBJID_CLIENT, CHILDID_SELF);
}

// "During initialization and when processing WM_SYSCOLORCHANGE messages, applications should
// determine the state of the high contrast parameter" ("High Contrast Parameter"):
// https://learn.microsoft.com/windows/win32/winauto/high-contrast-parameter
bool HighContrast::on() {
    return highContrastQuery();
}

HighContrast::Query HighContrast::replaceQuery(Query query) {
    const Query before = highContrastQuery;
    highContrastQuery = query != nullptr ? query : systemHighContrast;
    return before == systemHighContrast ? nullptr : before;
}

} // namespace tarnwick
