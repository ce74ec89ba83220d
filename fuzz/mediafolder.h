// Shared by the fuzz targets that read media files: one temporary media folder per fuzzing process.
#pragma once

#include "VlFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

namespace fuzzmedia {

// A plain array, not a string: it must still hold the path when the exit handler runs.
inline char gFolderPath[4096];

inline void RemoveFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(gFolderPath, ignored);
}

// The folder, made on first use, set as the media directory and removed at exit.
inline std::string Folder()
{
    if (gFolderPath[0] == '\0') {
        // Under $TMPDIR when set: a memory file system keeps the readers that sync to disk fast.
        const char* temporary = std::getenv("TMPDIR");
        const std::string pattern =
            std::string(temporary && *temporary && std::strlen(temporary) < 4000 ? temporary : "/tmp") +
            "/skyrun-fuzz-XXXXXX";
        std::strcpy(gFolderPath, pattern.c_str());
        if (!mkdtemp(gFolderPath))
            std::abort();
        std::atexit(RemoveFolder);
        VlSetMediaPath(gFolderPath);
    }
    return gFolderPath;
}

// Makes the folder the working directory too, for the readers of files beside the program
// (highscore.txt, credits.txt). Called before anything asks for the working directory.
inline std::string EnterFolder()
{
    static const std::string folder = [] {
        const std::string made = Folder();
        if (chdir(made.c_str()) != 0)
            std::abort();
        return made;
    }();
    return folder;
}

// Writes the bytes as the named file of the media folder (in a folder of it, if the name says so).
inline void WriteFile(const std::string& name, const uint8_t* data, size_t size)
{
    FILE* file = std::fopen((Folder() + "/" + name).c_str(), "wb");
    if (!file)
        return;
    if (size > 0)
        std::fwrite(data, 1, size, file);
    std::fclose(file);
}

} // namespace fuzzmedia
