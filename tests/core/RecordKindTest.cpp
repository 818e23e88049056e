#include <gtest/gtest.h>

#include "tables/syntax/RecordKind.h"

namespace {

TEST(AllRecordKinds, RegistryOrder) {
    std::string letters;
    for (const RecordKind* kind : AllRecordKinds()) letters += kind->Letter();
    EXPECT_EQ(letters, "BMNCSVAR");
}

TEST(AllRecordKinds, NewRowsHoldEveryField) {
    for (const RecordKind* kind : AllRecordKinds()) {
        EXPECT_EQ(kind->NewRow().size(), static_cast<size_t>(kind->ColumnCount() + kind->HiddenFields()))
            << kind->Letter();
    }
}

// Kinds that take no part in Merge leave their rows alone; the others read
// the same rows Load would.
TEST(AllRecordKinds, MergeFollowsTakesMerge) {
    const ProgramLines program = {"B1 0 1",   "XBL1|Puerta", "M1 N1",      "XML1|Luz",   "N1 20DF10EF R 1",
                                  "XNL1|TV",  "C1 AB",       "XCL1|Radio", "S1 PWR ON", "XSL1|Proy",
                                  "V1 9600",  "A1 20DF10EF", "XAL1|Alias", "R IP 1.2.3.4"};
    for (const RecordKind* kind : AllRecordKinds()) {
        const Rows initial = kind->InitialRows();
        Rows merged = initial;
        Rows loaded = initial;
        Messages mergeMessages;
        Messages loadMessages;
        kind->Merge(program, merged, mergeMessages);
        kind->Load(program, loaded, loadMessages);
        if (kind->TakesMerge()) {
            EXPECT_EQ(merged, loaded) << kind->Letter();
        } else {
            EXPECT_EQ(merged, initial) << kind->Letter();
            EXPECT_TRUE(mergeMessages.empty()) << kind->Letter();
        }
    }
}

}  // namespace
