#pragma once
// A table editor driven by the window-free syntax of one record kind: the
// columns, caption, colour, fixed rows, loading, saving and checks all come
// from the RecordKind; this class only moves text between the grid and it.
#include <string>
#include <vector>

#include "tables/Lista.h"
#include "tables/syntax/RecordKind.h"

class RecordLista : public Lista {
public:
    RecordLista(wxWindow* parent, const RecordKind& kind);

    wxString GetTitle() const override;
    std::vector<ColumnSpec> GetColumns() const override;
    bool HasTestColumn() const override;
    bool HasRowButtons() const override;
    const char* GetLegend() const override;

    void AddRow() override;
    void ClearRows() override;
    void LoadFromProgram(const ProgramLines& lines) override;
    void MergeFromProgram(const ProgramLines& lines) override;
    ProgramLines SaveToProgram() override;
    bool Validate() override;

    const RecordKind& Kind() const { return kind; }

    // The grid's rows as the record kind sees them, hidden fields included.
    Rows ReadRows() const;

protected:
    // Tables that keep data beside the grid (one entry per row, in row order)
    // supply these: append the row's hidden fields, or keep them.
    virtual void ReadHiddenFields(int row, Row& fields) const;
    virtual void WriteHiddenFields(int row, const Row& fields);

    // Makes the grid hold these rows: the cells of existing rows are set, new
    // rows appended, surplus rows deleted.
    void WriteRows(const Rows& rows);

    // Shows the messages of a load or merge, one dialog each.
    static void ShowMessages(const Messages& messages);

private:
    const RecordKind& kind;
    std::vector<ColumnSpec> columns;
};
