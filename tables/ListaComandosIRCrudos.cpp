#include "tables/ListaComandosIRCrudos.h"

#include "link/ControllerProxy.h"
#include "tables/RecordRowActions.h"
#include "tables/syntax/RawIrRecords.h"

ListaComandosIRCrudos::ListaComandosIRCrudos(wxWindow* parent) : RecordLista(parent, RawIrRecords()) {}

// New rows ("Agregar", loading, merging) reach the codes through the
// hidden-field hooks; deleting and clearing are done here.
void ListaComandosIRCrudos::DeleteSelectedRows() {
    const wxArrayInt rows = grid->GetSelectedRows();
    if (!rows.empty() && static_cast<size_t>(rows[0]) < rawCodes.size())
        rawCodes.erase(rawCodes.begin() + rows[0]);
    RecordLista::DeleteSelectedRows();
}

void ListaComandosIRCrudos::ClearRows() {
    RecordLista::ClearRows();
    rawCodes.clear();
}

void ListaComandosIRCrudos::LoadFromProgram(const ProgramLines& lines) {
    RecordLista::LoadFromProgram(lines);
    TrimRawCodes();
}

void ListaComandosIRCrudos::MergeFromProgram(const ProgramLines& lines) {
    RecordLista::MergeFromProgram(lines);
    TrimRawCodes();
}

void ListaComandosIRCrudos::TestRow(int row) { TestRecordRow(*this, row); }

void ListaComandosIRCrudos::OnButtonCell(int row, int) {
    if (!LearnNumberIsValid(*this, row)) return;
    modified = true;

    const std::string number = CellText(*this, row, Kind().NumberColumn());
    const size_t index = static_cast<size_t>(row);
    if (TheControllerProxy().SendAndWait(RawIrLearnCommand(number)) != 0) {
        rawCodes.at(index) = RawIrLearnFailureCode(rawCodes.at(index));
        return;
    }

    const std::string text = TheControllerProxy().ReadRawIr(number);
    Row fields{"", number, "", rawCodes.at(index)};
    Messages messages;
    ApplyRawIrLearnText(text, fields, messages);
    rawCodes.at(index) = fields[kRawIrCodeField];
    ShowMessages(messages);
}

void ListaComandosIRCrudos::ReadHiddenFields(int row, Row& fields) const {
    const size_t index = static_cast<size_t>(row);
    fields.push_back(index < rawCodes.size() ? rawCodes[index] : EmptyRawCode());
}

void ListaComandosIRCrudos::WriteHiddenFields(int row, const Row& fields) {
    const size_t index = static_cast<size_t>(row);
    if (rawCodes.size() <= index) rawCodes.resize(index + 1);
    rawCodes[index] = fields.size() > kRawIrCodeField ? fields[kRawIrCodeField] : EmptyRawCode();
}

void ListaComandosIRCrudos::TrimRawCodes() {
    const size_t rows = static_cast<size_t>(grid->GetNumberRows());
    if (rawCodes.size() > rows) rawCodes.resize(rows);
}
