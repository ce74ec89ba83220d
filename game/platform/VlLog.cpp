// The game log "azLog.log" and the platform log "VlLog".
#include "VlLog.h"

#include <fstream>

namespace Vl {

namespace {

// The stream objects live for the whole process and only their buffers come
// and go, so a reference taken before OpenLogs stays valid and starts writing.
struct LogFile {
    std::filebuf buffer;
    std::ostream stream{nullptr};

    void Open(const std::string& path)
    {
        Close();
        if (buffer.open(path, std::ios::out | std::ios::trunc)) {
            stream.rdbuf(&buffer);
            stream.clear();
            stream.setf(std::ios::unitbuf);
        }
    }

    void Close()
    {
        stream.flush();
        stream.rdbuf(nullptr);
        buffer.close();
    }
};

// Never destroyed: objects torn down at exit may still write a last line, and
// every line is already flushed, so nothing is lost by not closing.
LogFile& GameLogFile()
{
    static LogFile* log = new LogFile;
    return *log;
}

LogFile& PlatformLogFile()
{
    static LogFile* log = new LogFile;
    return *log;
}

std::string InFolder(const std::string& folder, const char* name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace

void OpenLogs(const std::string& folder)
{
    GameLogFile().Open(InFolder(folder, "azLog.log"));
    PlatformLogFile().Open(InFolder(folder, "VlLog"));
}

void CloseLogs()
{
    GameLogFile().Close();
    PlatformLogFile().Close();
}

std::ostream& GameLog()
{
    return GameLogFile().stream;
}

std::ostream& PlatformLog()
{
    return PlatformLogFile().stream;
}

} // namespace Vl
