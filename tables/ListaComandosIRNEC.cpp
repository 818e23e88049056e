#include "tables/ListaComandosIRNEC.h"

#include "link/ControllerProxy.h"
#include "program/WxText.h"
#include "tables/RecordRowActions.h"
#include "tables/syntax/NecRecords.h"

ListaComandosIRNEC::ListaComandosIRNEC(wxWindow* parent) : RecordLista(parent, NecRecords()) {}

void ListaComandosIRNEC::TestRow(int row) { TestRecordRow(*this, row); }

void ListaComandosIRNEC::OnButtonCell(int row, int) {
    if (!LearnNumberIsValid(*this, row)) return;
    modified = true;

    const std::string number = CellText(*this, row, Kind().NumberColumn());
    if (TheControllerProxy().SendAndWait(NecLearnCommand(number)) != 0) return;

    ProgramLines reply;
    TheControllerProxy().QueryLines(NecQueryCommand(), reply);
    Row fields = ReadRows().at(static_cast<size_t>(row));
    Messages messages;
    ApplyNecLearnReply(number, reply, fields, messages);
    for (int col : {kNecCodeColumn, kNecRepeatColumn, kNecFramesColumn})
        grid->SetCellValue(row, col, ToWx(fields[col]));
    ShowMessages(messages);
    Relayout();
}
