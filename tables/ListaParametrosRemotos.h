#pragma once
// The network settings, the "R" records: twelve fixed rows of name and value.
#include "tables/RecordLista.h"

class ListaParametrosRemotos : public RecordLista {
public:
    explicit ListaParametrosRemotos(wxWindow* parent);
};
