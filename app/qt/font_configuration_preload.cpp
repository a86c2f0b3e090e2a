#include "font_configuration_preload.h"

#include <system_error>

#if TARVO_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace app::qt {

FontConfigurationPreload::FontConfigurationPreload()
{
#if TARVO_HAVE_FONTCONFIG
    try {
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // Only a head start: Qt loads the configuration itself when it needs it.
    }
#endif
}

FontConfigurationPreload::~FontConfigurationPreload()
{
    wait();
}

void FontConfigurationPreload::wait()
{
    if (thread_.joinable())
        thread_.join();
}

}  // namespace app::qt
