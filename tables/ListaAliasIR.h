#pragma once
// The IR aliases of the program, the "A" records. "Aprender" makes the
// controller learn the code of an alias and copies it into the row.
#include "tables/RecordLista.h"

class ListaAliasIR : public RecordLista {
public:
    explicit ListaAliasIR(wxWindow* parent);

    void OnButtonCell(int row, int col) override;
};
