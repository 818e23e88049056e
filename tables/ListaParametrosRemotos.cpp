#include "tables/ListaParametrosRemotos.h"

#include "tables/syntax/RemoteParamRecords.h"

ListaParametrosRemotos::ListaParametrosRemotos(wxWindow* parent) : RecordLista(parent, RemoteParamRecords()) {}
