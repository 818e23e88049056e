#pragma once
// For the start-up programs: reports once the main window has been painted
// and the event loop has gone idle after it, then ends the process at once.
// The report line is
//   PAINTED <CLOCK_MONOTONIC seconds> <VmRSS kB> <VmHWM kB>
// so that the parent that started the process can take the time from its
// own clock reading before the start.
#include <cstdio>
#include <unistd.h>

#include <wx/app.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include "bench/BenchSupport.h"

template <class App>
class FirstPaintReporter : public App {
public:
    int FilterEvent(wxEvent& event) override
    {
        if (event.GetEventType() == wxEVT_PAINT && !painted) {
            auto* window = wxDynamicCast(event.GetEventObject(), wxWindow);
            if (window && this->GetTopWindow() && wxGetTopLevelParent(window) == this->GetTopWindow())
                painted = true;
        } else if (event.GetEventType() == wxEVT_IDLE && painted) {
            std::printf("PAINTED %.6f %ld %ld\n", bench::MonotonicSeconds(), bench::StatusKilobytes("VmRSS"),
                        bench::StatusKilobytes("VmHWM"));
            std::fflush(stdout);
            _exit(0);
        }
        return App::FilterEvent(event);
    }

private:
    bool painted = false;
};
