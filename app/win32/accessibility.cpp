#include "accessibility.h"

#include "utf16.h"

#include <oleacc.h>

#include <array>

namespace app::win32 {
namespace {

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

void clearAnnotations(HWND control)
{
    IAccPropServices* services = service();
    if (services == nullptr)
        return;
    std::array properties{PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties.data(),
                             static_cast<int>(properties.size()));
}

}  // namespace app::win32
