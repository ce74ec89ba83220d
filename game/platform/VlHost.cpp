// Storage of the one host the application runs on.
#include "VlHost.h"

namespace Vl {

namespace {
Host& InstalledHost()
{
    static Host host;
    return host;
}
} // namespace

void SetHost(const Host& host)
{
    InstalledHost() = host;
}

const Host& GetHost()
{
    return InstalledHost();
}

} // namespace Vl
