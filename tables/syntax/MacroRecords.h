#pragma once
// Macros, the "M" records: number and a line of steps.
#include "tables/syntax/RecordKind.h"

const RecordKind& MacroRecords();
