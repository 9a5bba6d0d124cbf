#include <gtest/gtest.h>

#include "params/ParameterPages.h"

namespace zelpor {
namespace {

MachineParameter Entry(int number, float lower, float upper, int decimals, bool yesNo = false, bool modifiable = true) {
    MachineParameter e;
    e.number = number;
    e.lower = lower;
    e.upper = upper;
    e.decimals = decimals;
    e.yesNo = yesNo ? 1 : 0;
    e.modifiable = modifiable ? 1 : 0;
    return e;
}

TEST(ParameterPages, PagingLeadsOnlyToPagesWithEntries) {
    ParameterTable t;
    t.entries[0] = Entry(1, 0, 10, 0);
    t.entries[12] = Entry(13, 0, 10, 0);  // page 2
    t.entries[47] = Entry(48, 0, 10, 0);  // page 4; page 3 is empty
    EXPECT_EQ(ParameterIndex(1, 1), 12);
    EXPECT_EQ(ParameterIndex(3, 12), 47);
    EXPECT_EQ(NextPage(t, 0), 1);
    EXPECT_EQ(NextPage(t, 1), 3);
    EXPECT_EQ(NextPage(t, 3), -1);
    EXPECT_EQ(PreviousPage(t, 3), 1);
    EXPECT_EQ(PreviousPage(t, 1), 0);
    EXPECT_EQ(PreviousPage(t, 0), -1);
    ParameterTable firstOnly;
    EXPECT_EQ(NextPage(firstOnly, 0), -1);
    // Page 1 keeps its seven editable rows; later pages edit every entry in use.
    EXPECT_TRUE(RowTakesInput(t, 0, 7));
    EXPECT_FALSE(RowTakesInput(t, 0, 8));
    EXPECT_TRUE(RowTakesInput(t, 1, 1));
    EXPECT_FALSE(RowTakesInput(t, 1, 2));
    EXPECT_TRUE(RowTakesInput(t, 3, 12));
}

TEST(ParameterPages, LaterEntriesFollowRowsFourToSixWithTheirOwnDecimals) {
    const MachineParameter speed = Entry(13, 50, 1000, 1);
    const MachineParameter yesNo = Entry(14, 0, 1, 0, true);
    const MachineParameter fixed = Entry(15, 0, 1000, 0, false, false);
    const struct {
        const MachineParameter& entry;
        const char* typed;
        std::optional<float> store;
        std::optional<std::string> rewrite;
        EntryMessage message;
    } cases[] = {
        {speed, "5", std::nullopt, "50.0", EntryMessage::BelowLower},
        {speed, ".", 0.0f, "0.0", EntryMessage::ConversionError},
        {speed, "-", std::nullopt, std::nullopt, EntryMessage::Unchanged},
        {yesNo, "0", 0.0f, std::nullopt, EntryMessage::Clear},  // no rewrite: the caret stays
        {fixed, "5", std::nullopt, std::nullopt, EntryMessage::Unchanged},
    };
    for (const auto& c : cases) {
        const TypedValueOutcome out = ValidateLaterPageValue(c.entry, c.typed);
        EXPECT_EQ(out.store, c.store) << c.typed;
        EXPECT_EQ(out.rewrite, c.rewrite) << c.typed;
        EXPECT_EQ(out.message, c.message) << c.typed;
    }
    EXPECT_EQ(LaterPageFocusMessage(yesNo), "0 pour Non \t\t1 pour Oui");
}

}  // namespace
}  // namespace zelpor
