#include "file_system.h"

namespace tarnwick {

namespace {

constexpr std::uint32_t directoryAttribute = 0x10;
constexpr std::uint32_t reparsePointAttribute = 0x400;
constexpr std::uint32_t microsoftTag = 0x80000000u;
constexpr std::uint32_t nameSurrogateTag = 0x20000000u;

} // namespace

bool isFolderLink(std::uint32_t attributes, std::uint32_t reparseTag) {
    if ((attributes & directoryAttribute) == 0 || (attributes & reparsePointAttribute) == 0)
        return false;
    return (reparseTag & microsoftTag) == 0 || (reparseTag & nameSurrogateTag) != 0;
}

} // namespace tarnwick
