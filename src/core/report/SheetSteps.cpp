// The bending order of a drawn profile as the setup sheet lists it.
#include <cmath>

#include "core/report/ReportText.h"
#include "core/report/SetupSheet.h"
#include "core/sequence/SequenceScene.h"

namespace zelpor {

std::string SheetStep::note() const {
    if (pivoted && turned) return "pièce pivotée et retournée";
    if (pivoted) return "pièce pivotée";
    if (turned) return "pièce retournée";
    return {};
}

std::vector<SheetStep> SheetSteps(const PartRecord& part) {
    std::vector<SheetStep> steps;
    const int n = part.safeProfileBendCount();
    // Program positions 0, 1, ...: each is held by at most one profile bend;
    // a damaged order that no bend holds ends the list.
    for (int position = 0; position < n; ++position) {
        int found = -1;
        for (int k = 0; k < n && found < 0; ++k)
            if (part.profile[static_cast<std::size_t>(k)].order == position) found = k;
        if (found < 0) break;
        const auto k = static_cast<std::size_t>(found);
        const ProfileSegment& e = part.profile[k];
        SheetStep s;
        s.position = position;
        s.profileBend = found;
        s.number = BendNumberText(position, part.lastBend);
        s.angle = ShownNumber(e.angle, 2);
        s.pivoted = e.pivot != 0;
        s.turned = e.angle < 0;
        // The flange behind the punch rests on the stop: the next segment, or
        // this one when the part is pivoted; half the correction comes off.
        const float flange = s.pivoted ? e.length : part.profile[k + 1].length;
        s.stop = ShownNumber(static_cast<double>(e.correction) * 0.5 + static_cast<double>(flange), 2);
        if (position <= part.lastBend && part.lastBend < kMaxBends) {
            const BendRecord& b = part.bends[static_cast<std::size_t>(position)];
            s.rawPunch = b.punch.str();
            s.rawDie = b.die.str();
            s.punch = ShownText(s.rawPunch);
            s.die = ShownText(s.rawDie);
        }
        steps.push_back(std::move(s));
    }
    return steps;
}

}  // namespace zelpor
