#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/io/FixedText.h"

namespace zelpor {

inline constexpr int kParameterEntries = 48;

// One machine parameter with its own description; 164 bytes.
struct MachineParameter {
    std::int32_t number = 0;  // 0 marks an unused entry
    FixedText<120> designation;
    std::uint8_t yesNo = 0;
    std::array<std::uint8_t, 3> padding{};
    std::int32_t decimals = 0;
    float value = 0;
    FixedText<12> unit;
    std::int32_t modifiable = 0;  // 0 = read-only
    float lower = 0;
    std::array<std::uint8_t, 4> reserved{};
    float upper = 0;

    static constexpr std::size_t kSize = 164;
    void read(ByteReader& r);
    void write(ByteWriter& w) const;
    friend bool operator==(const MachineParameter&, const MachineParameter&) = default;
};

// "Param.dat": 48 entries, 7872 bytes.
struct ParameterTable {
    std::array<MachineParameter, kParameterEntries> entries{};
    static constexpr std::size_t kFileSize = 7872;
    friend bool operator==(const ParameterTable&, const ParameterTable&) = default;
};

std::vector<std::uint8_t> EncodeParameterTable(const ParameterTable& t);
void DecodeParameterTable(ParameterTable& t, std::span<const std::uint8_t> bytes);

// Folder path + separator + "Param.dat".
std::string ParameterFilePath(const std::string& folder);
bool LoadParameterTable(ParameterTable& t, const std::string& folder);
bool SaveParameterTable(const ParameterTable& t, const std::string& folder);

}  // namespace zelpor
