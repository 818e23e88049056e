#pragma once
// NEC IR commands, the "N" records: number, 8-digit NEC code, repeat option
// ("R" or "N") and frame count. The "Aprender" column makes the controller
// learn the code of a command.
#include <string>

#include "tables/syntax/RecordKind.h"

const RecordKind& NecRecords();

// Columns of a NEC command row.
constexpr int kNecCodeColumn = 2;
constexpr int kNecRepeatColumn = 3;
constexpr int kNecFramesColumn = 4;
constexpr int kNecLearnColumn = 5;

// What the controller is sent to learn the code of a command: "N" + number + " L".
std::string NecLearnCommand(const std::string& number);

// The query whose reply lists the controller's NEC command records.
std::string NecQueryCommand();

// After a successful learn: takes code, repeat option and frame count of the
// command from the controller's reply to the query. Every reply line whose
// first piece is "N" + number (exact text) is examined, so the last
// well-formed one decides; a matching line without exactly four pieces adds
// "Error de sintaxis: " + the line to the messages. Label and number stay;
// no matching line leaves the row as it was.
void ApplyNecLearnReply(const std::string& number, const ProgramLines& reply, Row& row,
                        Messages& messages);
