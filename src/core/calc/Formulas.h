#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/io/FixedText.h"

namespace zelpor {

// Depth of the punch tip below the top plane of the die for air bending to
// the included angle `angle` (degrees; only whole degrees count).
double ComputeYDepth(float angle, float thickness, float entryRadius, float vOpening, float vAngle);

// Length a bend takes away from the sum of the two outside flange dimensions.
double ComputeBendDeduction(float thickness, float vOpening, float angle);

// Press force of one bend: 0.001 * (L * 0.286 * M * t * t / V).
double ComputeBendForce(float length, float coefficient, float thickness, float vOpening);

// One record of "material.dat" (25 records, 900 bytes).
struct MaterialRecord {
    FixedText<32> name;
    float coefficient = 0;
    static constexpr std::size_t kSize = 36;
};
inline constexpr int kMaterialRecords = 25;
inline constexpr std::size_t kMaterialFileSize = kMaterialRecords * MaterialRecord::kSize;

std::array<MaterialRecord, kMaterialRecords> DecodeMaterialTable(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> EncodeMaterialTable(const std::array<MaterialRecord, kMaterialRecords>& table);

// Scans the table up to its first empty name; the last record named exactly
// `material` wins. Returns whether a record matched; `coefficient` is left
// alone otherwise.
bool LookupMaterialCoefficient(std::span<const std::uint8_t> tableBytes, const std::string& material,
                               float& coefficient);

// Tools folder + separator + "material.dat"; re-read at every call so an
// edited table takes effect at once. False when the file cannot be opened.
bool LoadMaterialCoefficient(const std::string& toolsFolder, const std::string& material, float& coefficient);

}  // namespace zelpor
