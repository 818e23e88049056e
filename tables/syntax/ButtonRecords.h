#pragma once
// Buttons, the "B" records: number, type (PULSADO or RETENIDO, written as 0
// or 1) and the numbers of the macros the button runs.
#include "tables/syntax/RecordKind.h"

const RecordKind& ButtonRecords();
