#include "tests/support/SampleTables.h"

#include <wx/sizer.h>

#include "program/CellChecker.h"
#include "program/TextSplit.h"
#include "program/WxText.h"
#include "tests/support/GuiTestSupport.h"

namespace {
const wxString kProbeChoices[] = {wxString("A"), wxString("B")};
}

ProbeLista::ProbeLista(wxWindow* parent, char letter, bool testColumn)
    : Lista(parent), letter(letter), testColumn(testColumn) {
    BuildLayout();
    grid->SetDefaultCellBackgroundColour(wxColour(233, 255, 230));
    Relayout();
}

wxString ProbeLista::GetTitle() const { return ToWx(std::string("LISTA ") + letter); }

std::vector<ColumnSpec> ProbeLista::GetColumns() const {
    return {
        {ColumnKind::Text, wxString("Etiqueta"), 0, nullptr},
        {ColumnKind::Text, ToWx("N\xFAmero"), 0, nullptr},
        {ColumnKind::Choice, wxString("Tipo"), 2, kProbeChoices},
        {ColumnKind::Button, wxString("Aprender"), 0, nullptr},
    };
}

void ProbeLista::AddRecord(const std::string& label, const std::string& number, const std::string& choice) {
    AddRowWithValues({ToWx(label), ToWx(number), ToWx(choice), wxString()});
}

void ProbeLista::LoadFromProgram(const ProgramLines& lines) {
    for (const std::string& line : lines) {
        if (line.empty() || line[0] != letter) continue;
        const std::vector<std::string> pieces = SplitAtSpaces(line.substr(1));
        AddRecord("", pieces.empty() ? "" : pieces[0], pieces.size() > 1 ? pieces[1] : "");
    }
    Relayout();
}

ProgramLines ProbeLista::SaveToProgram() {
    ProgramLines lines;
    for (int row = 0; row < grid->GetNumberRows(); ++row) {
        const std::string number = FromWx(grid->GetCellValue(row, 1));
        lines.push_back(letter + number + " " + FromWx(grid->GetCellValue(row, 2)));
        lines.push_back(std::string("X") + letter + "L" + number + "|" + FromWx(grid->GetCellValue(row, 0)));
    }
    return lines;
}

bool ProbeLista::Validate() {
    CellChecker checker(*grid);
    for (int row = 0; row < grid->GetNumberRows(); ++row) {
        checker.CheckName(row, 0);
        checker.CheckNumber(row, 1);
        checker.CheckChoice(row, 2, {"A", "B"});
    }
    return true;
}

TableHost::TableHost()
    : frame(new wxFrame(nullptr, wxID_ANY, "tables under test", wxPoint(0, 0), wxSize(900, 700))),
      column(new wxScrolledWindow(frame, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL)) {
    column->SetScrollRate(0, 10);
    column->SetBackgroundColour(wxColour(160, 160, 160));
    column->SetSizer(new wxBoxSizer(wxVERTICAL));
}

TableHost::~TableHost() {
    frame->Destroy();
    YieldBriefly();
}

void TableHost::Add(Lista* table) {
    column->GetSizer()->Add(30, 30, 0);
    column->GetSizer()->Add(table, 0, wxRIGHT, 10);
    column->GetSizer()->Layout();
    column->FitInside();
    frame->Show();
    frame->Raise();
    YieldBriefly();
}

namespace {

class ListKind : public RecordKind {
public:
    char Letter() const override { return 'Q'; }
    std::string Title() const override { return "LISTA DE PRUEBAS \xD1"; }
    std::vector<ColumnDef> Columns() const override {
        return {
            {ColumnKind::Text, "N\xFAmero", {}, false},
            {ColumnKind::Text, "Texto", {}, false},
            {ColumnKind::Choice, "Modo", {"S\xCD", "NO"}, false},
        };
    }
    Rgb Background() const override { return {221, 255, 255}; }
    int HiddenFields() const override { return 1; }
    Row NewRow() const override { return {"", "", "NO", "hidden"}; }

    // Q<number> <mode> <hidden> <text...>; anything else of kind Q is refused.
    void Load(const ProgramLines& lines, Rows& rows, Messages& messages) const override {
        for (const std::string& line : lines) {
            if (line.empty() || line[0] != 'Q') continue;
            const std::vector<std::string> pieces = SplitAtSpaces(line.substr(1));
            if (pieces.size() < 3) {
                messages.push_back("Error de sintaxis: " + line);
                continue;
            }
            std::string text;
            for (size_t i = 3; i < pieces.size(); ++i) text += (i > 3 ? " " : "") + pieces[i];
            rows.push_back({pieces[0], text, pieces[1], pieces[2]});
        }
    }
    bool TakesMerge() const override { return true; }
    ProgramLines Save(const Rows& rows) const override {
        ProgramLines lines;
        for (const Row& row : rows) lines.push_back("Q" + row[0] + " " + row[2] + " " + row[3] + " " + row[1]);
        return lines;
    }
    std::vector<CellCheck> Checks(const Rows& rows) const override {
        std::vector<CellCheck> checks;
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            checks.push_back({r, 0, CellRule::Number, {}});
            checks.push_back({r, 1, CellRule::None, {}});
            checks.push_back({r, 2, CellRule::Choice, {"S\xCD", "NO"}});
        }
        return checks;
    }
};

class FixedKind : public RecordKind {
public:
    char Letter() const override { return 'F'; }
    std::string Title() const override { return "LISTA FIJA"; }
    std::vector<ColumnDef> Columns() const override {
        return {{ColumnKind::Text, "Nombre", {}, true}, {ColumnKind::Text, "Valor", {}, false}};
    }
    Rgb Background() const override { return {255, 255, 255}; }
    bool HasTestColumn() const override { return false; }
    bool HasRowButtons() const override { return false; }
    const char* Legend() const override { return "Leyenda\n\xF1"; }
    Rows InitialRows() const override { return {{"UNO", "1"}, {"DOS", "2"}}; }
    // F<name> <value> sets the value of that row.
    void Load(const ProgramLines& lines, Rows& rows, Messages&) const override {
        for (const std::string& line : lines) {
            if (line.empty() || line[0] != 'F') continue;
            const std::vector<std::string> pieces = SplitAtSpaces(line.substr(1));
            for (Row& row : rows)
                if (pieces.size() == 2 && row[0] == pieces[0]) row[1] = pieces[1];
        }
    }
    ProgramLines Save(const Rows& rows) const override {
        ProgramLines lines;
        for (const Row& row : rows) lines.push_back("F" + row[0] + " " + row[1]);
        return lines;
    }
    std::vector<CellCheck> Checks(const Rows& rows) const override {
        std::vector<CellCheck> checks;
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) checks.push_back({r, 1, CellRule::Number, {}});
        return checks;
    }
};

}  // namespace

const RecordKind& SampleListKind() {
    static const ListKind kind;
    return kind;
}

const RecordKind& SampleFixedKind() {
    static const FixedKind kind;
    return kind;
}
