// The editor's own windows under Xvfb, against the toolkit floor measured in
// the same process:
//
//   bench_editor open-save LARGE.zolp FOLDER
//     Opening the large program into the real main window (read, parse, fill
//     the tables, fit them, paint) against a bare wxGrid per table filled
//     with the same cell texts in one batch and auto-sized once; saving it
//     right after through the Save command (check, collect, write) against
//     writing the same bytes as safely (temporary file, fsync, rename). Also
//     saves after a label was changed, reported without a target.
//
//   bench_editor click PROGRAM.zolp
//     Clicks on cells of the NEC table (a change of the current cell), timed
//     from the moment the grid receives the mouse button to the end of the
//     last paint it causes; the grid must stay fitted to its contents after
//     every change. Also edits committed with Enter, in the editor and in a
//     bare wxGrid, reported without a target.
//
// BENCH_VERBOSE=1 prints when each paint of the timed grid happened.
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include <wx/app.h>
#include <wx/frame.h>
#include <wx/grid.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/scrolwin.h>
#include <wx/uiaction.h>

#include "app/MainWindow.h"
#include "app/FileCommands.h"
#include "app/MyFrame.h"
#include "app/WxControllerFeedback.h"
#include "bench/BenchSupport.h"
#include "bench/GuiSupport.h"
#include "program/ProgramFile.h"
#include "tables/Lista.h"
#include "tables/Listas.h"

namespace {

class BenchApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The same bytes, as safely as a program file is saved: a new file beside
// the target, flushed to disk, renamed over the target, folder flushed.
bool WriteDurably(const std::string& path, const std::string& bytes)
{
    const std::string temporary = path + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.c_str(), path.c_str()) == 0;
    const std::string folder = path.substr(0, path.rfind('/'));
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return ok;
}

MyFrame* ShowEditor()
{
    InstallControllerFeedback();
    auto* frame = new MyFrame(wxASCII_STR("Zentrola"), wxString());
    SetMainWindow(frame);
    frame->Show(true);
    YieldUntil([] { return false; }, 0.3);
    PaintNow(frame);
    return frame;
}

void SendCommand(wxFrame* frame, int id)
{
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(frame);
    frame->GetEventHandler()->ProcessEvent(command);
}

// The bytes of the saved file written again as safely; the time it took.
double WriteSameBytes(const std::string& saved, const std::string& copy)
{
    const std::string bytes = FileBytes(saved);
    const auto start = bench::Clock::now();
    if (!WriteDurably(copy, bytes)) {
        std::fprintf(stderr, "cannot write %s\n", copy.c_str());
        std::exit(1);
    }
    return bench::SecondsSince(start);
}

bool OnlyKinds(const std::string& line)
{
    return line.rfind("N", 0) == 0 || line.rfind("C", 0) == 0 || line.rfind("XNL", 0) == 0 ||
           line.rfind("XCL", 0) == 0;
}

