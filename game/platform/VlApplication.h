// The platform application object: Init, Run and Exit around the game's main loop.
#pragma once

#include "VlError.h"

class VlApplication {
public:
    virtual ~VlApplication();
    // 0 means: go on with Run.
    virtual VlResult Init();
    virtual VlResult Run() = 0;
    // Handles every pending window event: 0 when they are all handled,
    // "Aaqr" when a quit was requested (window closed, F12).
    virtual VlResult ProcessMessages();
    virtual VlResult Exit();
};

// The game window handle the host created (null headless).
void* GetMainWindow();
