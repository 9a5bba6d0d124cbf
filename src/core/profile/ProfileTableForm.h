#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/part/PartRecord.h"
#include "core/profile/ProfileTable.h"

namespace zelpor {

// One entry field of the profile table window.
struct TableCell {
    enum class Field { Thickness, Orientation, Length, Angle };
    Field field = Field::Thickness;
    int row = 0;  // for lengths and angles

    friend bool operator==(const TableCell&, const TableCell&) = default;
};

// What the profile table window holds while the user types: the texts of its
// fields, the rows, and whether rows were inserted or deleted. The window
// mirrors these texts in its fields and asks this model what Enter, the
// arrows, inserting and deleting do.
class ProfileTableForm {
public:
    enum class EnterResult {
        Ignored,   // empty field: nothing happens
        Rejected,  // not a number: message() says why, the field keeps the focus
        Moved,     // taken; the cell moved to the next field
        AtEnd,     // taken on the last row's angle: a row may be appended
    };

    // A new profile: the part's thickness proposed (0.1 without one), the
    // orientation 0 and one empty row.
    static ProfileTableForm ForNewProfile(float thickness);
    // The part's profile as it stands, to be changed.
    static ProfileTableForm ForPart(const PartRecord& part);

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const std::string& text(const TableCell& cell) const;
    void setText(const TableCell& cell, std::string text);

    // Enter in `cell`: checks its text and moves `cell` on through the row
    // (length, then angle) and to the next row.
    EnterResult enter(TableCell& cell);
    const std::string& message() const { return m_message; }

    // The field above or below, for the arrow keys.
    TableCell above(const TableCell& cell) const;
    TableCell below(const TableCell& cell) const;

    // A new empty row at `at` (0 .. rowCount), at most 25 rows.
    bool insertRow(int at);
    // Removes row `at`; the last remaining row stays.
    bool deleteRow(int at);

    // The part had a bending program when the window opened.
    bool hadProgram() const { return m_hadProgram; }
    // Rows were inserted or deleted (always true for a new profile).
    bool structureChanged() const { return m_structureChanged; }
    // The bending order, pivots and corrections carry over to the new values.
    bool keepsProgram() const { return !m_structureChanged; }

    // The rows that can be drawn so far: up to the first row whose length (or,
    // before another row, whose angle) is not a number yet.
    ProfileTable preview() const;
    // The whole table, or nothing with `bad` on the first field that keeps it
    // from being finished and message() saying why. A last row left empty
    // (appended by Enter and not filled in) is not a segment.
    std::optional<ProfileTable> finished(TableCell* bad);

    // The number in a field's text; a leading minus is dropped from a length.
    static std::optional<double> ReadValue(TableCell::Field field, std::string_view text);

private:
    struct RowTexts {
        std::string length;
        std::string angle;
    };
    std::string* textOf(const TableCell& cell);
    bool lastRowBlank() const;

    std::string m_thickness;
    std::string m_orientation;
    std::vector<RowTexts> m_rows;
    bool m_hadProgram = false;
    bool m_structureChanged = true;
    std::string m_message;
};

}  // namespace zelpor
