#include "accessibility.h"

#include "utf16.h"

#include <oleacc.h>

#include <array>

namespace app::win32 {
namespace {

// Windows 8's, which its headers name; the Windows 7 headers do not.
constexpr DWORD eventObjectLiveRegionChanged = 0x8019;
constexpr GUID liveSettingProperty{0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr int politeLiveSetting = 1;

// One service object per thread, created on first use.
IAccPropServices* service()
{
    thread_local IAccPropServices* services = [] {
        IAccPropServices* created = nullptr;
        if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                    reinterpret_cast<void**>(&created))))
            return static_cast<IAccPropServices*>(nullptr);
        return created;
    }();
    return services;
}

void setNumber(HWND control, const MSAAPROPID& property, int value)
{
    if (IAccPropServices* services = service()) {
        VARIANT number{};
        number.vt = VT_I4;
        number.lVal = value;
        services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property, number);
    }
}

}  // namespace

bool annotate(HWND control, std::string_view name, std::string_view description)
{
    IAccPropServices* services = service();
    if (services == nullptr)
        return false;
    bool annotated = true;
    auto set = [&](const MSAAPROPID& property, std::string_view text) {
        if (!text.empty())
            annotated &= SUCCEEDED(services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                            property, toUtf16(text).c_str()));
    };
    set(PROPID_ACC_NAME, name);
    set(PROPID_ACC_DESCRIPTION, description);
    return annotated;
}

void hideFromScreenReaders(HWND control)
{
    setNumber(control, PROPID_ACC_STATE, STATE_SYSTEM_INVISIBLE);
}

void presentAsDialog(HWND window)
{
    setNumber(window, PROPID_ACC_ROLE, ROLE_SYSTEM_DIALOG);
}

void dialogOpened(HWND window)
{
    NotifyWinEvent(EVENT_SYSTEM_DIALOGSTART, window, OBJID_WINDOW, CHILDID_SELF);
}

void makeLiveRegion(HWND control)
{
    setNumber(control, liveSettingProperty, politeLiveSetting);
}

void liveRegionChanged(HWND control)
{
    NotifyWinEvent(eventObjectLiveRegionChanged, control, OBJID_CLIENT, CHILDID_SELF);
}

void clearAnnotations(HWND control)
{
    IAccPropServices* services = service();
    if (services == nullptr)
        return;
    std::array properties{PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION, PROPID_ACC_STATE, PROPID_ACC_ROLE,
                          liveSettingProperty};
    services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties.data(),
                             static_cast<int>(properties.size()));
}

}  // namespace app::win32
