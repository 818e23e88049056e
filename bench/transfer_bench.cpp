// Writes the reference program into the simulated controller, paced at the
// line rate of 9600 baud 8E1 in both directions, and reads it back. Prints
// each transfer's time over its lower bound, and the CPU time of the thread
// that runs the link over the wall time of the transfers.
//
// Lower bound of a transfer: every byte that crossed the line, in either
// direction, at 9600 / 11 bytes per second, less the acknowledgements that
// travel back while the rest of their group of 32 is still being sent; plus
// what the protocol itself fixes: 100 ms of silence before each command and
// at each link construction, and the controller's erase time.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "bench/ProgramGenerator.h"
#include "link/ControllerProxy.h"
#include "link/LinkSettings.h"
#include "program/ProgramFile.h"
#include "sim/SimController.h"

namespace {

constexpr double kByteSeconds = 11.0 / 9600.0;
constexpr unsigned kEraseDelayMs = 1000;
constexpr std::size_t kAckGroup = 32;

struct Transfer {
    double wall = 0;
    double drains = 0;        // time the link spent in its quiet waits
    double cpu = 0;
    double lowerBound = 0;
    std::size_t bytesToController = 0;
    std::size_t bytesFromController = 0;
    std::size_t commands = 0;
    std::size_t links = 0;
    std::uint64_t digest = 0;
};

std::uint64_t Fnv1a(const std::vector<unsigned char>& bytes, std::uint64_t hash = 1469598103934665603ull)
{
    for (unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    return hash;
}

// When the link wrote or read each byte, from the link's own trace.
struct WireEvent {
    bench::Clock::time_point at;
    char direction;
};

// The link's quiet waits: every gap of at least 90 ms between two bytes on
// the wire (or from the start, or to the end), in which nothing crossed.
void MeasureDrains(const std::vector<WireEvent>& events, bench::Clock::time_point start,
                   bench::Clock::time_point end, Transfer& transfer)
{
    bench::Clock::time_point previous = start;
    auto gap = [&](bench::Clock::time_point next) {
        const double seconds = std::chrono::duration<double>(next - previous).count();
        if (seconds >= 0.09)
            transfer.drains += seconds;
        previous = next;
    };
    for (const WireEvent& event : events)
        gap(event.at);
    gap(end);
}

template <typename Operation>
Transfer Measure(SimController& sim, Operation operation)
{
    sim.ClearRecording();
    Transfer transfer;
    std::vector<WireEvent> events;
    events.reserve(1 << 16);
    ActiveWireTrace() = [&events](char direction, unsigned char) {
        events.push_back({bench::Clock::now(), direction});
    };
    const double cpuBefore = bench::ThreadCpuSeconds();
    const auto start = bench::Clock::now();
    if (operation() != 0) {
        std::fprintf(stderr, "transfer failed\n");
        std::exit(1);
    }
    const auto end = bench::Clock::now();
    transfer.wall = std::chrono::duration<double>(end - start).count();
    transfer.cpu = bench::ThreadCpuSeconds() - cpuBefore;
    ActiveWireTrace() = nullptr;
    MeasureDrains(events, start, end, transfer);

    const std::vector<unsigned char> in = sim.BytesIn();
    const std::vector<unsigned char> out = sim.BytesOut();
    const std::vector<std::string> commands = sim.CommandsReceived();
    transfer.bytesToController = in.size();
    transfer.bytesFromController = out.size();
    transfer.commands = commands.size();
    transfer.digest = Fnv1a(out, Fnv1a(in));

    std::size_t overlapped = 0;
    double erase = 0;
    for (const std::string& command : commands) {
        if (command == "*")
            ++transfer.links;
        if (command == "@")
            erase += kEraseDelayMs / 1000.0;
        if (!command.empty() && command[0] == 'D')
            overlapped += (sim.BlockSize() / kAckGroup) * (kAckGroup - 1);
    }
    const std::size_t drains = transfer.commands + transfer.links;
    const std::size_t lineBytes = in.size() + out.size() - overlapped;
    transfer.lowerBound = static_cast<double>(drains) * 0.1 + erase + static_cast<double>(lineBytes) * kByteSeconds;
    return transfer;
}

std::string Describe(const Transfer& t)
{
    char text[256];
    std::snprintf(text, sizeof text,
                  "%.2f s / %.2f s; %zu links, %zu commands, %zu B out, %zu B in, wire %016llx",
                  t.wall, t.lowerBound, t.links, t.commands, t.bytesToController, t.bytesFromController,
                  static_cast<unsigned long long>(t.digest));
    return text;
}

// Where the time beyond the lower bound went: the quiet waits (each 100 ms
// and the erase at best) and the rest, the bytes on the line.
std::string Excess(const Transfer& t, double erase)
{
    const double fixed = static_cast<double>(t.commands + t.links) * 0.1 + erase;
    char text[256];
    std::snprintf(text, sizeof text,
                  "excess %+.0f ms: the quiet waits took %+.0f ms over 100 ms each%s, "
                  "the bytes %+.0f ms over their time on the line",
                  1000 * (t.wall - t.lowerBound), 1000 * (t.drains - fixed), erase > 0 ? " and the erase" : "",
                  1000 * ((t.wall - t.drains) - (t.lowerBound - fixed)));
    return text;
}

// Port discovery looks in a folder of our own, so that simulators of other
// runs on this machine are not found.
std::string PrivateRuntimeFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "zentrola-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    setenv("XDG_RUNTIME_DIR", pattern.c_str(), 1);
    return pattern;
}

}  // namespace

int main(int argc, char** argv)
{
    ProgramLines program;
    if (argc > 1) {
        if (!ReadProgramFile(argv[1], program)) {
            std::fprintf(stderr, "cannot read %s\n", argv[1]);
            return 1;
        }
    } else {
        program = ReferenceProgram();
    }
    const ProgramLines sent = WithoutLabels(program);
    const std::string runtime = PrivateRuntimeFolder();

    bool met = true;
    {
        SimController::Options options;
        options.paced = true;
        options.eraseDelayMs = kEraseDelayMs;
        SimController sim(options);

        const Transfer write = Measure(sim, [&] { return TheControllerProxy().WriteProgram(sent); });
        std::printf("write: %s\n       %s\n", Describe(write).c_str(), Excess(write, kEraseDelayMs / 1000.0).c_str());
        ProgramLines read;
        const Transfer readBack = Measure(sim, [&] { return TheControllerProxy().ReadProgram(read); });
        std::printf("read:  %s\n       %s\n", Describe(readBack).c_str(), Excess(readBack, 0).c_str());
        if (read != sent) {
            std::fprintf(stderr, "the program read back differs from the one written\n");
            return 1;
        }

        met &= bench::Report("1. write / lower bound", write.wall / write.lowerBound, "%.3f", 1.05, false,
                             Describe(write));
        met &= bench::Report("1. read / lower bound", readBack.wall / readBack.lowerBound, "%.3f", 1.05, false,
                             Describe(readBack));
        const double cpu = (write.cpu + readBack.cpu) / (write.wall + readBack.wall);
        char detail[160];
        std::snprintf(detail, sizeof detail, "write %.2f%%, read %.2f%% (link thread CPU / wall)",
                      100 * write.cpu / write.wall, 100 * readBack.cpu / readBack.wall);
        met &= bench::Report("2. CPU / wall in transfers (%)", 100 * cpu, "%.2f", 2.0, true, detail);
    }
    std::error_code ignored;
    std::filesystem::remove_all(runtime, ignored);
    return met ? 0 : 3;
}
