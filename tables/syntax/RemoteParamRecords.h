#pragma once
// The network settings, the "R" records: twelve fixed rows of name and value.
#include "tables/syntax/RecordKind.h"

const RecordKind& RemoteParamRecords();
