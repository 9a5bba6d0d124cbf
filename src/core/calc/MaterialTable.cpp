#include "core/calc/MaterialTable.h"

#include <algorithm>
#include <cmath>

namespace zelpor {
namespace {

constexpr double kForcePerRm = 0.506;

}  // namespace

int MaterialList::find(const std::string& name) const {
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i].name.str() == name) return static_cast<int>(i);
    return -1;
}

std::vector<std::string> MaterialList::names() const {
    std::vector<std::string> out;
    for (const MaterialRecord& r : records) out.push_back(r.name.str());
    return out;
}

MaterialList DecodeMaterialList(std::span<const std::uint8_t> bytes) {
    MaterialList list;
    for (const MaterialRecord& r : DecodeMaterialTable(bytes)) {
        if (r.name.empty()) break;
        list.records.push_back(r);
    }
    return list;
}

std::vector<std::uint8_t> EncodeMaterialList(const MaterialList& list) {
    // Records past the end of the list are cleared: a deleted material must not
    // come back as a stale record after the terminator.
    std::array<MaterialRecord, kMaterialRecords> table{};
    const std::size_t n = std::min(list.records.size(), table.size());
    std::copy_n(list.records.begin(), n, table.begin());
    return EncodeMaterialTable(table);
}

std::string MaterialFilePath(const std::string& toolsFolder) {
    // The same file the force reads; a folder ending with its separator gets no second one.
    const bool separated = !toolsFolder.empty() && (toolsFolder.back() == '/' || toolsFolder.back() == kPathSeparator);
    return ResolveCaseInsensitive(toolsFolder + (separated ? "" : std::string(1, kPathSeparator)) + "material.dat");
}

MaterialList LoadMaterialList(const std::string& toolsFolder) {
    const auto bytes = ReadWritableFile(MaterialFilePath(toolsFolder), kMaterialFileSize);
    return bytes ? DecodeMaterialList(*bytes) : MaterialList{};
}

bool SaveMaterialList(const std::string& toolsFolder, const MaterialList& list, FileError* error) {
    const auto saved = ReplaceFile(MaterialFilePath(toolsFolder), EncodeMaterialList(list));
    if (!saved && error != nullptr) *error = saved.failure().code;
    return saved.ok();
}

std::vector<std::string> MaterialChoices(const std::string& toolsFolder) {
    std::vector<std::string> names = LoadMaterialList(toolsFolder).names();
    if (names.empty()) return {"Acier", "Alu", "Inox"};
    return names;
}

MaterialProblem CheckMaterialName(const MaterialList& list, const std::string& name, int except) {
    if (name.find_first_not_of(' ') == std::string::npos) return MaterialProblem::EmptyName;
    if (name.size() > 31) return MaterialProblem::NameTooLong;
    if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        return MaterialProblem::NotLatin1;
    const int found = list.find(name);
    if (found >= 0 && found != except) return MaterialProblem::Duplicate;
    if (except < 0 && list.records.size() >= static_cast<std::size_t>(kMaterialRecords))
        return MaterialProblem::TableFull;
    return MaterialProblem::None;
}

MaterialProblem CheckCoefficient(float coefficient) {
    return std::isfinite(coefficient) && coefficient > 0 ? MaterialProblem::None : MaterialProblem::Coefficient;
}

std::string MaterialProblemText(MaterialProblem problem) {
    switch (problem) {
    case MaterialProblem::None: return {};
    case MaterialProblem::EmptyName: return "Nom de la mati\xC3\xA8re obligatoire";
    case MaterialProblem::NameTooLong: return "Un nom de mati\xC3\xA8re a 31 caract\xC3\xA8res au plus";
    case MaterialProblem::NotLatin1: return "Caract\xC3\xA8re non permis dans le nom";
    case MaterialProblem::Duplicate: return "Cette mati\xC3\xA8re existe d\xC3\xA9j\xC3\xA0";
    case MaterialProblem::TableFull: return "La table a d\xC3\xA9j\xC3\xA0 25 mati\xC3\xA8res";
    case MaterialProblem::Coefficient: return "Le coefficient doit \xC3\xAAtre un nombre positif";
    }
    return {};
}

float CoefficientFromRm(double rm) { return static_cast<float>(kForcePerRm * rm); }
double RmFromCoefficient(float coefficient) { return coefficient / kForcePerRm; }

int FirstBadCoefficient(const MaterialList& list) {
    for (std::size_t i = 0; i < list.records.size(); ++i)
        if (CheckCoefficient(list.records[i].coefficient) != MaterialProblem::None) return static_cast<int>(i);
    return -1;
}

}  // namespace zelpor
