#include <gtest/gtest.h>

#include <functional>

#include "tables/syntax/AliasRecords.h"
#include "tables/syntax/NecRecords.h"

namespace {

// A learn reply sets only the fields after the number: label, number and the
// "Aprender" cell keep whatever the row holds.
TEST(LearnReply, SetsOnlyTheFieldsAfterTheNumber) {
    using Apply = std::function<void(const std::string&, const ProgramLines&, Row&, Messages&)>;
    struct Case {
        const char* name;
        Apply apply;
        ProgramLines reply;
        Row before;
        Row after;
    };
    const Case cases[] = {
        {"NEC", ApplyNecLearnReply, {"N12 20DF10EF R 3"}, {"TV", "12", "", "", "", "pulsado"},
         {"TV", "12", "20DF10EF", "R", "3", "pulsado"}},
        {"alias", ApplyAliasLearnReply, {"A12 20DF10EF"}, {"TV", "12", "", "pulsado"},
         {"TV", "12", "20DF10EF", "pulsado"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Row row = c.before;
        Messages messages;
        c.apply("12", c.reply, row, messages);
        EXPECT_EQ(row, c.after);
        EXPECT_TRUE(messages.empty());
    }
}

}  // namespace
