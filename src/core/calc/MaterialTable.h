#pragma once

#include <string>
#include <vector>

#include "core/calc/Formulas.h"
#include "core/io/Files.h"

namespace zelpor {

// "material.dat" as the materials editor holds it: the records in use, in
// file order (the list ends at the first empty name).
struct MaterialList {
    std::vector<MaterialRecord> records;

    int find(const std::string& name) const;  // exact, case-sensitive; -1 when absent
    std::vector<std::string> names() const;
};

MaterialList DecodeMaterialList(std::span<const std::uint8_t> bytes);
// 25 records, 900 bytes: the list, then empty records.
std::vector<std::uint8_t> EncodeMaterialList(const MaterialList& list);

// Tools folder + separator + "material.dat".
std::string MaterialFilePath(const std::string& toolsFolder);
// A missing or unreadable file gives an empty list.
MaterialList LoadMaterialList(const std::string& toolsFolder);
bool SaveMaterialList(const std::string& toolsFolder, const MaterialList& list, FileError* error = nullptr);

// The names the main window offers: those of the table, or "Acier", "Alu"
// and "Inox" while there is no table.
std::vector<std::string> MaterialChoices(const std::string& toolsFolder);

// Why a name or coefficient is refused.
enum class MaterialProblem { None, EmptyName, NameTooLong, NotLatin1, Duplicate, TableFull, Coefficient };
// `name` is Latin-1 bytes; `except` is the index of the record being renamed (-1 for a new one).
MaterialProblem CheckMaterialName(const MaterialList& list, const std::string& name, int except);
MaterialProblem CheckCoefficient(float coefficient);
std::string MaterialProblemText(MaterialProblem problem);  // French, UTF-8

// The coefficient of the force formula for a tensile strength Rm in MPa:
// M = 0.506 x Rm gives the force in tonnes-force for lengths in mm.
float CoefficientFromRm(double rm);
double RmFromCoefficient(float coefficient);

// The first record whose coefficient is not positive and finite, or -1.
int FirstBadCoefficient(const MaterialList& list);

}  // namespace zelpor
