#include <gtest/gtest.h>

#include "core/params/ParameterEntry.h"
#include "core/params/ParameterPages.h"
#include "core/params/ParameterTable.h"
#include "support/ByteDiff.h"
#include "support/TempDir.h"

namespace zelpor {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Where a change in the third entry (164 bytes each) first shows in the file.
TEST(ParameterTable, FieldOffsets) {
    const Bytes blank = EncodeParameterTable(ParameterTable{});
    ASSERT_EQ(blank.size(), 7872u);
    auto at = [&](auto set) {
        ParameterTable t;
        set(t.entries[2]);
        return test::FirstDifference(EncodeParameterTable(t), blank) - 2 * 164;
    };
    using E = MachineParameter&;
    const std::pair<std::ptrdiff_t, std::ptrdiff_t> offsets[] = {
        {at([](E e) { e.number = 3; }), 0},          {at([](E e) { e.designation.assign("Course axe Y"); }), 4},
        {at([](E e) { e.yesNo = 1; }), 124},         {at([](E e) { e.padding[0] = 1; }), 125},
        {at([](E e) { e.decimals = 1; }), 128},      {at([](E e) { e.value = 200.1f; }), 132},
        {at([](E e) { e.unit.assign("mm"); }), 136}, {at([](E e) { e.modifiable = 1; }), 148},
        {at([](E e) { e.lower = 50.1f; }), 152},     {at([](E e) { e.reserved[0] = 1; }), 156},
        {at([](E e) { e.upper = 500.1f; }), 160}};
    for (const auto& [found, expected] : offsets) EXPECT_EQ(found, expected);
}

// A short file fills only as far as it reaches; a read-only one is neither
// loaded nor overwritten.
TEST(ParameterTable, ShortOrReadOnlyFiles) {
    test::TempDir dir;
    ParameterTable t;
    t.entries[0].designation.assign("Force nominale");
    Bytes image = EncodeParameterTable(t);
    image.resize(164);
    test::WriteAll(dir.file("Param.dat"), image);
    ParameterTable loaded;
    loaded.entries[1].number = 2, loaded.entries[47].value = 9;
    EXPECT_TRUE(LoadParameterTable(loaded, dir.folder()));
    EXPECT_EQ(loaded.entries[0].designation.str(), "Force nominale");
    EXPECT_EQ((std::pair{loaded.entries[1].number, loaded.entries[47].value}), (std::pair{2, 9.f}));

    const Bytes original = test::RandomBytes(7872, 21);
    test::WriteAll(dir.file("Param.dat"), original);
    test::MakeReadOnly(dir.file("Param.dat"));
    EXPECT_FALSE(LoadParameterTable(loaded, dir.folder()));
    EXPECT_EQ(loaded.entries[47].value, 9);  // left as it was
    EXPECT_FALSE(SaveParameterTable(loaded, dir.folder()));
    EXPECT_EQ(test::ReadAll(dir.file("Param.dat")), original);
}

MachineParameter Entry(float lower, float upper, int decimals = 3, bool yesNo = false, int modifiable = 1,
                       int number = 4) {
    MachineParameter e;
    e.number = number, e.lower = lower, e.upper = upper, e.decimals = decimals;
    e.yesNo = yesNo ? 1 : 0, e.modifiable = modifiable, e.value = 3.25f;
    return e;
}

TEST(ParameterEntry, FocusMessageAndShownDecimalsPerRow) {
    const MachineParameter limits = Entry(-2.5f, 1000, 3), readOnly = Entry(0, 1000, 3, false, 0);
    const MachineParameter yesNo = Entry(0, 1, 0, true);
    const struct {
        int row;
        MachineParameter e;
        const char* text;
    } rows[] = {
        {1, readOnly, "\tlecture seulement"},
        {4, readOnly, "Mini : 0\t\tMaxi : 1000"},
        {3, limits, "Mini : -2.500\t\tMaxi : 1000.000"},
        {7, limits, "Mini : -2.5\t\tMaxi : 1000"},
        {5, yesNo, "0 pour Non \t\t1 pour Oui"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.row);
        EXPECT_EQ(ParameterFocusMessage(r.row, r.e), r.text);
    }
    // Decimal counts outside any sense are kept between 0 and 6.
    for (const auto& [decimals, shown] : {std::pair{-4, "3"}, {1000000, "3.250000"}, {2, "3.25"}})
        EXPECT_EQ(FormatParameterValue(Entry(0, 10, decimals)), shown) << decimals;
}

// The validation rule, row by row: what is stored, what the field is rewritten
// with, and which message the status line shows.
TEST(ParameterEntry, ValidationRuleRowByRow) {
    using M = EntryMessage;
    const MachineParameter to1000 = Entry(0, 1000, 3), from10 = Entry(10, 20, 1), tight = Entry(0.1f, 999.9f, 1);
    const MachineParameter wide = Entry(-10, 10, 4), yesNo = Entry(0, 9, 0, true), fixed = Entry(0, 10, 2, false, 0);
    const MachineParameter hundred = Entry(-100, 100);
    const std::string huge(60, '9');
    const struct {
        int row;
        MachineParameter e;
        std::string text;
        std::optional<float> store;
        std::optional<std::string> rewrite;
        M message;
    } rows[] = {
        {4, to1000, "150", 150.0f, {}, M::Clear},
        {4, to1000, "1500", {}, "1000.00", M::AboveUpper},
        {7, to1000, "1500", {}, "1000.000", M::AboveUpper},  // row 7 uses the entry's decimals
        {2, from10, "-5", {}, "10.00", M::BelowLower},
        {1, tight, "999.90001", 999.9f, {}, M::Clear},  // single precision: reads as the limit
        {3, wide, "1.2.3", 0.0f, "0.00", M::ConversionError},
        {7, wide, ".", 0.0f, "0.0000", M::ConversionError},
        {7, wide, "-", {}, {}, M::Unchanged},
        {7, yesNo, "5", 0.0f, "0", M::Clear},
        {6, yesNo, "5", 5.0f, {}, M::Clear},  // yes/no only in row 7
        {7, fixed, "5", {}, {}, M::Unchanged},
        {5, hundred, "-" + huge, {}, "-100.00", M::BelowLower},  // too big for a float: meets the limit
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.row) + " " + r.text);
        const TypedValueOutcome out = ValidateTypedValue(r.row, r.e, r.text);
        EXPECT_EQ(out.store, r.store);
        EXPECT_EQ(out.message, r.message);
        EXPECT_EQ(out.rewrite, r.rewrite);
    }
    EXPECT_EQ(EntryMessageText(M::BelowLower), "valeur limite basse ");
    EXPECT_EQ(EntryMessageText(M::ConversionError),
              "d\xC3\xA9"
              "faut de convertion EConvertError ");
}

