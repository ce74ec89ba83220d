// The device result codes the software display reports for its own failures.
#pragma once

#include <cstdint>

constexpr uint32_t lrResultOk = 0x0;
constexpr uint32_t lrResultInvalidMode = 0x88760078;
constexpr uint32_t lrResultInvalidObject = 0x88760082;
constexpr uint32_t lrResultInvalidRect = 0x88760096;
constexpr uint32_t lrResultNoDirectDrawSupport = 0x887600DE;
constexpr uint32_t lrResultOutOfMemory = 0x8007000E;
constexpr uint32_t lrResultInvalidParams = 0x80070057;
