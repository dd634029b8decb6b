// For `make bench`'s start-up comparison. With QHJ_REPORT_FIRST_PAINT set, a
// program prints, when its window's first paint is done, the time since the
// process started and its peak resident memory, then quits. The variable holds the launch time
// in nanoseconds since the epoch (`date +%s%N`); any other value falls back
// on the kernel's start time of the process, which counts in 10 ms ticks.
// Without the variable nothing happens. Both qinghejian_first_paint and the
// bare comparison window carry exactly this hook.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>

#include <unistd.h>

namespace qhj::bench {

inline double nowNs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

inline double msSinceStart(const char* launchNs)
{
    char* end = nullptr;
    const double launch = std::strtod(launchNs, &end);
    if (end != launchNs && *end == '\0' && launch > 1e18)
        return (nowNs(CLOCK_REALTIME) - launch) / 1e6;
    // Field 22 of /proc/self/stat: start time in clock ticks since boot.
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    const std::size_t afterName = line.rfind(')');
    if (afterName == std::string::npos)
        return -1;
    const char* field = line.c_str() + afterName + 2; // field 3
    for (int skip = 3; skip < 22 && field != nullptr; ++skip) {
        field = std::strchr(field, ' ');
        if (field != nullptr)
            ++field;
    }
    if (field == nullptr)
        return -1;
    const double ticks = std::strtod(field, nullptr);
    return (nowNs(CLOCK_BOOTTIME) - ticks * 1e9 / static_cast<double>(sysconf(_SC_CLK_TCK))) / 1e6;
}

inline long peakRssKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

class FirstPaintReporter final : public QObject {
public:
    FirstPaintReporter(const char* launchNs, QObject* parent) : QObject(parent), m_launchNs(launchNs) { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            // Measured once the whole first frame is painted and flushed:
            // a zero timer runs only after the paint pass in which the
            // children draw their text, loading the font if nothing did
            // before.
            QTimer::singleShot(0, qApp, [launchNs = m_launchNs] {
                const double ms = msSinceStart(launchNs);
                std::printf("first-paint-ms %.2f\npeak-rss-kb %ld\n", ms, peakRssKb());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const char* m_launchNs;
    bool m_done = false;
};

inline void reportFirstPaintIfAsked(QWidget& window)
{
    const char* launchNs = std::getenv("QHJ_REPORT_FIRST_PAINT");
    if (launchNs != nullptr && *launchNs != '\0')
        window.installEventFilter(new FirstPaintReporter(launchNs, &window));
}

} // namespace qhj::bench