TEST(ParameterPages, PagingLeadsOnlyToPagesWithEntries) {
    ParameterTable t;
    t.entries[0] = Entry(0, 10, 0, false, 1, 1);
    t.entries[12] = Entry(0, 10, 0, false, 1, 13);  // page 2
    t.entries[47] = Entry(0, 10, 0, false, 1, 48);  // page 4; page 3 is empty
    EXPECT_EQ(ParameterIndex(1, 1), 12);
    EXPECT_EQ(ParameterIndex(3, 12), 47);
    EXPECT_EQ((std::array{NextPage(t, 0), NextPage(t, 1), NextPage(t, 3)}), (std::array{1, 3, -1}));
    EXPECT_EQ((std::array{PreviousPage(t, 3), PreviousPage(t, 0)}), (std::array{1, -1}));
    // Page 1 keeps its seven editable rows; later pages edit every entry in use.
    EXPECT_TRUE(RowTakesInput(t, 0, 7));
    EXPECT_FALSE(RowTakesInput(t, 0, 8));
    EXPECT_FALSE(RowTakesInput(t, 1, 2));
    EXPECT_TRUE(RowTakesInput(t, 3, 12));
}

TEST(ParameterPages, LaterEntriesFollowRowsFourToSixWithTheirOwnDecimals) {
    const MachineParameter speed = Entry(50, 1000, 1, false, 1, 13);
    const MachineParameter yesNo = Entry(0, 1, 0, true, 1, 14);
    const struct {
        const MachineParameter& entry;
        const char* typed;
        std::optional<float> store;
        std::optional<std::string> rewrite;
        EntryMessage message;
    } cases[] = {
        {speed, "5", std::nullopt, "50.0", EntryMessage::BelowLower},
        {speed, ".", 0.0f, "0.0", EntryMessage::ConversionError},
        {yesNo, "0", 0.0f, std::nullopt, EntryMessage::Clear},  // no rewrite: the caret stays
    };
    for (const auto& c : cases) {
        const TypedValueOutcome out = ValidateLaterPageValue(c.entry, c.typed);
        EXPECT_EQ(out.store, c.store) << c.typed;
        EXPECT_EQ(out.rewrite, c.rewrite) << c.typed;
        EXPECT_EQ(out.message, c.message) << c.typed;
    }
}

}  // namespace
}  // namespace zelpor
