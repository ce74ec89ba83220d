// Makes a folder the working directory for one test and forgets the cached paths around it.
#pragma once

#include "VlFile.h"

#include <string>
#include <unistd.h>

class WorkingFolder {
public:
    explicit WorkingFolder(const std::string& folder)
    {
        char previous[4096];
        mPrevious = getcwd(previous, sizeof previous) ? previous : ".";
        mEntered = chdir(folder.c_str()) == 0;
        VlResetPaths();
    }
    ~WorkingFolder()
    {
        if (chdir(mPrevious.c_str()) != 0)
            mEntered = false;
        VlResetPaths();
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    bool Entered() const { return mEntered; }

private:
    std::string mPrevious;
    bool mEntered = false;
};
