#include "tables/syntax/AliasRecords.h"
#include "tables/syntax/ButtonRecords.h"
#include "tables/syntax/MacroRecords.h"
#include "tables/syntax/NecRecords.h"
#include "tables/syntax/RawIrRecords.h"
#include "tables/syntax/RecordKind.h"
#include "tables/syntax/RemoteParamRecords.h"
#include "tables/syntax/SerialRecords.h"
#include "tables/syntax/SpeedRecords.h"

const std::vector<const RecordKind*>& AllRecordKinds() {
    static const std::vector<const RecordKind*> kinds = {
        &ButtonRecords(), &MacroRecords(), &NecRecords(),   &RawIrRecords(),
        &SerialRecords(), &SpeedRecords(), &AliasRecords(), &RemoteParamRecords(),
    };
    return kinds;
}
