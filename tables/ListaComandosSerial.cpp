#include "tables/ListaComandosSerial.h"

#include "tables/RecordRowActions.h"
#include "tables/syntax/SerialRecords.h"

ListaComandosSerial::ListaComandosSerial(wxWindow* parent) : RecordLista(parent, SerialRecords()) {}

void ListaComandosSerial::TestRow(int row) { TestRecordRow(*this, row); }
