// The platform application object: the message pump over the host's event source.
#include "VlApplication.h"

#include "VlHost.h"

VlApplication::~VlApplication() = default;

VlResult VlApplication::Init()
{
    return 0;
}

VlResult VlApplication::ProcessMessages()
{
    Vl::EventPump* events = Vl::GetHost().events;
    if (events != nullptr && events->Pump())
        return ErrAppQuitRequested;
    return 0;
}

VlResult VlApplication::Exit()
{
    return 0;
}

void* GetMainWindow()
{
    return Vl::GetHost().window;
}
