#include "bench/GuiSupport.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/grid.h>
#include <wx/scrolwin.h>
#include <wx/sizer.h>

#include "program/WxText.h"
#include "tables/syntax/NecRecords.h"
#include "tables/syntax/RawIrRecords.h"

int RefuseDialogs::Enter(wxDialog* dialog)
{
    ++count;
    std::fprintf(stderr, "unexpected dialog \"%s\"\n", static_cast<const char*>(dialog->GetTitle().utf8_str()));
    return wxID_CANCEL;
}

bool YieldUntil(const std::function<bool()>& done, double seconds)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > giveUp)
            return false;
        wxTheApp->Yield(true);
        if (!done())
            std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return true;
}

void PaintNow(wxWindow* window)
{
    wxTheApp->ProcessPendingEvents();
    window->Update();
}

namespace {

FloorTable TableOf(const RecordKind& kind, const ProgramLines& lines)
{
    FloorTable table;
    for (const ColumnDef& column : kind.Columns())
        table.headers.push_back(ToWx(column.header));
    if (kind.HasTestColumn())
        table.headers.push_back(wxASCII_STR("Probar"));
    Rows rows;
    Messages messages;
    kind.Load(lines, rows, messages);
    const std::size_t columns = kind.Columns().size();
    for (const Row& row : rows) {
        std::vector<wxString> texts;
        for (std::size_t col = 0; col < table.headers.size(); ++col)
            texts.push_back(col < columns ? ToWx(row[col]) : wxString());
        table.rows.push_back(std::move(texts));
    }
    return table;
}

}  // namespace

std::vector<FloorTable> FloorTablesOf(const ProgramLines& lines)
{
    return {TableOf(NecRecords(), lines), TableOf(RawIrRecords(), lines)};
}

void BuildFloorGrids(wxWindow* parent, const std::vector<FloorTable>& tables)
{
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    for (const FloorTable& table : tables) {
        auto* grid = new wxGrid(parent, wxID_ANY);
        grid->BeginBatch();
        grid->CreateGrid(static_cast<int>(table.rows.size()), static_cast<int>(table.headers.size()));
        grid->SetRowLabelSize(32);
        for (std::size_t col = 0; col < table.headers.size(); ++col)
            grid->SetColLabelValue(static_cast<int>(col), table.headers[col]);
        for (std::size_t row = 0; row < table.rows.size(); ++row) {
            for (std::size_t col = 0; col < table.rows[row].size(); ++col)
                grid->SetCellValue(static_cast<int>(row), static_cast<int>(col), table.rows[row][col]);
        }
        grid->AutoSize();
        grid->EndBatch();
        sizer->Add(30, 30, 0);
        sizer->Add(grid, 0, wxLEFT | wxRIGHT, 20);
    }
    parent->SetSizer(sizer, true);
    parent->SetVirtualSize(parent->GetBestVirtualSize());
    parent->Layout();
}
