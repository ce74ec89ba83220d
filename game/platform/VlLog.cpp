// The game log "azLog.log" and the platform log "VlLog".
#include "VlLog.h"

#include <cerrno>
#include <cstring>
#include <streambuf>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace Vl {

namespace {

// A log file that goes to the disk whenever a line end has been written (and on an
// explicit flush), so a crash never loses a finished line, while a line put together
// from many pieces costs one write, not one per piece. It keeps no put area of the
// stream's own: every single character comes through overflow, where a line end is seen.
class LineFlushingFile : public std::streambuf {
public:
    ~LineFlushingFile() override { close(); }

    bool open(const std::string& path)
    {
        close();
        mFd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        return mFd >= 0;
    }

    void close()
    {
        if (mFd < 0)
            return;
        WritePending();
        ::close(mFd);
        mFd = -1;
    }

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        mPending.push_back(traits_type::to_char_type(c));
        if (traits_type::to_char_type(c) == '\n' && !WritePending())
            return traits_type::eof();
        return c;
    }

    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        if (count <= 0)
            return 0;
        mPending.append(text, static_cast<size_t>(count));
        if (std::memchr(text, '\n', static_cast<size_t>(count)) != nullptr && !WritePending())
            return 0;
        return count;
    }

    int sync() override { return WritePending() ? 0 : -1; }

private:
    bool WritePending()
    {
        size_t done = 0;
        while (done < mPending.size() && mFd >= 0) {
            const ssize_t written = ::write(mFd, mPending.data() + done, mPending.size() - done);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                break;
            done += static_cast<size_t>(written);
        }
        const bool whole = done == mPending.size();
        mPending.clear();
        return whole;
    }

    int mFd = -1;
    std::string mPending;
};

// The stream objects live for the whole process and only their buffers come
// and go, so a reference taken before OpenLogs stays valid and starts writing.
struct LogFile {
    LineFlushingFile buffer;
    std::ostream stream{nullptr};

    void Open(const std::string& path)
    {
        Close();
        if (buffer.open(path)) {
            stream.rdbuf(&buffer);
            stream.clear();
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
// every finished line is already on the disk, so nothing is lost by not closing.
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
