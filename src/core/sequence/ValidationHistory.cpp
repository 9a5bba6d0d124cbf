#include "core/sequence/ValidationHistory.h"

namespace zelpor {

void ValidationHistory::record(const PartRecord& part, int step) {
    Saved saved;
    saved.bends = part.bends;
    saved.currentBend = part.currentBend;
    saved.lastBend = part.lastBend;
    for (std::size_t k = 0; k < saved.orders.size(); ++k) saved.orders[k] = part.profile[k].order;
    saved.step = step;
    m_saved.push_back(saved);
}

int ValidationHistory::undo(PartRecord& part) {
    if (m_saved.empty()) return -1;
    const Saved& saved = m_saved.back();
    part.bends = saved.bends;
    part.currentBend = saved.currentBend;
    part.lastBend = saved.lastBend;
    for (std::size_t k = 0; k < saved.orders.size(); ++k) part.profile[k].order = saved.orders[k];
    const int step = saved.step;
    m_saved.pop_back();
    return step;
}

}  // namespace zelpor
