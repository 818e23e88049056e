// The smallest wxWidgets program with a main window: the start-up floor.
#include <wx/app.h>
#include <wx/frame.h>

#include "bench/FirstPaint.h"

class MinimalApp : public wxApp {
public:
    bool OnInit() override
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, wxASCII_STR("Minimal"));
        frame->Show(true);
        return true;
    }
};

using MinimalProbe = FirstPaintReporter<MinimalApp>;
wxIMPLEMENT_APP(MinimalProbe);
