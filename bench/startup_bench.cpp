// Start-up and memory, each program in a process of its own, started in
// turn so that both see the same machine:
//   bench_startup MINIMAL EDITOR GRID_FLOOR LARGE.zolp
// Start-up: from the moment before the process is created to the first idle
// moment after its main window was painted, the editor (empty) against the
// minimal wxWidgets frame. Memory: resident memory of the editor holding the
// large program against the bare grids holding the same cell texts.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "bench/BenchSupport.h"

extern char** environ;

namespace {

struct Run {
    double seconds = 0;
    long rssKb = 0;
};

// Starts the program, reads its report, waits for its end.
Run Start(const std::vector<std::string>& command)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);

    const double start = bench::MonotonicSeconds();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    std::string output;
    char buffer[256];
    ssize_t count;
    while ((count = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(count));
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);

    Run run;
    double paintedAt = 0;
    long hwm = 0;
    const std::size_t at = output.find("PAINTED ");
    if (at == std::string::npos ||
        std::sscanf(output.c_str() + at, "PAINTED %lf %ld %ld", &paintedAt, &run.rssKb, &hwm) != 3) {
        std::fprintf(stderr, "%s reported nothing:\n%s\n", argv[0], output.c_str());
        std::exit(1);
    }
    run.seconds = paintedAt - start;
    return run;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: bench_startup MINIMAL EDITOR GRID_FLOOR LARGE.zolp\n");
        return 2;
    }
    // The editor's start-up probe looks for simulated controllers in the
    // runtime folder; none of another run may be found.
    std::string runtime = (std::filesystem::temp_directory_path() / "zentrola-bench-XXXXXX").string();
    if (mkdtemp(runtime.data()) == nullptr)
        return 1;
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);

    const std::string minimal = argv[1], editor = argv[2], floor = argv[3], large = argv[4];
    // One start of each first, not counted: the libraries come into the cache.
    Start({minimal});
    Start({editor});
    std::vector<double> minimalTimes, editorTimes;
    for (int i = 0; i < 7; ++i) {
        minimalTimes.push_back(Start({minimal}).seconds);
        editorTimes.push_back(Start({editor}).seconds);
    }
    std::vector<double> editorMemory, floorMemory, editorLargeTimes;
    for (int i = 0; i < 3; ++i) {
        const Run withProgram = Start({editor, large});
        editorMemory.push_back(static_cast<double>(withProgram.rssKb));
        editorLargeTimes.push_back(withProgram.seconds);
        floorMemory.push_back(static_cast<double>(Start({floor, large}).rssKb));
    }
    std::filesystem::remove_all(runtime);

    const double minimalTime = bench::Median(minimalTimes), editorTime = bench::Median(editorTimes);
    char detail[200];
    std::snprintf(detail, sizeof detail, "editor %.0f ms, minimal frame %.0f ms (median of 7)", 1000 * editorTime,
                  1000 * minimalTime);
    bool met = bench::Report("5. start-up / minimal frame", editorTime / minimalTime, "%.2f", 1.3, false, detail);
    const double editorKb = bench::Median(editorMemory), floorKb = bench::Median(floorMemory);
    std::snprintf(detail, sizeof detail, "editor %.0f MB, bare grids %.0f MB resident (start-up with the file %.0f ms)",
                  editorKb / 1024, floorKb / 1024, 1000 * bench::Median(editorLargeTimes));
    met &= bench::Report("5. memory 10500 rows / bare grid", editorKb / floorKb, "%.2f", 2.0, false, detail);
    return met ? 0 : 3;
}
