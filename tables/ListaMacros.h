#pragma once
// The macros of the program, the "M" records, with the legend of the step
// letters; "Probar" tries a macro.
#include "tables/RecordLista.h"

class ListaMacros : public RecordLista {
public:
    explicit ListaMacros(wxWindow* parent);

    void TestRow(int row) override;
};
