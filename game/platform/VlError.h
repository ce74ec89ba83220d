// Vellum error codes: 32-bit results, 0 success, -1 unclassified, else a four-character code.
#pragma once

#include <cstdint>

using VlResult = int32_t;

// The first character lands in the most significant byte, so "Parm" is 0x5061726D.
constexpr VlResult VlFourCC(const char (&code)[5])
{
    return static_cast<VlResult>((static_cast<uint32_t>(static_cast<uint8_t>(code[0])) << 24) |
                                 (static_cast<uint32_t>(static_cast<uint8_t>(code[1])) << 16) |
                                 (static_cast<uint32_t>(static_cast<uint8_t>(code[2])) << 8) |
                                 static_cast<uint32_t>(static_cast<uint8_t>(code[3])));
}

constexpr VlResult VlOk = 0;
constexpr VlResult VlErrUnclassified = -1;

constexpr VlResult ErrParam = VlFourCC("Parm");
constexpr VlResult ErrMemFull = VlFourCC("Mful");
constexpr VlResult ErrFileInvalidName = VlFourCC("Fifn");
constexpr VlResult ErrFileAlreadyOpen = VlFourCC("Falo");
constexpr VlResult ErrFileNotOpen = VlFourCC("Ffno");
constexpr VlResult ErrFileAsyncInProgress = VlFourCC("Faip");
constexpr VlResult ErrFileNoCurrentAsync = VlFourCC("Fnca");
constexpr VlResult ErrFileNotFound = VlFourCC("Ffnf");
constexpr VlResult ErrFilePermission = VlFourCC("Fprm");
constexpr VlResult ErrFileTooManyOpen = VlFourCC("Ftmf");
constexpr VlResult ErrFilePosition = VlFourCC("Fpos");
constexpr VlResult ErrFileEOF = VlFourCC("Feof");
constexpr VlResult ErrFileVolumeFull = VlFourCC("Fvof");
constexpr VlResult ErrFileLocked = VlFourCC("Fflk");
constexpr VlResult ErrNotMultiThreaded = VlFourCC("NmTh");
constexpr VlResult ErrInternal = VlFourCC("Fuck");
// The application's message pump took a quit request.
constexpr VlResult ErrAppQuitRequested = VlFourCC("Aaqr");

using VlErrorHandler = void (*)(VlResult);

// Every Vellum operation returns through the reporter, so the last error is
// always the result of the latest call (0 after a success).
VlResult VlReportError(VlResult code);
VlResult VlGetLastError();
VlErrorHandler VlSetErrorHandler(VlErrorHandler handler);
void VlDisableErrorHandler();
void VlEnableErrorHandler();
bool VlIsErrorHandlerEnabled();
