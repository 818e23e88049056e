#pragma once
// The NEC IR commands of the program, the "N" records. "Probar" tries a
// command; "Aprender" makes the controller learn its code and copies code,
// repeat option and frame count into the row.
#include "tables/RecordLista.h"

class ListaComandosIRNEC : public RecordLista {
public:
    explicit ListaComandosIRNEC(wxWindow* parent);

    void TestRow(int row) override;
    void OnButtonCell(int row, int col) override;
};
