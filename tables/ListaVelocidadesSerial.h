#pragma once
// The speeds of the two serial ports, the "V" records: always two rows.
#include "tables/RecordLista.h"

class ListaVelocidadesSerial : public RecordLista {
public:
    explicit ListaVelocidadesSerial(wxWindow* parent);
};
