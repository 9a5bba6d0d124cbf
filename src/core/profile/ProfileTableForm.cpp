#include "core/profile/ProfileTableForm.h"

#include <cmath>

#include "core/text/Numbers.h"

namespace zelpor {
namespace {

using Field = TableCell::Field;

const std::string kNoText;

std::string Shown(double value) { return FormatGeneral(static_cast<float>(value)); }

}  // namespace

ProfileTableForm ProfileTableForm::ForNewProfile(float thickness) {
    ProfileTableForm form;
    form.m_thickness = thickness > 0 && std::isfinite(thickness) ? FormatGeneral(thickness) : "0.1";
    form.m_orientation = "0";
    form.m_rows.resize(1);
    return form;
}

ProfileTableForm ProfileTableForm::ForPart(const PartRecord& part) {
    ProfileTableForm form;
    const ProfileTable table = TableFromPart(part);
    form.m_thickness = Shown(table.thickness);
    form.m_orientation = Shown(table.orientation);
    const int n = table.bendCount();
    for (int k = 0; k <= n; ++k) {
        const ProfileRow& row = table.rows[static_cast<std::size_t>(k)];
        form.m_rows.push_back({Shown(row.length), k < n ? Shown(row.angle) : std::string()});
        if (k < n && part.profile[static_cast<std::size_t>(k)].order != -1) form.m_hadProgram = true;
    }
    form.m_hadProgram = form.m_hadProgram || part.lastBend >= 0;
    form.m_structureChanged = false;
    return form;
}

std::string* ProfileTableForm::textOf(const TableCell& cell) {
    switch (cell.field) {
    case Field::Thickness: return &m_thickness;
    case Field::Orientation: return &m_orientation;
    case Field::Length:
    case Field::Angle:
        if (cell.row < 0 || cell.row >= rowCount()) return nullptr;
        RowTexts& row = m_rows[static_cast<std::size_t>(cell.row)];
        return cell.field == Field::Length ? &row.length : &row.angle;
    }
    return nullptr;
}

const std::string& ProfileTableForm::text(const TableCell& cell) const {
    const std::string* t = const_cast<ProfileTableForm*>(this)->textOf(cell);
    return t ? *t : kNoText;
}

void ProfileTableForm::setText(const TableCell& cell, std::string text) {
    if (std::string* t = textOf(cell)) *t = std::move(text);
}

std::optional<double> ProfileTableForm::ReadValue(Field field, std::string_view text) {
    // A length has no direction: "-50" is 50 mm, as the drawing refuses the minus.
    if (field == Field::Length && !text.empty() && text.front() == '-') text.remove_prefix(1);
    const std::optional<double> value = ParseNumber(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

ProfileTableForm::EnterResult ProfileTableForm::enter(TableCell& cell) {
    std::string* t = textOf(cell);
    if (!t || t->empty()) return EnterResult::Ignored;
    if (!ReadValue(cell.field, *t)) {
        m_message = NotANumberText(*t);
        return EnterResult::Rejected;
    }
    m_message.clear();
    if (cell.field == Field::Length && t->front() == '-') t->erase(0, 1);
    switch (cell.field) {
    case Field::Thickness: cell = {Field::Orientation, 0}; break;
    case Field::Orientation: cell = {Field::Length, 0}; break;
    case Field::Length: cell.field = Field::Angle; break;
    case Field::Angle:
        if (cell.row + 1 >= rowCount()) return EnterResult::AtEnd;
        cell = {Field::Length, cell.row + 1};
        break;
    }
    return EnterResult::Moved;
}

TableCell ProfileTableForm::above(const TableCell& cell) const {
    switch (cell.field) {
    case Field::Thickness:
    case Field::Orientation: return {Field::Thickness, 0};
    case Field::Length:
    case Field::Angle:
        if (cell.row <= 0) return {Field::Orientation, 0};
        return {cell.field, cell.row - 1};
    }
    return cell;
}

TableCell ProfileTableForm::below(const TableCell& cell) const {
    switch (cell.field) {
    case Field::Thickness: return {Field::Orientation, 0};
    case Field::Orientation: return {Field::Length, 0};
    case Field::Length:
    case Field::Angle: return {cell.field, std::min(cell.row + 1, rowCount() - 1)};
    }
    return cell;
}

bool ProfileTableForm::insertRow(int at) {
    if (rowCount() >= ProfileTable::kMaxRows || at < 0 || at > rowCount()) return false;
    m_rows.insert(m_rows.begin() + at, RowTexts{});
    m_structureChanged = true;
    return true;
}

bool ProfileTableForm::deleteRow(int at) {
    if (rowCount() <= 1 || at < 0 || at >= rowCount()) return false;
    m_rows.erase(m_rows.begin() + at);
    m_structureChanged = true;
    return true;
}

ProfileTable ProfileTableForm::preview() const {
    ProfileTable table;
    table.thickness = ReadValue(Field::Thickness, m_thickness).value_or(0);
    table.orientation = ReadValue(Field::Orientation, m_orientation).value_or(0);
    for (const RowTexts& row : m_rows) {
        const std::optional<double> length = ReadValue(Field::Length, row.length);
        if (!length) break;
        const std::optional<double> angle = ReadValue(Field::Angle, row.angle);
        table.rows.push_back({*length, angle.value_or(180)});
        if (!angle) break;
    }
    return table;
}

bool ProfileTableForm::lastRowBlank() const {
    return rowCount() > 1 && m_rows.back().length.empty() && m_rows.back().angle.empty();
}

std::optional<ProfileTable> ProfileTableForm::finished(TableCell* bad) {
    ProfileTable table;
    auto refuse = [&](const TableCell& cell) -> std::optional<ProfileTable> {
        const std::string& t = text(cell);
        m_message = t.empty() ? "Valeur manquante" : NotANumberText(t);
        if (bad) *bad = cell;
        return std::nullopt;
    };
    const std::optional<double> thickness = ReadValue(Field::Thickness, m_thickness);
    if (!thickness || !(*thickness > 0)) {
        if (thickness) {
            m_message = "Epaisseur nulle";
            if (bad) *bad = {Field::Thickness, 0};
            return std::nullopt;
        }
        return refuse({Field::Thickness, 0});
    }
    const std::optional<double> orientation = ReadValue(Field::Orientation, m_orientation);
    if (!orientation) return refuse({Field::Orientation, 0});
    table.thickness = *thickness;
    table.orientation = *orientation;

    const int rows = lastRowBlank() ? rowCount() - 1 : rowCount();
    for (int k = 0; k < rows; ++k) {
        const RowTexts& row = m_rows[static_cast<std::size_t>(k)];
        const std::optional<double> length = ReadValue(Field::Length, row.length);
        if (!length) return refuse({Field::Length, k});
        // The last segment has no bend after it: its angle is not read.
        std::optional<double> angle = 180.0;
        if (k + 1 < rows) angle = ReadValue(Field::Angle, row.angle);
        if (!angle) return refuse({Field::Angle, k});
        table.rows.push_back({*length, *angle});
    }
    m_message.clear();
    return table;
}

}  // namespace zelpor
