// Key scripts for headless runs: one event a line, "FRAME down|up|tap KEY", '#' starts a comment.
#pragma once

#include <string>
#include <vector>

struct KeyEvent {
    enum class Kind { Down, Up, Tap };
    int frame = 0;
    Kind kind = Kind::Down;
    int virtualKey = 0;
};

class KeyScript {
public:
    // Parses the text; on a bad line answers false and names it in error.
    bool Parse(const std::string& text, std::string& error);
    bool Load(const std::string& path, std::string& error);

    // The events of one frame, in script order.
    std::vector<KeyEvent> EventsAt(int frame) const;
    const std::vector<KeyEvent>& Events() const { return mEvents; }

private:
    std::vector<KeyEvent> mEvents;
};

// "Left", "Enter", "F12", "A" .. "Z", "0" .. "9", or a hex code "0x25"; -1 when unknown.
int VirtualKeyFromName(const std::string& name);
