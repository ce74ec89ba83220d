// The error reporter every Vellum operation returns through.
#include "VlError.h"

namespace {

struct ReporterState {
    VlResult lastError = VlOk;
    VlErrorHandler handler = nullptr;
    bool handlerEnabled = true;
};

ReporterState& Reporter()
{
    static ReporterState state;
    return state;
}

} // namespace

VlResult VlReportError(VlResult code)
{
    ReporterState& state = Reporter();
    state.lastError = code;
    if (state.handlerEnabled && state.handler)
        state.handler(code);
    return code;
}

VlResult VlGetLastError()
{
    return Reporter().lastError;
}

VlErrorHandler VlSetErrorHandler(VlErrorHandler handler)
{
    VlErrorHandler previous = Reporter().handler;
    Reporter().handler = handler;
    return previous;
}

void VlDisableErrorHandler()
{
    Reporter().handlerEnabled = false;
}

void VlEnableErrorHandler()
{
    Reporter().handlerEnabled = true;
}

bool VlIsErrorHandlerEnabled()
{
    return Reporter().handlerEnabled;
}
