#include "core/geometry/FoldedPart.h"

#include <algorithm>

namespace zelpor {
namespace {

const ProfileSegment& Entry(const PartRecord& part, int k) {
    static const ProfileSegment kNone{};
    if (k < 0 || k >= kProfileEntries) return kNone;
    return part.profile[static_cast<std::size_t>(k)];
}

// The flank at `direction`, then the segments on that side. Going towards the
// start, segment j has its own length; going towards the end, the segment
// after bend j. A folded bend turns the direction by 180 + angle on side A and
// 180 - angle on side B (angles taken the other way when the part is turned).
FoldedSide Side(const PartRecord& part, int vertex, double direction, double flank, bool towardsStart, double turnSign,
                FoldedBends folded) {
    FoldedSide side;
    side.towardsStart = towardsStart;
    const int n = part.safeProfileBendCount();
    side.legs.reserve(static_cast<std::size_t>(n + 1));
    side.legs.push_back({flank, direction, -1});
    if (towardsStart) {
        for (int j = vertex - 1; j >= 0; --j) {
            if (IsFolded(folded, j)) direction += 180.0 + turnSign * Entry(part, j).angle;
            side.legs.push_back({Entry(part, j).length, direction, j});
        }
    } else {
        for (int j = vertex + 1; j <= n - 1; ++j) {
            if (IsFolded(folded, j)) direction += 180.0 + turnSign * Entry(part, j).angle;
            side.legs.push_back({Entry(part, j + 1).length, direction, j});
        }
    }
    return side;
}

}  // namespace

FoldedPart FoldPart(const PartRecord& part, int vertex, double includedAngle, FoldedBends folded) {
    return FoldPart(part, vertex, includedAngle, folded, Entry(part, vertex).pivot != 0);
}

float FlangeA(const PartRecord& part, int vertex, bool pivoted) {
    return pivoted ? Entry(part, vertex + 1).length : Entry(part, vertex).length;
}

float FlangeB(const PartRecord& part, int vertex, bool pivoted) {
    return pivoted ? Entry(part, vertex).length : Entry(part, vertex + 1).length;
}

float StopPosition(const PartRecord& part, int vertex, bool pivoted) {
    return Entry(part, vertex).correction * 0.5f + FlangeB(part, vertex, pivoted);
}

FoldedPart FoldPart(const PartRecord& part, int vertex, double includedAngle, FoldedBends folded, bool pivoted) {
    const ProfileSegment& bend = Entry(part, vertex);
    FoldedPart out;
    out.vertex = vertex;
    out.turned = bend.angle < 0;
    out.pivoted = pivoted;
    const double sigma = out.turned ? -1.0 : 1.0;
    const double lengthA = out.pivoted ? Entry(part, vertex + 1).length : bend.length;
    const double lengthB = out.pivoted ? bend.length : Entry(part, vertex + 1).length;
    out.sideA = Side(part, vertex, 90 + includedAngle / 2, lengthA, !out.pivoted, sigma, folded);
    out.sideB = Side(part, vertex, 90 - includedAngle / 2, lengthB, out.pivoted, -sigma, folded);
    return out;
}

FoldedBends FoldedBefore(const PartRecord& part, int vertex) {
    const std::int32_t own = Entry(part, vertex).order;
    FoldedBends folded = 0;
    for (int j = 0; j < part.safeProfileBendCount(); ++j) {
        const std::int32_t o = Entry(part, j).order;
        if (o == -1 || o < own) folded |= 1u << j;
    }
    return folded;
}

float PunchLift(const PartRecord& part, const ProfileSegment& bend, float punchHeight, double depth) {
    if (bend.order == -1) return static_cast<float>(part.thickness + punchHeight - depth);
    const std::int64_t before = static_cast<std::int64_t>(bend.order) - 1;
    const std::int64_t source = before >= 0 ? before : bend.order;
    const float opening = source >= 0 && source < kMaxBends ? part.bends[static_cast<std::size_t>(source)].opening : 0;
    return part.thickness + punchHeight + opening;
}

}  // namespace zelpor
