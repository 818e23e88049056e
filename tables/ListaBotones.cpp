#include "tables/ListaBotones.h"

#include "tables/RecordRowActions.h"
#include "tables/syntax/ButtonRecords.h"

ListaBotones::ListaBotones(wxWindow* parent) : RecordLista(parent, ButtonRecords()) {}

void ListaBotones::TestRow(int row) { TestRecordRow(*this, row); }
