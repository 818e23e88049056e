#pragma once
// Serial commands, the "S" records: number and the command text, free text
// that may hold spaces anywhere.
#include "tables/syntax/RecordKind.h"

const RecordKind& SerialRecords();

// Column of the command text in a serial command row.
constexpr int kSerialCommandColumn = 2;
