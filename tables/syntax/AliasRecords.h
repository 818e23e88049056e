#pragma once
// IR aliases, the "A" records: number and an 8-digit NEC code. The "Aprender"
// column makes the controller learn the code of an alias.
#include <string>

#include "tables/syntax/RecordKind.h"

const RecordKind& AliasRecords();

// Column of the NEC code in an alias row.
constexpr int kAliasCodeColumn = 2;

// What the controller is sent to learn the code of an alias: "A" + number + " L".
std::string AliasLearnCommand(const std::string& number);

// The query whose reply lists the controller's alias records.
std::string AliasQueryCommand();

// After a successful learn: takes the code of the alias from the controller's
// reply to the alias query. Every reply line whose first piece is "A" + number
// is examined, so the last one decides; a matching line without exactly a
// number and a code adds "Error de sintaxis: " + the line to the messages.
// No matching line leaves the row as it was.
void ApplyAliasLearnReply(const std::string& number, const ProgramLines& reply, Row& row,
                          Messages& messages);

// After a failed learn: an empty code becomes "FFFFFFFF"; a code already
// present stays.
void ApplyAliasLearnFailure(Row& row);
