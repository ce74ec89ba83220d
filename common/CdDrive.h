// A CD drive as both programs see it: text commands in, a text reply out.
#pragma once

#include <string>

class CdDrive {
public:
    virtual ~CdDrive() = default;
    // Carries out one command such as "status cdaudio mode". Answers false
    // when it failed (no disc, unknown command, track out of range); the
    // reply is then empty.
    virtual bool SendCommand(const std::string& command, std::string& reply) = 0;
};
