#include "tables/ListaVelocidadesSerial.h"

#include "tables/syntax/SpeedRecords.h"

ListaVelocidadesSerial::ListaVelocidadesSerial(wxWindow* parent) : RecordLista(parent, SpeedRecords()) {}
