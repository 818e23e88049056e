#include "tables/Listas.h"

#include <wx/grid.h>

#include "tables/Lista.h"
#include "tables/ListaAliasIR.h"
#include "tables/ListaBotones.h"
#include "tables/ListaComandosIRCrudos.h"
#include "tables/ListaComandosIRNEC.h"
#include "tables/ListaComandosSerial.h"
#include "tables/ListaMacros.h"
#include "tables/ListaParametrosRemotos.h"
#include "tables/ListaVelocidadesSerial.h"

std::vector<Lista*> Listas;

namespace {

template <class Table>
void Create(std::vector<Lista*>& tables, wxWindow* parent) {
    tables.push_back(new Table(parent));
}

}  // namespace

void CreateListas(wxWindow* parent) {
    std::vector<Lista*> tables;
    Create<ListaBotones>(tables, parent);
    Create<ListaMacros>(tables, parent);
    Create<ListaComandosIRNEC>(tables, parent);
    Create<ListaComandosIRCrudos>(tables, parent);
    Create<ListaComandosSerial>(tables, parent);
    Create<ListaVelocidadesSerial>(tables, parent);
    Create<ListaAliasIR>(tables, parent);
    Create<ListaParametrosRemotos>(tables, parent);
    Listas = std::move(tables);
}

void LoadAllFromProgram(const ProgramLines& lines) {
    for (Lista* table : Listas) table->LoadFromProgram(lines);
}

void MergeAllFromProgram(const ProgramLines& lines) {
    for (Lista* table : Listas) table->MergeFromProgram(lines);
}

void ClearAllRows() {
    for (Lista* table : Listas) table->ClearRows();
}

bool AnyModified() {
    for (Lista* table : Listas) {
        table->GetGrid()->SaveEditControlValue();
        if (table->IsModified()) return true;
    }
    return false;
}

void SetAllModified(bool flag) {
    for (Lista* table : Listas) table->SetModified(flag);
}

void ValidateAll() {
    // Every edit in progress ends and is stored before anything is checked.
    for (Lista* table : Listas) table->GetGrid()->DisableCellEditControl();
    if (Listas.empty()) return;
    wxGrid* first = Listas.front()->GetGrid();
    first->SetFocus();
    if (first->GetNumberRows() > 0 && first->GetNumberCols() > 0) first->SetGridCursor(0, 0);
    for (Lista* table : Listas) table->Validate();
}

ProgramLines CollectProgramLines(bool excludeLabels) {
    ProgramLines lines;
    for (Lista* table : Listas) {
        table->GetGrid()->SaveEditControlValue();
        for (std::string& line : table->SaveToProgram()) {
            if (excludeLabels && !line.empty() && line[0] == 'X') continue;
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

std::vector<std::string_view> CollectProgramText() {
    std::vector<std::string_view> parts;
    for (Lista* table : Listas) {
        table->GetGrid()->SaveEditControlValue();
        parts.push_back(table->ProgramText());
    }
    parts.push_back("\r");  // the empty line after the program
    return parts;
}
