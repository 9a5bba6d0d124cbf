#pragma once

#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "core/part/PartRecord.h"
#include "core/tools/ToolRecords.h"

namespace zelpor {

// One column of the bend table: the setting's caption as the main window
// labels it, its unit and the bend member it shows.
struct SheetColumn {
    const char* caption;
    const char* unit;
    float BendRecord::*member;
};
inline constexpr int kSheetColumnCount = 11;
extern const std::array<SheetColumn, kSheetColumnCount> kSheetColumns;

// A main figure of a tool: "Hauteur", "67.00", "mm".
struct ToolFigure {
    std::string label;
    std::string value;
    std::string unit;
};

// A tool used by the part, with what the sheet says and draws of it.
struct SheetTool {
    ToolKind kind = ToolKind::Punch;
    std::string name;     // UTF-8, as shown
    std::string rawName;  // Latin-1 bytes, as stored in the bends (the file name)
    bool found = false;   // its file could be read
    std::vector<ToolFigure> figures;
    PunchRecord punch;
    DieRecord die;
};

// One bend of the program, as the main window shows it.
struct SheetBendRow {
    std::string number;  // "1"
    std::array<std::string, kSheetColumnCount> settings;
    std::string length;  // "Longueur", no decimals as in the left column
    std::string punch;
    std::string die;
};

// One step of the bending order of a drawn profile.
struct SheetStep {
    int position = 0;     // place in the program, 0-based
    int profileBend = 0;  // the profile entry that is bent
    std::string number;   // "2/3"
    std::string angle;
    std::string stop;  // backgauge position, mm
    bool pivoted = false;
    bool turned = false;
    std::string punch;  // UTF-8; raw names below find the tool files
    std::string die;
    std::string rawPunch;
    std::string rawDie;
    std::string note() const;  // "pièce pivotée", "pièce retournée", ...
};

// Everything a setup sheet prints, as text.
struct SetupSheet {
    std::string job;
    std::string part;
    std::string comment;
    std::string date;     // when the part was last saved
    std::string printed;  // when the sheet was made
    std::string thickness;
    std::string material;
    std::string developedLength;  // empty for a part entered as a plain bend list
    bool graphic = false;
    std::vector<SheetTool> tools;  // punches first, in order of first use
    std::vector<SheetBendRow> bends;
    std::vector<SheetStep> steps;
    std::vector<std::string> warnings;  // tool files that could not be read
};

struct SheetSource {
    std::string job;  // Latin-1 / UTF-8 names as on disk
    std::string partName;
    std::string toolsFolder;  // ends with a separator
    std::optional<std::time_t> saved;
    std::time_t now = 0;
};

// Reads a tool file for a sheet (a read-only file in an installed library is
// fine here: nothing is written). Returns false when it cannot be read.
bool ReadToolForSheet(const std::string& toolsFolder, const std::string& rawName, ToolKind kind, SheetTool& tool);

SetupSheet BuildSetupSheet(const PartRecord& part, const SheetSource& source);

// The bends of the part, one row per bend.
std::vector<SheetBendRow> SheetBendRows(const PartRecord& part);
// The steps of the bending order of a drawn profile, in program order.
std::vector<SheetStep> SheetSteps(const PartRecord& part);

// CSV of the bend table: a header row, then one row per bend.
std::string SetupSheetCsv(const SetupSheet& sheet);

}  // namespace zelpor
