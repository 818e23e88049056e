#pragma once
// The speeds of the two serial ports, the "V" records: always two rows.
#include "tables/syntax/RecordKind.h"

const RecordKind& SpeedRecords();
