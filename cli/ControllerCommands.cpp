#include "cli/ControllerCommands.h"

#include "cli/CommandLine.h"
#include "cli/ControllerSession.h"
#include "cli/DocumentSteps.h"
#include "cli/Terminal.h"
#include "cli/WriteVerification.h"
#include "link/ControllerProxy.h"
#include "program/Cp1252.h"
#include "tables/syntax/ProgramDocument.h"

namespace {

const char* const kDeviceWriteError = "Error escribiendo el dispositivo";
const char* const kDeviceReadError = "Error leyendo el dispositivo";

int Status(const Terminal& terminal)
{
    return terminal.AnyMessage() ? 1 : 0;
}

// A test takes the program as the tables hold it at that moment.
class DocumentSource : public ProgramSource {
public:
    explicit DocumentSource(const ProgramDocument& document) : document(document) {}
    ProgramLines CurrentProgram() override { return document.Collect(true); }

private:
    const ProgramDocument& document;
};

bool ReadController(ControllerSession& session, ProgramLines& lines, Terminal& terminal)
{
    const bool read = TheControllerProxy().ReadFromController(lines);
    session.EndExchange();
    if (!read)
        terminal.Message(kDeviceReadError);
    return read;
}

// Reads the program back and prints every line in which it differs from
// what was written.
void VerifyWrite(ControllerSession& session, const ProgramLines& written, Terminal& terminal)
{
    ProgramLines read;
    if (!ReadController(session, read, terminal))
        return;
    const std::vector<LineDifference> differences = CompareReadBack(ExpectedReadBack(written), read);
    if (differences.empty())
        return;
    terminal.Message("El controlador no guarda lo grabado (- grabado, + le\xED" "do):");
    for (const LineDifference& difference : differences)
        terminal.Message(std::string(1, difference.side) + " " + difference.line);
}

// The table whose rows a target names: its kind letter, in a table that
// has a "Probar" column.
int TestedTable(const ProgramDocument& document, const std::string& target)
{
    for (int table = 0; table < document.TableCount(); ++table) {
        const RecordKind& kind = document.Kind(table);
        if (kind.HasTestColumn() && target.size() > 1 && target[0] == kind.Letter())
            return table;
    }
    throw UsageError("no se puede probar " + target);
}

bool HasTarget(const ProgramDocument& document, int table, const std::string& target)
{
    for (const Row& row : document.Table(table)) {
        if (document.Kind(table).TestTarget(row) == target)
            return true;
    }
    return false;
}

}  // namespace

int RunWrite(const Invocation& invocation)
{
    Terminal terminal;
    ProgramDocument document;
    if (!OpenProgram(document, invocation.operands[0], terminal) || !ValidateProgram(document, terminal))
        return 1;
    const ProgramLines lines = document.Collect(true);

    ControllerSession session(invocation, terminal);
    session.Feedback().ExpectWrite(lines);
    const bool written = TheControllerProxy().WriteToController(lines);
    session.EndExchange();
    if (!written) {
        terminal.Message(kDeviceWriteError);
        return 1;
    }
    if (invocation.verify)
        VerifyWrite(session, lines, terminal);
    return Status(terminal);
}

int RunRead(const Invocation& invocation)
{
    Terminal terminal;
    ProgramLines lines;
    {
        ControllerSession session(invocation, terminal);
        if (!ReadController(session, lines, terminal))
            return 1;
    }
    // The controller holds no label lines: every labelled row gets its
    // table's default label.
    ProgramDocument document;
    LoadProgram(document, lines, terminal);
    if (ValidateProgram(document, terminal))
        SaveProgram(document, invocation.operands[0], terminal);
    return Status(terminal);
}

int RunTest(const Invocation& invocation)
{
    Terminal terminal;
    ProgramDocument document;
    const std::string target = Utf8ToCp1252(invocation.operands[1]);
    const int table = TestedTable(document, target);
    if (!OpenProgram(document, invocation.operands[0], terminal))
        return 1;
    if (!HasTarget(document, table, target)) {
        terminal.Message(target + " no est\xE1 en la " + document.Kind(table).Title());
        return 1;
    }
    if (!ValidateTable(document, table, terminal))
        return 1;

    DocumentSource source(document);
    ControllerSession session(invocation, terminal);
    session.SetProgramSource(&source);
    session.Feedback().ExpectWrite(document.Collect(true));
    const int tested = TheControllerProxy().TestLine(target);
    session.EndExchange();
    return tested == 0 ? Status(terminal) : 1;
}
