#include "tables/ListaAliasIR.h"

#include "link/ControllerProxy.h"
#include "program/WxText.h"
#include "tables/RecordRowActions.h"
#include "tables/syntax/AliasRecords.h"

ListaAliasIR::ListaAliasIR(wxWindow* parent) : RecordLista(parent, AliasRecords()) {}

void ListaAliasIR::OnButtonCell(int row, int) {
    if (!LearnNumberIsValid(*this, row)) return;
    modified = true;

    const std::string number = CellText(*this, row, Kind().NumberColumn());
    Row fields = ReadRows().at(static_cast<size_t>(row));
    if (TheControllerProxy().SendAndWait(AliasLearnCommand(number)) != 0) {
        ApplyAliasLearnFailure(fields);
        grid->SetCellValue(row, kAliasCodeColumn, ToWx(fields[kAliasCodeColumn]));
        return;
    }

    ProgramLines reply;
    TheControllerProxy().QueryLines(AliasQueryCommand(), reply);
    Messages messages;
    ApplyAliasLearnReply(number, reply, fields, messages);
    grid->SetCellValue(row, kAliasCodeColumn, ToWx(fields[kAliasCodeColumn]));
    ShowMessages(messages);
    Relayout();
}
