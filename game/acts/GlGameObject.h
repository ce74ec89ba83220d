// An actor of the two acts: the screen that made it runs it once a frame until it says it is finished.
#pragma once

class GlGameObject {
public:
    virtual ~GlGameObject() = default;
    // One frame: move, test collisions, queue draw commands. False once finished.
    virtual bool Update() = 0;
};
