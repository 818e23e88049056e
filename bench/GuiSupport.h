#pragma once
// Pieces shared by the benchmarks that open windows.
#include <functional>
#include <string>
#include <vector>

#include <wx/modalhook.h>
#include <wx/string.h>

#include "program/ProgramLines.h"

class wxWindow;

// A benchmark has nobody to answer a dialog: any modal dialog is refused
// (as Cancel) and remembered, and the run then fails.
class RefuseDialogs : public wxModalDialogHook {
public:
    RefuseDialogs() { Register(); }
    ~RefuseDialogs() override { Unregister(); }
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog*) override {}
    int Count() const { return count; }

private:
    int count = 0;
};

// Runs the event loop until `done` or until `seconds` have passed; false then.
bool YieldUntil(const std::function<bool()>& done, double seconds);

// Paints now whatever of the window waits to be painted, after running the
// calls queued for later (refits, for instance).
void PaintNow(wxWindow* window);

// One table as a bare grid shows it: column labels and the cell texts.
struct FloorTable {
    std::vector<wxString> headers;
    std::vector<std::vector<wxString>> rows;
};

// The NEC and raw IR rows of a program with the editor's columns ("Probar"
// included), their texts as the editor's cells hold them.
std::vector<FloorTable> FloorTablesOf(const ProgramLines& lines);

// The toolkit floor: one plain wxGrid per table, created with all its rows,
// filled in one batch and auto-sized once, stacked in `parent` (a scrolled
// window) as the editor stacks its tables.
void BuildFloorGrids(wxWindow* parent, const std::vector<FloorTable>& tables);
