// The program's names as the platform layer uses them.
#include "platform/ApplicationNames.h"

namespace platform {

namespace {

ApplicationNames& Names()
{
    static ApplicationNames names;
    return names;
}

}  // namespace

void SetApplicationNames(const ApplicationNames& names)
{
    const std::string prefix = Names().temporaryPrefix;
    Names() = names;
    if (names.temporaryPrefix.empty() || names.temporaryPrefix.find('/') != std::string::npos)
        Names().temporaryPrefix = prefix;
}

const ApplicationNames& GetApplicationNames() { return Names(); }

}  // namespace platform