int OpenSave(const std::string& large, const std::string& folder)
{
    ProgramLines program;
    if (!ReadProgramFile(large, program)) {
        std::fprintf(stderr, "cannot read %s\n", large.c_str());
        return 1;
    }
    const std::vector<FloorTable> floorTables = FloorTablesOf(program);
    RefuseDialogs refuse;
    MyFrame* frame = ShowEditor();
    const std::string saved = folder + "/saved.zolp";
    const std::string written = folder + "/written.zolp";

    std::vector<double> opens, floors, saves, writes;
    const int kRepetitions = 5;
    for (int rep = 0; rep < kRepetitions; ++rep) {
        // The editor, empty as after "Nuevo", opens the program.
        ClearAllRows();
        SetAllModified(false);
        PaintNow(frame);
        auto start = bench::Clock::now();
        frame->SetCurrentFileName(wxString::FromUTF8(large));
        if (!OpenProgramFile(*frame)) {
            std::fprintf(stderr, "the editor could not open %s\n", large.c_str());
            return 1;
        }
        PaintNow(frame);
        opens.push_back(bench::SecondsSince(start));

        // ... and saves it under another name, a few times over: the disk's
        // flush takes a different time at every write.
        frame->SetCurrentFileName(wxString::FromUTF8(saved));
        for (int save = 0; save < 3; ++save) {
            start = bench::Clock::now();
            SendCommand(frame, wxID_SAVE);
            const double command = bench::SecondsSince(start);
            PaintNow(frame);
            saves.push_back(bench::SecondsSince(start));
            writes.push_back(WriteSameBytes(saved, written));
            if (std::getenv("BENCH_VERBOSE"))
                std::fprintf(stderr, "save: command %.1f ms, painted %.1f ms; same bytes %.1f ms\n", 1000 * command,
                             1000 * saves.back(), 1000 * writes.back());
        }

        // The toolkit floor, in a window of the same size.
        auto* floorFrame = new wxFrame(nullptr, wxID_ANY, wxASCII_STR("floor"), frame->GetPosition(), frame->GetSize());
        auto* column = new wxScrolledWindow(floorFrame, wxID_ANY);
        column->SetScrollRate(0, 10);
        floorFrame->Show(true);
        YieldUntil([] { return false; }, 0.1);
        PaintNow(floorFrame);
        start = bench::Clock::now();
        BuildFloorGrids(column, floorTables);
        PaintNow(floorFrame);
        floors.push_back(bench::SecondsSince(start));
        floorFrame->Destroy();
        YieldUntil([] { return false; }, 0.1);
    }

    // Saves after a label was changed (the table then is checked and its
    // text made again), each followed by the same bytes written.
    std::vector<double> editedSaves;
    wxGrid* nec = Listas.at(2)->GetGrid();
    const wxString label = nec->GetCellValue(0, 0);
    for (int rep = 0; rep < 10; ++rep) {   // even: the last save has the label back
        nec->SetCellValue(0, 0, rep % 2 == 0 ? wxString(wxASCII_STR("Otra etiqueta")) : label);
        PaintNow(frame);
        const auto start = bench::Clock::now();
        SendCommand(frame, wxID_SAVE);
        PaintNow(frame);
        editedSaves.push_back(bench::SecondsSince(start));
        writes.push_back(WriteSameBytes(saved, written));
    }

    // The saved program holds the rows it was given (the label is back).
    ProgramLines back;
    ReadProgramFile(saved, back);
    ProgramLines kept;
    for (const std::string& line : back) {
        if (OnlyKinds(line))
            kept.push_back(line);
    }
    if (kept != program || refuse.Count() != 0) {
        std::fprintf(stderr, "the saved program differs from the one opened\n");
        return 1;
    }

    const double open = bench::Median(opens), floor = bench::Median(floors);
    const double save = bench::Median(saves), write = bench::Median(writes);
    const double editedSave = bench::Median(editedSaves);
    char detail[200];
    std::snprintf(detail, sizeof detail, "editor %.0f ms, bare grids %.0f ms (median of %d)", 1000 * open,
                  1000 * floor, kRepetitions);
    bool met = bench::Report("3. open 10500 rows / bare grid", open / floor, "%.2f", 1.5, false, detail);
    std::snprintf(detail, sizeof detail, "Save after opening %.1f ms (median of %zu), same bytes %.1f ms (median of %zu)",
                  1000 * save, saves.size(), 1000 * write, writes.size());
    met &= bench::Report("3. save 10500 rows / file write", save / write, "%.2f", 1.5, false, detail);
    std::snprintf(detail, sizeof detail, "Save after a label was changed %.1f ms (median of %zu)", 1000 * editedSave,
                  editedSaves.size());
    bench::Inform("3. save after an edit / file write", editedSave / write, "%.2f", detail);
    frame->SetCurrentFileName(wxString());
    SetAllModified(false);
    return met ? 0 : 3;
}

