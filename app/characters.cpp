#include "characters.h"

namespace app {

int characterCount(std::string_view utf8)
{
    int count = 0;
    for (const char byte : utf8) {
        // Continuation bytes (10xxxxxx) belong to the character before them.
        if ((static_cast<unsigned char>(byte) & 0xC0U) != 0x80U)
            ++count;
    }
    return count;
}

}  // namespace app
