#pragma once
// Small tables for tests of the table base, the registry and the checker.
#include <string>
#include <utility>
#include <vector>

#include <wx/frame.h>
#include <wx/scrolwin.h>

#include "tables/Lista.h"
#include "tables/RecordLista.h"

// A table with a label, a number, a choice of "A"/"B", a Button column
// ("Aprender") and the test column. Its lines are <letter><number> <choice>
// followed by the label line X<letter>L<number>|<label>; it checks the label
// with CheckName, the number with CheckNumber and the choice with CheckChoice.
class ProbeLista : public Lista {
public:
    ProbeLista(wxWindow* parent, char letter, bool testColumn = true);

    using Lista::AddRowWithValues;

    void LoadFromProgram(const ProgramLines& lines) override;
    ProgramLines SaveToProgram() override;
    bool Validate() override;
    wxString GetTitle() const override;
    std::vector<ColumnSpec> GetColumns() const override;
    bool HasTestColumn() const override { return testColumn; }
    void OnButtonCell(int row, int col) override { buttonCells.emplace_back(row, col); }
    void TestRow(int row) override { testedRows.push_back(row); }

    void AddRecord(const std::string& label, const std::string& number, const std::string& choice);

    std::vector<int> testedRows;
    std::vector<std::pair<int, int>> buttonCells;

private:
    char letter;
    bool testColumn;
};

// A top-level window holding a grey scrolling column, like the main window's,
// for tables under test. Destroyed with its tables at the end of the test.
class TableHost {
public:
    TableHost();
    ~TableHost();
    wxScrolledWindow* Column() const { return column; }
    wxFrame* Frame() const { return frame; }
    // Stacks the table in the column and shows the window.
    void Add(Lista* table);

private:
    wxFrame* frame;
    wxScrolledWindow* column;
};

// Record kinds for RecordLista: 'Q' appends numbered rows (number, text,
// a choice of "S\xCD"/"NO", one hidden field); 'F' has two fixed rows of
// read-only name and value whose Load sets values.
const RecordKind& SampleListKind();
const RecordKind& SampleFixedKind();