// ---------------------------------------------------------------------------

// Times from the moment the editor receives an input (a mouse button
// pressed on the grid, or Enter pressed anywhere in the window) to the end of
// the last paint of the grid it causes.
class PaintWatch {
public:
    PaintWatch(wxWindow* frame, wxGrid* grid) : frame(frame), grid(grid)
    {
        grid->GetGridWindow()->Bind(wxEVT_PAINT, &PaintWatch::OnPaint, this);
        grid->GetGridWindow()->Bind(wxEVT_LEFT_DOWN, &PaintWatch::OnMouseDown, this);
        frame->Bind(wxEVT_CHAR_HOOK, &PaintWatch::OnKey, this);
    }
    ~PaintWatch()
    {
        grid->GetGridWindow()->Unbind(wxEVT_PAINT, &PaintWatch::OnPaint, this);
        grid->GetGridWindow()->Unbind(wxEVT_LEFT_DOWN, &PaintWatch::OnMouseDown, this);
        frame->Unbind(wxEVT_CHAR_HOOK, &PaintWatch::OnKey, this);
    }

    void Arm()
    {
        armed = true;
        received = false;
        painted = false;
    }
    // Once the input came, the cursor stands on the cell, nothing is queued
    // and nothing has been painted for a while.
    bool Settled(int row, int col) const
    {
        return received && painted && grid->GetGridCursorRow() == row && grid->GetGridCursorCol() == col &&
               !wxTheApp->HasPendingEvents() && bench::SecondsSince(lastPaint) > 0.04;
    }
    double Latency() const { return std::chrono::duration<double>(lastPaint - inputAt).count(); }

private:
    void Received()
    {
        if (!armed)
            return;
        armed = false;
        received = true;
        inputAt = bench::Clock::now();
        if (verbose)
            std::fprintf(stderr, "\n input");
    }
    void OnMouseDown(wxMouseEvent& event)
    {
        Received();
        event.Skip();
    }
    void OnKey(wxKeyEvent& event)
    {
        if (event.GetKeyCode() == WXK_RETURN)
            Received();
        event.Skip();
    }
    void OnPaint(wxPaintEvent& event)
    {
        event.Skip();
        if (!received)
            return;
        if (verbose) {
            const wxRect box = grid->GetGridWindow()->GetUpdateRegion().GetBox();
            std::fprintf(stderr, " [%.1f: %dx%d]", 1000 * std::chrono::duration<double>(bench::Clock::now() - inputAt).count(),
                         box.width, box.height);
        }
        // Runs once the grid has drawn.
        wxTheApp->CallAfter([this] {
            painted = true;
            lastPaint = bench::Clock::now();
            if (verbose)
                std::fprintf(stderr, " paint@%.1f", 1000 * Latency());
        });
    }

    wxWindow* frame;
    wxGrid* grid;
    bool armed = false;
    bool received = false;
    bool painted = false;
    bench::Clock::time_point inputAt;
    bench::Clock::time_point lastPaint;
    const bool verbose = std::getenv("BENCH_VERBOSE") != nullptr;
};

// True when the grid's rows and columns have the sizes a full fit gives them.
bool Fitted(wxGrid* grid)
{
    std::vector<int> before;
    for (int col = 0; col < grid->GetNumberCols(); ++col)
        before.push_back(grid->GetColSize(col));
    for (int row = 0; row < grid->GetNumberRows(); ++row)
        before.push_back(grid->GetRowSize(row));
    grid->AutoSize();
    std::vector<int> after;
    for (int col = 0; col < grid->GetNumberCols(); ++col)
        after.push_back(grid->GetColSize(col));
    for (int row = 0; row < grid->GetNumberRows(); ++row)
        after.push_back(grid->GetRowSize(row));
    return before == after;
}

