#include "tables/ListaMacros.h"

#include "tables/RecordRowActions.h"
#include "tables/syntax/MacroRecords.h"

ListaMacros::ListaMacros(wxWindow* parent) : RecordLista(parent, MacroRecords()) {}

void ListaMacros::TestRow(int row) { TestRecordRow(*this, row); }
