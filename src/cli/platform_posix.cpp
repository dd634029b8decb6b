// The standard streams and the entry point on POSIX systems: read(2) and
// write(2) on descriptors 0, 1 and 2, bytes as they are, and arguments taken
// as UTF-8.
#include "cli/platform.h"
#include "cli/utf8.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qhj::cli {

namespace {

class DescriptorSource : public ByteSource {
public:
    explicit DescriptorSource(int fd = STDIN_FILENO, bool owned = false) : m_fd(fd), m_owned(owned) { }
    DescriptorSource(const DescriptorSource&) = delete;
    DescriptorSource& operator=(const DescriptorSource&) = delete;
    ~DescriptorSource() override
    {
        if (m_owned)
            ::close(m_fd);
    }

    std::ptrdiff_t read(char* buffer, std::size_t size) override
    {
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, size);
            if (n >= 0)
                return n;
            if (errno == EBADF)
                return 0; // no standard input at all: an empty one
            if (errno != EINTR)
                return -1;
        }
    }

private:
    int m_fd;
    bool m_owned;
};

class DescriptorSink : public Sink {
public:
    explicit DescriptorSink(int fd) : m_fd(fd) { }

    bool isTerminal() const override { return ::isatty(m_fd) == 1; }

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

} // namespace

std::unique_ptr<ByteSource> standardInput()
{
    return std::make_unique<DescriptorSource>();
}

std::unique_ptr<ByteSource> openFile(const std::u16string& name)
{
    std::string path;
    appendUtf8(name, path);
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return nullptr;
    return std::make_unique<DescriptorSource>(fd, true);
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
    struct stat out { };
    struct stat err { };
    return fstat(STDOUT_FILENO, &out) == 0 && fstat(STDERR_FILENO, &err) == 0 && out.st_dev == err.st_dev
        && out.st_ino == err.st_ino;
}

} // namespace qhj::cli

// An argument that is not UTF-8 fails as an amount.
int main(int argc, char** argv)
{
    std::vector<qhj::cli::Argument> args;
    for (int i = 1; i < argc; ++i) {
        qhj::cli::Argument arg;
        arg.valid = qhj::cli::decodeUtf8(argv[i], arg.text);
        args.push_back(std::move(arg));
    }
    return qhj::cli::runProgram(args);
}