wxPoint CellCentre(wxGrid* grid, int row, int col)
{
    const wxRect cell = grid->CellToRect(row, col);
    const wxPoint inWindow = grid->CalcScrolledPosition(cell.GetPosition()) + wxPoint(cell.width / 2, cell.height / 2);
    return grid->GetGridWindow()->ClientToScreen(inWindow);
}

void Pause(double seconds)
{
    YieldUntil([] { return false; }, seconds);
}

// Edits of cells of one column: typed in, committed with Enter (which also
// moves the cursor down). Returns the latencies; counts inputs that had no
// effect and grids left unfitted.
std::vector<double> Edits(wxUIActionSimulator& input, PaintWatch& watch, wxGrid* grid, int col,
                          const char* const texts[2], int& lost, int& unfitted)
{
    std::vector<double> latencies;
    for (int i = 0; i < 12; ++i) {
        const int row = 3 + i % 16;
        input.MouseMove(CellCentre(grid, row, col));
        Pause(0.02);
        input.MouseClick();
        Pause(0.15);
        input.Text(texts[i % 2]);
        Pause(0.15);
        watch.Arm();
        input.Char(WXK_RETURN);
        if (!YieldUntil([&] { return watch.Settled(row + 1, col); }, 3)) {
            ++lost;
            continue;
        }
        latencies.push_back(watch.Latency());
        if (!Fitted(grid))
            ++unfitted;
    }
    return latencies;
}

// The same edits on a plain grid holding the same rows, in a window of the
// same size: the toolkit's own cost of committing an edit. Also the cost of
// repainting that grid's visible cells, what any change that moves every
// cell costs.
struct BareGrid {
    std::vector<double> edits;
    double repaint = 0;
};

BareGrid MeasureBareGrid(const ProgramLines& program, wxFrame* editor, wxUIActionSimulator& input,
                         const char* const texts[2], int& lost)
{
    auto* frame = new wxFrame(nullptr, wxID_ANY, wxASCII_STR("floor"), editor->GetPosition(), editor->GetSize());
    auto* column = new wxScrolledWindow(frame, wxID_ANY);
    column->SetScrollRate(0, 10);
    BuildFloorGrids(column, FloorTablesOf(program));
    frame->Show(true);
    frame->Raise();
    Pause(0.3);
    wxGrid* grid = nullptr;
    for (wxWindow* child : column->GetChildren()) {
        if ((grid = wxDynamicCast(child, wxGrid)) != nullptr)
            break;
    }
    BareGrid bare;
    if (grid) {
        PaintWatch watch(frame, grid);
        int unfitted = 0;
        grid->SetFocus();
        bare.edits = Edits(input, watch, grid, 4, texts, lost, unfitted);
        std::vector<double> repaints;
        for (int i = 0; i < 20; ++i) {
            const auto start = bench::Clock::now();
            grid->GetGridWindow()->Refresh();
            grid->GetGridWindow()->Update();
            repaints.push_back(bench::SecondsSince(start));
        }
        bare.repaint = bench::Median(repaints);
    }
    frame->Destroy();
    Pause(0.1);
    return bare;
}

