// The standard streams and the entry point on Windows. A console is read
// with ReadConsoleW and written with WriteConsoleW, so Chinese shows
// correctly whatever the console's code page; a redirected stream is read
// and written as UTF-8 bytes. Arguments come as UTF-16.
#include "cli/console_decoder.h"
#include "cli/platform.h"
#include "cli/windows_api.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace qhj::cli {

namespace {

bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

// A console gives UTF-16, handed on as UTF-8 (see ConsoleDecoder).
class ConsoleSource : public ByteSource {
public:
    explicit ConsoleSource(HANDLE handle) : m_handle(handle) { }

    std::ptrdiff_t read(char* buffer, std::size_t size) override
    {
        while (m_pending.size() == m_taken && !m_done) {
            m_pending.clear();
            m_taken = 0;
            wchar_t units[4096];
            DWORD count = 0;
            if (!ReadConsoleW(m_handle, units, 4096, &count, nullptr))
                return -1;
            if (count == 0) {
                m_decoder.finish(m_pending);
                m_done = true;
                break;
            }
            std::u16string text(units, units + count);
            m_decoder.feed(text, m_pending);
            m_done = m_decoder.ended();
        }
        const std::size_t n = std::min(size, m_pending.size() - m_taken);
        std::memcpy(buffer, m_pending.data() + m_taken, n);
        m_taken += n;
        return static_cast<std::ptrdiff_t>(n);
    }

private:
    HANDLE m_handle;
    ConsoleDecoder m_decoder;
    std::string m_pending;
    std::size_t m_taken = 0;
    bool m_done = false;
};

class FileSource : public ByteSource {
public:
    explicit FileSource(HANDLE handle, bool owned = false) : m_handle(handle), m_owned(owned) { }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    ~FileSource() override
    {
        if (m_owned)
            CloseHandle(m_handle);
    }

    std::ptrdiff_t read(char* buffer, std::size_t size) override
    {
        if (m_handle == nullptr || m_handle == INVALID_HANDLE_VALUE)
            return 0; // no standard input at all: an empty one
        DWORD count = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        if (!ReadFile(m_handle, buffer, want, &count, nullptr)) {
            const DWORD error = GetLastError();
            // The writer of a pipe has closed it: the end of the input.
            return error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF ? 0 : -1;
        }
        return static_cast<std::ptrdiff_t>(count);
    }

private:
    HANDLE m_handle;
    bool m_owned;
};

class ConsoleSink : public Sink {
public:
    explicit ConsoleSink(HANDLE handle) : m_handle(handle) { }

    bool isTerminal() const override { return true; }

    bool write(std::string_view bytes) override
    {
        const int length = static_cast<int>(bytes.size());
        const int units = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), length, nullptr, 0);
        std::wstring text(static_cast<std::size_t>(units), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), length, text.data(), units);
        std::size_t done = 0;
        while (done < text.size()) {
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 8192));
            if (!WriteConsoleW(m_handle, text.data() + done, chunk, &written, nullptr) || written == 0)
                return false;
            done += written;
        }
        return true;
    }

private:
    HANDLE m_handle;
};

class FileSink : public Sink {
public:
    explicit FileSink(HANDLE handle) : m_handle(handle) { }

    bool write(std::string_view bytes) override
    {
        if (m_handle == nullptr || m_handle == INVALID_HANDLE_VALUE)
            return false;
        while (!bytes.empty()) {
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            if (!WriteFile(m_handle, bytes.data(), chunk, &written, nullptr) || written == 0)
                return false;
            bytes.remove_prefix(written);
        }
        return true;
    }

private:
    HANDLE m_handle;
};

std::unique_ptr<Sink> sinkFor(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    if (isConsole(handle))
        return std::make_unique<ConsoleSink>(handle);
    return std::make_unique<FileSink>(handle);
}

} // namespace

std::unique_ptr<ByteSource> standardInput()
{
    const HANDLE handle = GetStdHandle(STD_INPUT_HANDLE);
    if (isConsole(handle))
        return std::make_unique<ConsoleSource>(handle);
    return std::make_unique<FileSource>(handle);
}

std::unique_ptr<ByteSource> openFile(const std::u16string& name)
{
    const std::wstring path(name.begin(), name.end());
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    return std::make_unique<FileSource>(handle, true);
}

std::unique_ptr<Sink> standardOutput()
{
    return sinkFor(STD_OUTPUT_HANDLE);
}

std::unique_ptr<Sink> standardError()
{
    return sinkFor(STD_ERROR_HANDLE);
}

bool outputAndErrorShared()
{
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (isConsole(out) && isConsole(err))
        return true;
    // The same file or pipe behind both: the same volume and file id. An id
    // of all zeros says nothing.
    FILE_ID_INFO a{};
    FILE_ID_INFO b{};
    const FILE_ID_128 none{};
    return GetFileInformationByHandleEx(out, FileIdInfo, &a, sizeof a)
        && GetFileInformationByHandleEx(err, FileIdInfo, &b, sizeof b)
        && std::memcmp(&a.FileId, &none, sizeof none) != 0 && a.VolumeSerialNumber == b.VolumeSerialNumber
        && std::memcmp(&a.FileId, &b.FileId, sizeof a.FileId) == 0;
}

} // namespace qhj::cli

// MinGW links this entry with -municode.
int wmain(int argc, wchar_t** argv)
{
    std::vector<qhj::cli::Argument> args;
    for (int i = 1; i < argc; ++i) {
        qhj::cli::Argument arg;
        for (const wchar_t* c = argv[i]; *c != L'\0'; ++c)
            arg.text += static_cast<char16_t>(*c);
        args.push_back(std::move(arg));
    }
    return qhj::cli::runProgram(args);
}
