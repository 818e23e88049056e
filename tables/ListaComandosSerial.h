#pragma once
// The serial commands of the program, the "S" records; "Probar" tries one.
#include "tables/RecordLista.h"

class ListaComandosSerial : public RecordLista {
public:
    explicit ListaComandosSerial(wxWindow* parent);

    void TestRow(int row) override;
};
