#pragma once
// Small helpers shared by the benchmarks: clocks, CPU time, resident memory,
// medians and the result lines that scripts/bench.sh gathers into its table.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// CLOCK_MONOTONIC in seconds: the same clock in every process, so a parent
// can compare its own readings with a child's.
inline double MonotonicSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// CPU time (user + system) of the calling thread, in seconds.
inline double ThreadCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A line of /proc/self/status in kB ("VmRSS", "VmHWM"); 0 when absent.
inline long StatusKilobytes(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, key.size() + 1, key + ":") == 0)
            return std::stol(line.substr(key.size() + 1));
    }
    return 0;
}

inline double Percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const double position = fraction * static_cast<double>(values.size() - 1);
    const std::size_t below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    const double weight = position - static_cast<double>(below);
    return values[below] * (1 - weight) + values[above] * weight;
}

inline double Median(std::vector<double> values)
{
    return Percentile(std::move(values), 0.5);
}

// One row of the summary table: the figure, what was measured, the ratio or
// value against its target, and whether the target is met. Printed as
// RESULT<TAB>figure<TAB>value<TAB>target<TAB>verdict<TAB>detail.
// `below` true: the value must stay under the target; false: at most it.
inline bool Report(const std::string& figure, double value, const char* format, double target,
                   bool below, const std::string& detail)
{
    const bool met = below ? value < target : value <= target;
    char valueText[64];
    char targetText[64];
    std::snprintf(valueText, sizeof valueText, format, value);
    std::snprintf(targetText, sizeof targetText, format, target);
    std::printf("RESULT\t%s\t%s\t%s %s\t%s\t%s\n", figure.c_str(), valueText, below ? "<" : "<=",
                targetText, met ? "met" : "MISSED", detail.c_str());
    std::fflush(stdout);
    return met;
}

// A figure reported beside the targets, without one of its own.
inline void Inform(const std::string& figure, double value, const char* format, const std::string& detail)
{
    char valueText[64];
    std::snprintf(valueText, sizeof valueText, format, value);
    std::printf("RESULT\t%s\t%s\t-\tinfo\t%s\n", figure.c_str(), valueText, detail.c_str());
    std::fflush(stdout);
}

}  // namespace bench