int Click(const std::string& path)
{
    ProgramLines program;
    if (!ReadProgramFile(path, program))
        return 1;
    RefuseDialogs refuse;
    MyFrame* frame = ShowEditor();
    frame->SetCurrentFileName(wxString::FromUTF8(path));
    if (!OpenProgramFile(*frame))
        return 1;
    Lista* table = Listas.at(2);   // NEC commands
    wxGrid* grid = table->GetGrid();
    const int rows = grid->GetNumberRows();

    // Bring the top of the NEC table into view.
    wxScrolledWindow* column = frame->GetColumn();
    int unitX = 0, unitY = 0;
    column->GetScrollPixelsPerUnit(&unitX, &unitY);
    const wxPoint top = column->CalcUnscrolledPosition(table->GetPosition()) + grid->GetPosition();
    column->Scroll(0, unitY > 0 ? top.y / unitY : 0);
    PaintNow(frame);
    Pause(0.3);

    wxUIActionSimulator input;
    PaintWatch watch(frame, grid);
    std::vector<double> clicks;
    int lost = 0, unfitted = 0;
    const int kColumns[] = {0, 1, 2, 4};

    grid->SetFocus();
    for (int i = 0; i < 60; ++i) {
        const int row = 2 + (i * 7) % 20;
        const int col = kColumns[i % 4];
        input.MouseMove(CellCentre(grid, row, col));
        Pause(0.02);
        watch.Arm();
        input.MouseClick();
        if (!YieldUntil([&] { return watch.Settled(row, col); }, 3)) {
            ++lost;
            continue;
        }
        clicks.push_back(watch.Latency());
    }
    if (!Fitted(grid))
        ++unfitted;

    // A frame count changed to another of the same width changes no size; a
    // long label and a short one in turn make the label column grow and
    // shrink, so that every cell right of it moves.
    const char* const sameWidth[2] = {"7", "8"};
    const char* const otherWidth[2] = {"Etiqueta bastante mas larga que las demas", "corta"};
    const std::vector<double> keeping = Edits(input, watch, grid, 4, sameWidth, lost, unfitted);
    const std::vector<double> resizing = Edits(input, watch, grid, 0, otherWidth, lost, unfitted);
    const BareGrid bare = MeasureBareGrid(program, frame, input, sameWidth, lost);
    if (lost > 0 || refuse.Count() != 0)
        std::fprintf(stderr, "%d simulated inputs had no effect\n", lost);

    char detail[200];
    std::snprintf(detail, sizeof detail, "%d rows: p50 %.1f ms over %zu clicks; grid %s", rows,
                  1000 * bench::Median(clicks), clicks.size(),
                  unfitted == 0 ? "fitted after every change" : "NOT FITTED after some changes");
    bool met = bench::Report("4. click to paint p95 (ms)", 1000 * bench::Percentile(clicks, 0.95), "%.1f", 16, true,
                             detail);
    std::snprintf(detail, sizeof detail,
                  "p50 %.1f ms over %zu edits (typed, Enter commits and moves down); the same edits in a bare "
                  "wxGrid: p50 %.1f ms, p95 %.1f ms",
                  1000 * bench::Median(keeping), keeping.size(), 1000 * bench::Median(bare.edits),
                  1000 * bench::Percentile(bare.edits, 0.95));
    bench::Inform("4. edit keeping sizes, p95 (ms)", 1000 * bench::Percentile(keeping, 0.95), "%.1f", detail);
    std::snprintf(detail, sizeof detail,
                  "p50 %.1f ms over %zu edits; a bare wxGrid repaints its visible cells in %.1f ms",
                  1000 * bench::Median(resizing), resizing.size(), 1000 * bare.repaint);
    bench::Inform("4. edit resizing a column, p95 (ms)", 1000 * bench::Percentile(resizing, 0.95), "%.1f", detail);
    met &= unfitted == 0 && lost == 0;
    SetAllModified(false);
    return met ? 0 : 3;
}

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(BenchApp);

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (!((mode == "open-save" && argc == 4) || (mode == "click" && argc == 3))) {
        std::fprintf(stderr, "usage: bench_editor open-save LARGE.zolp FOLDER | click PROGRAM.zolp\n");
        return 2;
    }
    // GTK's overlay scrollbars fade in and out with a second of repaints
    // whenever the pointer moves; they would be timed as the click's.
    setenv("GTK_OVERLAY_SCROLLING", "0", 1);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "cannot start wxWidgets (is there a display?)\n");
        return 2;
    }
    delete wxLog::SetActiveTarget(new wxLogStderr);
    wxTheApp->CallOnInit();
    const int result = mode == "open-save" ? OpenSave(argv[2], argv[3]) : Click(argv[2]);
    std::fflush(stdout);
    // The windows are not taken down: the process ends here.
    _exit(result);
}
