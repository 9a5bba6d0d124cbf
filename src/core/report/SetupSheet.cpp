#include "core/report/SetupSheet.h"

#include <algorithm>

#include "core/io/Files.h"
#include "core/jobs/PartFiles.h"
#include "core/report/ReportText.h"
#include "core/sequence/SequenceProgram.h"

namespace zelpor {

const std::array<SheetColumn, kSheetColumnCount> kSheetColumns{{
    {"Angle", "°", &BendRecord::angle},
    {"Y", "mm", &BendRecord::y},
    {"Ouverture", "mm", &BendRecord::opening},
    {"X", "mm", &BendRecord::x},
    {"Recul", "mm", &BendRecord::retract},
    {"Delais", "s", &BendRecord::delay},
    {"Force", "t", &BendRecord::force},
    {"Vitesse", "mm/s", &BendRecord::speed},
    {"Temps Pression", "s", &BendRecord::pressTime},
    {"Dist. Decompre.", "mm", &BendRecord::decompress},
    {"Vit. Decompres.", "mm/s", &BendRecord::decompSpeed},
}};

namespace {

std::string Fixed2(double v) { return ShownNumber(v, 2); }

void FillFigures(SheetTool& tool) {
    if (tool.kind == ToolKind::Punch) {
        tool.figures = {{"Hauteur", Fixed2(tool.punch.height), "mm"},
                        {"Angle du poinçon", Fixed2(tool.punch.angle), "°"}};
        return;
    }
    const DieRecord& d = tool.die;
    tool.figures = {{"Hauteur", Fixed2(d.height), "mm"},
                    {"Angle du Vé", Fixed2(d.vAngle), "°"},
                    {"Ouverture du vé", Fixed2(d.vOpening), "mm"},
                    {"Rayon entrée matrice", Fixed2(d.entryRadius), "mm"}};
}

// Tool names in order of first use over the bends and the steps.
std::vector<std::string> UsedNames(const PartRecord& part, bool punch) {
    std::vector<std::string> names;
    for (int i = 0; i < part.bendCount(); ++i) {
        const BendRecord& b = part.bends[static_cast<std::size_t>(i)];
        std::string name = punch ? b.punch.str() : b.die.str();
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return names;
}

}  // namespace

bool ReadToolForSheet(const std::string& toolsFolder, const std::string& rawName, ToolKind kind, SheetTool& tool) {
    tool.kind = kind;
    tool.rawName = rawName;
    tool.name = ShownText(rawName);
    const bool punch = kind == ToolKind::Punch;
    // A name from a damaged part could lead out of the tools folder: such a
    // name is not looked up at all.
    std::optional<std::vector<std::uint8_t>> bytes;
    if (IsPlainName(rawName) && !toolsFolder.empty())
        if (auto read = ReadFileBytes(toolsFolder + rawName + (punch ? ".PUN" : ".DIE"),
                                      punch ? PunchRecord::kFileSize : DieRecord::kFileSize))
            bytes = std::move(*read);
    tool.found = bytes.has_value();
    if (tool.found) {
        if (punch) DecodePunch(tool.punch, *bytes);
        else DecodeDie(tool.die, *bytes);
    }
    FillFigures(tool);
    if (!tool.found)
        for (ToolFigure& f : tool.figures) f.value = "?";
    return tool.found;
}

std::vector<SheetBendRow> SheetBendRows(const PartRecord& part) {
    std::vector<SheetBendRow> rows;
    for (int i = 0; i < part.bendCount(); ++i) {
        const BendRecord& b = part.bends[static_cast<std::size_t>(i)];
        SheetBendRow row;
        row.number = std::to_string(i + 1);
        for (std::size_t c = 0; c < kSheetColumns.size(); ++c) row.settings[c] = Fixed2(b.*kSheetColumns[c].member);
        row.length = ShownNumber(b.length, 0);
        row.punch = ShownText(b.punch.str());
        row.die = ShownText(b.die.str());
        rows.push_back(std::move(row));
    }
    return rows;
}

SetupSheet BuildSetupSheet(const PartRecord& part, const SheetSource& source) {
    SetupSheet sheet;
    sheet.job = source.job;
    sheet.part = source.partName;
    sheet.comment = ShownText(part.comment.str());
    if (source.saved) sheet.date = ShownDate(*source.saved);
    sheet.printed = ShownDate(source.now);
    sheet.thickness = Fixed2(part.thickness);
    sheet.material = ShownText(part.material.str());
    sheet.graphic = part.graphicProfile != 0;
    if (sheet.graphic && part.safeProfileBendCount() > 0) sheet.developedLength = Fixed2(DevelopedLength(part));
    sheet.bends = SheetBendRows(part);
    if (sheet.graphic) sheet.steps = SheetSteps(part);

    for (const bool punch : {true, false}) {
        std::vector<std::string> names = UsedNames(part, punch);
        for (const SheetStep& s : sheet.steps) {
            const std::string& n = punch ? s.rawPunch : s.rawDie;
            if (!n.empty() && std::find(names.begin(), names.end(), n) == names.end()) names.push_back(n);
        }
        for (const std::string& name : names) {
            SheetTool tool;
            if (!ReadToolForSheet(source.toolsFolder, name, punch ? ToolKind::Punch : ToolKind::Die, tool))
                sheet.warnings.push_back(std::string(punch ? "poinçon" : "matrice") + " '" + tool.name +
                                         "' introuvable dans " + source.toolsFolder);
            sheet.tools.push_back(std::move(tool));
        }
    }
    return sheet;
}

std::string SetupSheetCsv(const SetupSheet& sheet) {
    std::vector<std::string> header{"Pli"};
    for (const SheetColumn& c : kSheetColumns) header.push_back(std::string(c.caption) + " (" + c.unit + ")");
    header.insert(header.end(), {"Longueur (mm)", "Poinçon", "Matrice"});
    std::string csv = CsvRow(header);
    for (const SheetBendRow& row : sheet.bends) {
        std::vector<std::string> fields{row.number};
        fields.insert(fields.end(), row.settings.begin(), row.settings.end());
        fields.insert(fields.end(), {row.length, row.punch, row.die});
        csv += CsvRow(fields);
    }
    return csv;
}

}  // namespace zelpor
