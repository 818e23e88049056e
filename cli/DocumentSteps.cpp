#include "cli/DocumentSteps.h"

#include "cli/Terminal.h"
#include "program/ProgramFile.h"
#include "program/TextSplit.h"
#include "tables/syntax/ProgramDocument.h"

namespace {

const char* const kFileReadError = "Error leyendo el archivo";
const char* const kFileWriteError = "Error escribiendo el archivo";

void PrintMessages(const Messages& messages, Terminal& terminal)
{
    for (const std::string& message : messages)
        terminal.Message(message);
}

void PrintFault(const ProgramDocument& document, int table, const CellFault& fault, Terminal& terminal)
{
    const RecordKind& kind = document.Kind(table);
    const std::vector<ColumnDef> columns = kind.Columns();
    const std::string header = fault.col >= 0 && fault.col < static_cast<int>(columns.size())
                                   ? Trim(columns[static_cast<std::size_t>(fault.col)].header)
                                   : std::to_string(fault.col + 1);
    terminal.Message(fault.message);
    terminal.Message(kind.Title() + ": fila " + std::to_string(fault.row + 1) + ", columna " + header);
}

}  // namespace

bool OpenProgram(ProgramDocument& document, const std::string& fileName, Terminal& terminal)
{
    ProgramLines lines;
    if (!ReadProgramFile(fileName, lines)) {
        terminal.Message(kFileReadError);
        return false;
    }
    LoadProgram(document, lines, terminal);
    return true;
}

bool MergeProgram(ProgramDocument& document, const std::string& fileName, Terminal& terminal)
{
    ProgramLines lines;
    if (!ReadProgramFile(fileName, lines)) {
        terminal.Message(kFileReadError);
        return false;
    }
    Messages messages;
    document.MergeAll(lines, messages);
    PrintMessages(messages, terminal);
    return true;
}

void LoadProgram(ProgramDocument& document, const ProgramLines& lines, Terminal& terminal)
{
    document.ClearAll();
    Messages messages;
    document.LoadAll(lines, messages);
    PrintMessages(messages, terminal);
}

bool ValidateProgram(const ProgramDocument& document, Terminal& terminal)
{
    const std::optional<DocumentFault> fault = document.Validate();
    if (!fault)
        return true;
    PrintFault(document, fault->table, fault->fault, terminal);
    return false;
}

bool ValidateTable(const ProgramDocument& document, int table, Terminal& terminal)
{
    const std::optional<CellFault> fault = FirstFault(document.Kind(table), document.Table(table));
    if (!fault)
        return true;
    PrintFault(document, table, *fault, terminal);
    return false;
}

bool SaveProgram(const ProgramDocument& document, const std::string& fileName, Terminal& terminal)
{
    if (WriteProgramFile(fileName, document.Collect(false)))
        return true;
    terminal.Message(kFileWriteError);
    return false;
}
