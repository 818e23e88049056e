#pragma once
// The buttons of the program, the "B" records; "Probar" tries a button.
#include "tables/RecordLista.h"

class ListaBotones : public RecordLista {
public:
    explicit ListaBotones(wxWindow* parent);

    void TestRow(int row) override;
};
