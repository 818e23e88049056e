// The memory floor: a program of bare wxGrids holding the cell texts of the
// NEC and raw IR rows of the program named on the command line (filled in
// one batch and auto-sized once), reporting once painted.
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/scrolwin.h>

#include "bench/FirstPaint.h"
#include "bench/GuiSupport.h"
#include "program/ProgramFile.h"

class GridFloorApp : public wxApp {
public:
    bool OnInit() override
    {
        if (argc != 2)
            return false;
        ProgramLines lines;
        if (!ReadProgramFile(std::string(argv[1].utf8_str()), lines))
            return false;
        auto* frame = new wxFrame(nullptr, wxID_ANY, wxASCII_STR("Grid floor"));
        auto* column = new wxScrolledWindow(frame, wxID_ANY);
        column->SetScrollRate(0, 10);
        BuildFloorGrids(column, FloorTablesOf(lines));
        frame->Show(true);
        return true;
    }
};

using GridFloorProbe = FirstPaintReporter<GridFloorApp>;
wxIMPLEMENT_APP(GridFloorProbe);
