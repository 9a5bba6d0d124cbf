#include "core/calc/Formulas.h"

#include <cmath>
#include <numbers>

#include "core/io/Files.h"

namespace zelpor {
namespace {
constexpr double kPi = std::numbers::pi;
constexpr double Radians(double degrees) { return degrees * kPi / 180.0; }
}  // namespace

double ComputeYDepth(float angle, float thickness, float entryRadius, float vOpening, float vAngle) {
    if (!std::isfinite(angle)) return 0;
    const double n = std::trunc(std::fabs(static_cast<double>(angle)));
    if (n == 0 || n >= 180) return 0;
    const double t = thickness, R = entryRadius, V = vOpening, beta = vAngle;
    const double h = n * 0.5 * kPi / 180.0;
    const double c = static_cast<float>(0.1639 * V + 0.9859 * t);
    const double A = R - std::sin(h) * R;
    const double B = std::tan(Radians(45.0 - beta * 0.25)) * R + V * 0.5 - std::cos(h) * R;
    const double D = B / std::tan(h) + A;
    return D - c / std::sin(h) + c - t;
}

double ComputeBendDeduction(float thickness, float vOpening, float angle) {
    const double t = thickness, V = vOpening, a = angle;
    const double B = (180.0 - a) * kPi / 180.0;
    double S = 2.0 * (double(0.16391677f) * V + double(0.9859f) * t);
    if (a >= 90) S = std::tan(B / 2.0) * S;
    return S - (double(0.17645893f) * V + double(0.2339f) * t) * B;
}

double ComputeBendForce(float length, float coefficient, float thickness, float vOpening) {
    const double L = length, M = coefficient, t = thickness, V = vOpening;
    return 0.001 * (L * 0.286 * M * t * t / V);
}

static_assert(MaterialRecord::kSize == 32 + 4);
static_assert(kMaterialFileSize == 900);

std::array<MaterialRecord, kMaterialRecords> DecodeMaterialTable(std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> image(kMaterialFileSize, 0);
    const auto full = OverlayImage(std::move(image), bytes);
    ByteReader r(full);
    std::array<MaterialRecord, kMaterialRecords> table{};
    for (auto& rec : table) {
        rec.name.read(r);
        rec.coefficient = r.f32();
    }
    return table;
}

std::vector<std::uint8_t> EncodeMaterialTable(const std::array<MaterialRecord, kMaterialRecords>& table) {
    std::vector<std::uint8_t> out;
    ByteWriter w(out);
    for (const auto& rec : table) {
        rec.name.write(w);
        w.f32(rec.coefficient);
    }
    return out;
}

bool LookupMaterialCoefficient(std::span<const std::uint8_t> tableBytes, const std::string& material,
                               float& coefficient) {
    const auto table = DecodeMaterialTable(tableBytes);
    bool found = false;
    for (const auto& rec : table) {
        if (rec.name.empty()) break;
        if (rec.name.str() == material) {
            coefficient = rec.coefficient;
            found = true;
        }
    }
    return found;
}

bool LoadMaterialCoefficient(const std::string& toolsFolder, const std::string& material, float& coefficient) {
    auto bytes = ReadWritableFile(toolsFolder + kPathSeparator + "material.dat", kMaterialFileSize);
    if (!bytes) return false;
    LookupMaterialCoefficient(*bytes, material, coefficient);
    return true;
}

}  // namespace zelpor
