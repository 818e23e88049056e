#include "tables/RecordRowActions.h"

#include "app/MessageDialog.h"
#include "link/ControllerProxy.h"
#include "program/CellChecker.h"
#include "program/SintaxErrorException.h"
#include "program/WxText.h"
#include "tables/RecordLista.h"

void TestRecordRow(RecordLista& table, int row) {
    try {
        table.Validate();
    } catch (const SintaxErrorException& error) {
        ShowMessage(error.what());
        return;
    }
    const Row fields = table.ReadRows().at(static_cast<size_t>(row));
    TheControllerProxy().TestLine(table.Kind().TestTarget(fields));

    wxGrid* grid = table.GetGrid();
    grid->SetGridCursor(row, grid->GetNumberCols() - 1);
    grid->SelectRow(row, false);
}

bool LearnNumberIsValid(RecordLista& table, int row) {
    try {
        CellChecker(*table.GetGrid()).CheckNumber(row, table.Kind().NumberColumn());
    } catch (const SintaxErrorException& error) {
        ShowMessage(error.what());
        return false;
    }
    return true;
}

std::string CellText(const RecordLista& table, int row, int col) {
    return FromWx(table.GetGrid()->GetCellValue(row, col));
}
