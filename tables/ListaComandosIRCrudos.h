#pragma once
// The raw IR commands of the program, the "C" records. The grid shows label
// and number; the raw code of each row is kept beside the grid, one entry per
// row in row order. "Probar" tries a command; "Aprender" makes the controller
// learn a raw code and reads it back into the row's entry.
#include <string>
#include <vector>

#include "tables/RecordLista.h"

class ListaComandosIRCrudos : public RecordLista {
public:
    explicit ListaComandosIRCrudos(wxWindow* parent);

    void DeleteSelectedRows() override;
    void ClearRows() override;
    void LoadFromProgram(const ProgramLines& lines) override;
    void MergeFromProgram(const ProgramLines& lines) override;
    void TestRow(int row) override;
    void OnButtonCell(int row, int col) override;

    const std::vector<std::string>& RawCodes() const { return rawCodes; }

protected:
    void ReadHiddenFields(int row, Row& fields) const override;
    void WriteHiddenFields(int row, const Row& fields) override;

private:
    // Drops the entries of rows that are gone.
    void TrimRawCodes();

    std::vector<std::string> rawCodes;
};
