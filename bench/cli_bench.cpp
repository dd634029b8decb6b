// qinghejian-convert's line loop without the system's I/O: lines from
// memory, results to nowhere. scripts/bench.sh times the real program.
#include "cli/convert_command.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

class MemorySource : public qhj::cli::ByteSource {
public:
    explicit MemorySource(const std::string& bytes) : m_bytes(bytes) { }
    std::ptrdiff_t read(char* buffer, std::size_t size) override
    {
        const std::size_t n = std::min(size, m_bytes.size() - m_at);
        std::memcpy(buffer, m_bytes.data() + m_at, n);
        m_at += n;
        return static_cast<std::ptrdiff_t>(n);
    }

private:
    const std::string& m_bytes;
    std::size_t m_at = 0;
};

class NullSink : public qhj::cli::Sink {
public:
    bool write(std::string_view bytes) override
    {
        benchmark::DoNotOptimize(bytes.data());
        return true;
    }
};

// One million amounts like those of an invoice column.
const std::string& amounts()
{
    static const std::string text = [] {
        std::string t;
        for (long i = 0; i < 1'000'000; ++i)
            t += std::to_string((i * 7919) % 1'000'000'000) + "." + std::to_string(10 + i % 90) + "\n";
        return t;
    }();
    return text;
}

void convertLines(benchmark::State& state)
{
    const std::vector<qhj::cli::Argument> args = state.range(0) != 0
        ? std::vector<qhj::cli::Argument>{{u"--standard", true}}
        : std::vector<qhj::cli::Argument>{};
    for (auto _ : state) {
        MemorySource source(amounts());
        NullSink sink;
        qhj::cli::BufferedOutput out(sink);
        benchmark::DoNotOptimize(qhj::cli::runConvert(args, source, out, out));
    }
    state.SetItemsProcessed(state.iterations() * 1'000'000);
    state.SetLabel(state.range(0) != 0 ? "standard form, items = lines" : "window's form, items = lines");
}
BENCHMARK(convertLines)->ArgName("standard")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
