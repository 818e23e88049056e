// zentrola-sim: a simulated controller on a pseudo-terminal, announced to the
// editor's port search, running until interrupted.
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <pthread.h>
#include <string>

#include "sim/SimController.h"

namespace {

void Usage(std::ostream& out)
{
    out << "usage: zentrola-sim [--paced] [--erase-delay MS] [--help]\n"
           "Simulates the controller on a pseudo-terminal, prints its device path\n"
           "and runs until interrupted (Ctrl+C).\n"
           "  --paced           send at the line rate of 9600 baud\n"
           "  --erase-delay MS  let the erase command take MS milliseconds\n";
}

bool ParseMilliseconds(const char* text, unsigned& value)
{
    char* end = nullptr;
    errno = 0;
    unsigned long parsed = std::strtoul(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || text[0] == '-' || parsed > 3600000UL)
        return false;
    value = static_cast<unsigned>(parsed);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    SimController::Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            Usage(std::cout);
            return 0;
        }
        if (argument == "--paced") {
            options.paced = true;
        } else if (argument == "--erase-delay" && i + 1 < argc && ParseMilliseconds(argv[i + 1], options.eraseDelayMs)) {
            ++i;
        } else {
            Usage(std::cerr);
            return 2;
        }
    }

    // Signals are taken by sigwait below, never by the simulator's thread.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    try {
        SimController controller(options);
        std::cout << controller.DevicePath() << std::endl;
        int received = 0;
        sigwait(&stopSignals, &received);
    } catch (const std::exception& failure) {
        std::cerr << "zentrola-sim: " << failure.what() << "\n";
        return 1;
    }
    return 0;
}
