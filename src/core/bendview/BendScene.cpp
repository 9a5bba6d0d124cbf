#include "bendview/BendScene.h"

#include <cmath>

#include "calc/Formulas.h"
#include "view/Angles.h"

namespace zelpor {
namespace {

// "Ouverture" of a bend record, 0 for an index outside the 25 slots: the
// profile's bend positions come from a file and are not trusted.
float BendOpening(const PartRecord& part, int index) {
    if (index < 0 || index >= kMaxBends) return 0.0f;
    return part.bends[static_cast<std::size_t>(index)].opening;
}

const ProfileSegment& Segment(const PartRecord& part, int k) {
    static const ProfileSegment kNone{};
    if (k < 0 || k >= kProfileEntries) return kNone;
    return part.profile[static_cast<std::size_t>(k)];
}

OutlineElement NoGraphicText() {
    OutlineElement e;
    e.type = kText;
    e.colour = kBendMessageColour;
    e.name.assign("Piece");
    e.x1 = -50.0f;
    e.y1 = 0.0f;
    e.a1 = 0.0f;
    e.h = 25.0f;
    e.textIndex = 0;
    return e;
}

// Tool outline elements moved up by `lift` (down for a negative one),
// repainted in red and relabelled; each start point grows the extent.
void AppendTool(Scene& scene, std::span<const OutlineElement> outline, int count, float lift, const char* name) {
    for (int i = 0; i < count; ++i) {
        OutlineElement e = outline[static_cast<std::size_t>(i)];
        e.y1 += lift;
        e.y2 += lift;
        e.colour = kBendToolColour;
        e.name.assign(name);
        scene.elements.push_back(e);
        scene.extent.add(e.x1, e.y1);
    }
}

// Draws the sheet as lines in world coordinates and keeps the running end point.
class SheetPen {
public:
    SheetPen(Scene& scene, float baseY) : m_scene(scene), m_baseY(baseY) {}

    void startAtVertex() {
        m_x = 0.0f;
        m_y = m_baseY;
    }
    void step(float length, double directionDeg) {
        const float x2 = m_x + static_cast<float>(length * std::cos(directionDeg * kDegToRad));
        const float y2 = m_y + static_cast<float>(length * std::sin(directionDeg * kDegToRad));
        OutlineElement e;
        e.type = kLine;
        e.colour = kBendSheetColour;
        e.name.assign("Piece");
        e.x1 = m_x;
        e.y1 = m_y;
        e.x2 = x2;
        e.y2 = y2;
        m_scene.elements.push_back(e);
        m_scene.extent.add(e.x1, e.y1);
        m_scene.extent.add(e.x2, e.y2);
        m_x = x2;
        m_y = y2;
    }

private:
    Scene& m_scene;
    float m_baseY;
    float m_x = 0.0f, m_y = 0.0f;
};

struct SheetSide {
    double direction;  // of the flank leaving the vertex, degrees
    float flankLength;
    bool towardsStart;  // chain over the segments before the vertex (else after it)
    double turnSign;    // +1: a bent bend turns by 180 + angle, -1: by 180 - angle
};

// A bend of the chain is drawn bent when it comes earlier in the program than
// the bend shown (or has no place yet); later bends are still flat.
bool DrawnBent(const ProfileSegment& bend, const ProfileSegment& vertex) {
    return bend.order == -1 || bend.order < vertex.order;
}

void AppendChain(SheetPen& pen, const PartRecord& part, int vertex, int bendCount, const SheetSide& side) {
    const ProfileSegment& v = Segment(part, vertex);
    double direction = side.direction;
    pen.startAtVertex();
    pen.step(side.flankLength, direction);
    if (side.towardsStart) {
        for (int j = vertex - 1; j >= 0; --j) {
            const ProfileSegment& s = Segment(part, j);
            if (DrawnBent(s, v)) direction += 180.0 + side.turnSign * s.angle;
            pen.step(s.length, direction);
        }
    } else {
        for (int j = vertex + 1; j <= bendCount - 1; ++j) {
            const ProfileSegment& s = Segment(part, j);
            if (DrawnBent(s, v)) direction += 180.0 + side.turnSign * s.angle;
            pen.step(Segment(part, j + 1).length, direction);
        }
    }
}

// The sheet around the vertex: the first flank (the vertex segment, or the
// following one when the part is pivoted) with the segments on its side, then
// the second flank with the others. A bend not yet placed is shown at the
// punch tip, opened to its angle; a placed one flat on the die.
void AppendSheet(Scene& scene, const PartRecord& part, int vertex, double depth) {
    const int bendCount = part.safeProfileBendCount();
    const ProfileSegment& v = Segment(part, vertex);
    const ProfileSegment& next = Segment(part, vertex + 1);
    const double a = v.angle;
    const bool pos = a >= 0.0;
    const bool pivoted = v.pivot != 0;
    const bool placed = v.order != -1;

    const float base = placed ? part.thickness : static_cast<float>(part.thickness - depth);
    const double firstDirection = placed ? 180.0 : (pos ? 90.0 + a / 2.0 : 90.0 - a / 2.0);
    const double secondDirection = placed ? 0.0 : (pos ? 90.0 - a / 2.0 : 90.0 + a / 2.0);
    const double turn = pos ? 1.0 : -1.0;

    SheetPen pen(scene, base);
    AppendChain(pen, part, vertex, bendCount,
                {firstDirection, pivoted ? next.length : v.length, !pivoted, turn});
    AppendChain(pen, part, vertex, bendCount,
                {secondDirection, pivoted ? v.length : next.length, pivoted, -turn});
}

}  // namespace

int FindBendVertex(const PartRecord& part) {
    int vertex = -1;
    for (int k = 0; k < part.safeProfileBendCount(); ++k)
        if (part.profile[static_cast<std::size_t>(k)].order == part.currentBend) vertex = k;
    return vertex;
}

BendSceneResult BuildBendScene(const PartRecord& part, const TPoincon& punch, const TMatrice& die) {
    BendSceneResult result;
    Scene& scene = result.scene;
    const int vertex = FindBendVertex(part);
    if (part.currentBend > part.safeProfileBendCount() - 1 || vertex < 0) {
        scene.elements.push_back(NoGraphicText());
        scene.texts.emplace_back(kNoGraphicBendText);
        return result;
    }

    const ProfileSegment& v = Segment(part, vertex);
    const DieRecord& d = die.record;
    const double depth = ComputeYDepth(v.angle, part.thickness, d.entryRadius, d.vOpening, d.vAngle);

    AppendTool(scene, d.outline, d.elementCount(), -d.height, "Die");

    const PunchRecord& p = punch.record;
    // An open bend already has its place: the punch waits at the opening of
    // the bend before it (the first bend of the program has none, so its own).
    const float opening = BendOpening(part, v.order > 0 ? v.order - 1 : v.order);
    const float lift = v.order == -1 ? static_cast<float>(part.thickness + p.height - depth)
                                     : part.thickness + p.height + opening;
    AppendTool(scene, p.outline, p.elementCount(), lift, "Pun");

    if (part.lastBend > 0) AppendSheet(scene, part, vertex, depth);
    result.fitView = true;
    return result;
}

}  // namespace zelpor
