#include "cli/platform.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstring>
#include <string>

namespace qhj::cli {

namespace {

#ifdef _WIN32

bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

// A console gives UTF-16, handed on as UTF-8. A line starting with Ctrl+Z
// ends the input, as it does for the console's own programs.
class ConsoleSource : public ByteSource {
public:
    explicit ConsoleSource(HANDLE handle) : m_handle(handle) {}

    std::ptrdiff_t read(char* buffer, std::size_t size) override
    {
        while (m_pending.size() == m_taken && !m_ended) {
            wchar_t units[4096];
            DWORD count = 0;
            if (!ReadConsoleW(m_handle, units, 4096, &count, nullptr))
                return -1;
            if (count == 0) {
                m_ended = true;
                break;
            }
            m_pending.clear();
            m_taken = 0;
            std::wstring text(m_carry);
            m_carry.clear();
            text.append(units, count);
            for (std::size_t i = 0; i < text.size(); ++i) {
                if (text[i] == L'\x1A' && (i == 0 ? m_atLineStart : text[i - 1] == L'\n')) {
                    text.resize(i);
                    m_ended = true;
                    break;
                }
            }
            // Keep a high surrogate whose partner has not come yet.
            if (!m_ended && !text.empty() && text.back() >= 0xD800 && text.back() < 0xDC00) {
                m_carry = text.back();
                text.pop_back();
            }
            if (!text.empty())
                m_atLineStart = text.back() == L'\n';
            append(text);
        }
        const std::size_t n = std::min(size, m_pending.size() - m_taken);
        std::memcpy(buffer, m_pending.data() + m_taken, n);
        m_taken += n;
        return static_cast<std::ptrdiff_t>(n);
    }

private:
    void append(const std::wstring& text)
    {
        if (text.empty())
            return;
        const int length = static_cast<int>(text.size());
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
        const std::size_t at = m_pending.size();
        m_pending.resize(at + static_cast<std::size_t>(bytes));
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, m_pending.data() + at, bytes, nullptr, nullptr);
    }

    HANDLE m_handle;
    std::string m_pending;
    std::size_t m_taken = 0;
    std::wstring m_carry;
    bool m_atLineStart = true;
    bool m_ended = false;
};

class FileSource : public ByteSource {
public:
    explicit FileSource(HANDLE handle) : m_handle(handle) {}

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
};

class ConsoleSink : public Sink {
public:
    explicit ConsoleSink(HANDLE handle) : m_handle(handle) {}

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
    explicit FileSink(HANDLE handle) : m_handle(handle) {}

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

#else

class DescriptorSource : public ByteSource {
public:
    std::ptrdiff_t read(char* buffer, std::size_t size) override
    {
        for (;;) {
            const ssize_t n = ::read(STDIN_FILENO, buffer, size);
            if (n >= 0)
                return n;
            if (errno == EBADF)
                return 0; // no standard input at all: an empty one
            if (errno != EINTR)
                return -1;
        }
    }
};

class DescriptorSink : public Sink {
public:
    explicit DescriptorSink(int fd) : m_fd(fd) {}

    bool write(std::string_view bytes) override
    {
        while (!bytes.empty()) {
            const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return true;
    }

private:
    int m_fd;
};

#endif

} // namespace

#ifdef _WIN32

std::unique_ptr<ByteSource> standardInput()
{
    const HANDLE handle = GetStdHandle(STD_INPUT_HANDLE);
    if (isConsole(handle))
        return std::make_unique<ConsoleSource>(handle);
    return std::make_unique<FileSource>(handle);
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
        && std::memcmp(&a.FileId, &none, sizeof none) != 0
        && a.VolumeSerialNumber == b.VolumeSerialNumber
        && std::memcmp(&a.FileId, &b.FileId, sizeof a.FileId) == 0;
}

#else

std::unique_ptr<ByteSource> standardInput()
{
    return std::make_unique<DescriptorSource>();
}

std::unique_ptr<Sink> standardOutput()
{
    return std::make_unique<DescriptorSink>(STDOUT_FILENO);
}

std::unique_ptr<Sink> standardError()
{
    return std::make_unique<DescriptorSink>(STDERR_FILENO);
}

bool outputAndErrorShared()
{
    struct stat out{};
    struct stat err{};
    return fstat(STDOUT_FILENO, &out) == 0 && fstat(STDERR_FILENO, &err) == 0
        && out.st_dev == err.st_dev && out.st_ino == err.st_ino;
}

#endif

} // namespace qhj::cli
