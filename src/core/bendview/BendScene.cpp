#include "core/bendview/BendScene.h"

#include <cmath>

#include "core/calc/Formulas.h"
#include "core/geometry/FoldedPart.h"
#include "core/view/ToolElements.h"
#include "core/view/Angles.h"

namespace zelpor {
namespace {

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

// Draws the sheet as lines in world coordinates and keeps the running end
// point; the bend view adds up its points in single precision.
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

void AppendSide(SheetPen& pen, const FoldedSide& side) {
    pen.startAtVertex();
    for (const FoldLeg& leg : side.legs) pen.step(static_cast<float>(leg.length), leg.direction);
}

// The sheet around the vertex: side A (the vertex segment, or the following
// one when the part is pivoted, with the segments on its side), then side B.
// A bend not yet placed is shown at the punch tip, opened to its angle; a
// placed one flat on the die.
void AppendSheet(Scene& scene, const PartRecord& part, int vertex, double depth) {
    const ProfileSegment& v = Segment(part, vertex);
    const bool placed = v.order != -1;
    const float base = placed ? part.thickness : static_cast<float>(SheetBase(part.thickness, depth));
    const double opened = placed ? 180.0 : std::fabs(static_cast<double>(v.angle));
    const FoldedPart folded = FoldPart(part, vertex, opened, FoldedBefore(part, vertex));
    SheetPen pen(scene, base);
    AppendSide(pen, folded.sideA);
    AppendSide(pen, folded.sideB);
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

    AppendToolOutline(scene, d.outline, d.elementCount(), -d.height, kBendToolColour, "Die");
    const PunchRecord& p = punch.record;
    AppendToolOutline(scene, p.outline, p.elementCount(), PunchLift(part, v, p.height, depth), kBendToolColour, "Pun");

    if (part.lastBend > 0) AppendSheet(scene, part, vertex, depth);
    result.fitView = true;
    return result;
}

}  // namespace zelpor
