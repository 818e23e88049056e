#pragma once
// A table editor driven by the window-free syntax of one record kind: the
// columns, caption, colour, fixed rows, loading, saving and checks all come
// from the RecordKind; this class only moves text between the grid and it.
#include <cstdint>
#include <functional>
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
    const std::string& ProgramText() override;
    bool Validate() override;

    const RecordKind& Kind() const { return kind; }

    // The grid's rows as the record kind sees them, hidden fields included.
    Rows ReadRows() const;
    // The same rows, kept between calls: only rows whose cells changed are
    // read from the grid again. Valid until the table next changes.
    const Rows& CurrentRows() const;

protected:
    // Tables that keep data beside the grid (one entry per row, in row order)
    // supply these: append the row's hidden fields, or keep them.
    virtual void ReadHiddenFields(int row, Row& fields) const;
    virtual void WriteHiddenFields(int row, const Row& fields);

    // Makes the grid hold these rows: the cells of existing rows are set, new
    // rows appended, surplus rows deleted.
    void WriteRows(const Rows& rows);

    // Loading and merging: the kind reads lines into the grid's rows, the
    // grid takes the result, then the messages are shown.
    void ReadIntoRows(const std::function<void(Rows&, Messages&)>& read);

    // Shows the messages of a load or merge, one dialog each.
    static void ShowMessages(const Messages& messages);

private:
    // The rows as program text, each with the stamp of the grid row it was
    // read from and which of its cells held characters the code page cannot
    // hold; `checked` while every row passed the table's checks as it is,
    // `version` changes with any change of the rows, and `lines` and
    // `fileText` are the table's program lines, and their bytes in a program
    // file, as of their versions.
    struct RowsAsText {
        Rows rows;
        std::vector<std::uint64_t> stamps;
        std::vector<std::uint32_t> lossy;
        bool checked = false;
        std::uint64_t version = 1;
        ProgramLines lines;
        std::uint64_t linesVersion = 0;
        std::string fileText;
        std::uint64_t fileTextVersion = 0;
    };
    void RowsChanged() const;

    // Whether the cell passes its check, judged on the rows as text.
    bool Passes(const CellCheck& check) const;
    // Checks every row without telling anyone and makes the table's text,
    // so that a program loaded whole is saved at the cost of writing it.
    void PrepareToSave();

    const RecordKind& kind;
    std::vector<ColumnSpec> columns;
    mutable RowsAsText text;
};
