#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/part/PartRecord.h"

namespace zelpor {

// The validations made in the sequence window, newest last, each with what it
// changed: the bend records, the two bend indexes and the positions of the
// bends in the order. Taking one back puts those bytes back as they were, so
// the bend can be validated again (or another one in its place).
class ValidationHistory {
public:
    void clear() { m_saved.clear(); }
    bool empty() const { return m_saved.empty(); }
    int size() const { return static_cast<int>(m_saved.size()); }

    // The part as it stands just before bend `step` is validated.
    void record(const PartRecord& part, int step);
    // Restores the part as it was before the last validation recorded and
    // returns the bend that was validated then; -1 when there is none.
    int undo(PartRecord& part);

private:
    struct Saved {
        std::array<BendRecord, kMaxBends> bends;
        std::int32_t currentBend = -1;
        std::int32_t lastBend = -1;
        std::array<std::int32_t, kProfileEntries> orders{};
        int step = 0;
    };
    std::vector<Saved> m_saved;
};

}  // namespace zelpor
