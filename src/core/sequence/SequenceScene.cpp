#include "core/sequence/SequenceScene.h"

#include <algorithm>
#include <cmath>

#include "core/calc/Formulas.h"
#include "core/geometry/FoldedPart.h"
#include "core/view/ToolElements.h"
#include "core/view/Angles.h"

namespace zelpor {
namespace {

struct Point {
    double x = 0, y = 0;
};

Point Along(Point from, double length, double degrees) {
    return {from.x + length * std::cos(degrees * kDegToRad), from.y + length * std::sin(degrees * kDegToRad)};
}

OutlineElement MakeElement(std::int32_t type, std::int32_t colour, const char* name) {
    OutlineElement e;
    e.type = type;
    e.colour = colour;
    e.name.assign(name);
    return e;
}

// Collects the elements of one step in drawing order.
class SceneBuilder {
public:
    SceneBuilder(const PartRecord& part, int step, Scene& scene) : m_part(part), m_s(step), m_scene(scene) {
        const ProfileSegment& current = part.profile[static_cast<std::size_t>(step)];
        m_neg = current.angle < 0;
        m_pivot = current.pivot != 0;
        m_sigma = m_neg ? -1.0 : 1.0;
        m_order = current.order;
    }

    bool negative() const { return m_neg; }
    bool pivoted() const { return m_pivot; }
    bool validated() const { return m_order != -1; }
    std::int32_t order() const { return m_order; }
    double sigma() const { return m_sigma; }

    float length(int k) const { return m_part.profile[static_cast<std::size_t>(k)].length; }
    // Flange on the left of the bend and flange against the stop.
    float lengthA() const { return m_pivot ? length(m_s + 1) : length(m_s); }
    float lengthB() const { return m_pivot ? length(m_s) : length(m_s + 1); }

    void line(Point a, Point b, std::int32_t colour, const char* name) {
        OutlineElement e = MakeElement(kLine, colour, name);
        e.x1 = static_cast<float>(a.x);
        e.y1 = static_cast<float>(a.y);
        e.x2 = static_cast<float>(b.x);
        e.y2 = static_cast<float>(b.y);
        m_scene.elements.push_back(e);
    }

    void grow(Point p) { m_scene.extent.add(static_cast<float>(p.x), static_cast<float>(p.y)); }

    void bendNumber(Point at, std::int32_t order) {
        OutlineElement e = MakeElement(kText, kSequenceNumberColour, "Piece");
        e.x1 = static_cast<float>(at.x);
        e.y1 = static_cast<float>(at.y);
        e.a1 = 0;
        e.h = kBendNumberHeight;
        e.textIndex = static_cast<std::int32_t>(m_scene.texts.size());
        m_scene.elements.push_back(e);
        m_scene.texts.push_back(BendNumberText(order, m_part.lastBend));
    }

    // The line from the bend (at `inner`) to the flange end, then the rest of
    // the part on that side, as the folded part gives it.
    void flange(const FoldedSide& side, Point inner, Point outer, double base, std::int32_t colour, bool numbers) {
        Point p = outer;
        line(Shift(inner, base), Shift(p, base), colour, "Piece");
        grow(Shift(p, base));
        for (std::size_t i = 1; i < side.legs.size(); ++i) {
            const FoldLeg& leg = side.legs[i];
            const Point q = Along(p, leg.length, leg.direction);
            const std::int32_t order = m_part.profile[static_cast<std::size_t>(leg.bend)].order;
            if (numbers && order != -1) bendNumber(p, order);
            line(Shift(p, base), Shift(q, base), colour, "Piece");
            grow(Shift(p, base));
            grow(Shift(q, base));
            p = q;
        }
    }

private:
    static Point Shift(Point p, double base) { return {p.x, p.y + base}; }

    const PartRecord& m_part;
    int m_s;
    Scene& m_scene;
    bool m_neg = false;
    bool m_pivot = false;
    double m_sigma = 1;
    std::int32_t m_order = -1;
};

void AppendTools(Scene& scene, const PunchRecord& punch, const DieRecord& die, float lift) {
    AppendToolOutline(scene, die.outline, die.elementCount(), -die.height, kSequenceToolColour, "Die");
    AppendToolOutline(scene, punch.outline, punch.elementCount(), lift, kSequenceToolColour, "Pun");
}

// The backgauge stop: a block whose left face is where the flange behind the
// punch ends once the bend has taken its share of the length.
void AppendStop(Scene& scene, float x) {
    scene.extent.add(x, kStopHeight);
    auto side = [&](float x1, float y1, float x2, float y2) {
        OutlineElement e = MakeElement(kLine, kSequenceStopColour, "butee");
        e.x1 = x1;
        e.y1 = y1;
        e.x2 = x2;
        e.y2 = y2;
        scene.elements.push_back(e);
    };
    side(x, 0, x, kStopHeight);
    side(x, kStopHeight, x + kStopWidth, kStopHeight);
    side(x + kStopWidth, kStopHeight, x + kStopWidth, 0);
    side(x + kStopWidth, 0, x, 0);
    OutlineElement fill = MakeElement(kFill, kSequenceStopColour, "butee");
    fill.x1 = fill.x2 = x + 2;
    fill.y1 = fill.y2 = 2;
    scene.elements.push_back(fill);
}

// The bend vertex and the die top go to the centre of the drawing area; the
// scale is the largest that keeps the farthest point inside.
ViewTransform FitAroundBend(const Extent& e, int width, int height, const ViewTransform& previous) {
    if (e.width() == 0 && e.height() == 0) return previous;
    const std::optional<double> scale = ViewTransform::FitScale(e, width / 2.0, height / 2.0);
    if (!scale) return previous;
    ViewTransform v = SequenceStartView(width, height);
    v.setScale(*scale);
    return v;
}

std::string StatusText(bool pivoted, bool negative) {
    if (pivoted && negative) return "Piece pivoté et tourné";
    if (pivoted) return "Piece pivoté";
    if (negative) return "Piece tourné";
    return {};
}

}  // namespace

ViewTransform SequenceStartView(int areaWidth, int areaHeight) {
    return ViewTransform::Identity(areaWidth / 2, areaHeight / 2);
}

std::string BendNumberText(std::int64_t order, std::int64_t lastBend) {
    return std::to_string(order + 1) + "/" + std::to_string(lastBend + 1);
}

SequenceScene BuildSequenceScene(const PartRecord& part, const PunchRecord& punch, const DieRecord& die, int step,
                                 int areaWidth, int areaHeight, float previousDepth,
                                 const ViewTransform& previousView) {
    SequenceScene out;
    out.punchDepth = previousDepth;
    Scene& scene = out.scene;
    scene.clear();

    const int n = part.safeProfileBendCount();
    const float T = part.thickness;

    if (n == 0) {
        // Nothing to bend: the tools, open, and the stop at the end of the
        // single flat segment. The entry after the last segment holds no data
        // and is never read.
        AppendTools(scene, punch, die, T + punch.height);
        AppendStop(scene, part.profile[0].length);
        out.view = FitAroundBend(scene.extent, areaWidth, areaHeight, previousView);
        return out;
    }

    const int s = std::clamp(step, 0, n - 1);
    const ProfileSegment& current = part.profile[static_cast<std::size_t>(s)];
    SceneBuilder b(part, s, scene);

    if (!b.validated())
        out.punchDepth = static_cast<float>(ComputeYDepth(current.angle, T, die.entryRadius, die.vOpening, die.vAngle));
    const float lift = PunchLift(part, current, punch.height, out.punchDepth);
    AppendTools(scene, punch, die, lift);
    AppendStop(scene, StopPosition(part, s, b.pivoted()));

    if (part.sketchLast != 0) {
        out.status = StatusText(b.pivoted(), b.negative());
        double base = T;
        double opened = 180;
        if (!b.validated()) {
            // The sequence window keeps the vertex height in single precision.
            base = static_cast<float>(SheetBase(T, out.punchDepth));
            opened = b.sigma() * current.angle;
        } else {
            b.bendNumber({0, T}, b.order());
        }
        const FoldedBends folded = FoldedBefore(part, s);
        const FoldedPart bentPart = FoldPart(part, s, opened, folded);
        const FoldLeg& flankA = bentPart.sideA.legs.front();
        const FoldLeg& flankB = bentPart.sideB.legs.front();
        b.flange(bentPart.sideA, {}, Along({}, flankA.length, flankA.direction), base, kSequencePartColour, true);
        b.flange(bentPart.sideB, {}, Along({}, flankB.length, flankB.direction), base, kSequencePartColour, true);
        if (!b.validated()) {
            // The sheet as it lies on the die before this bend.
            const FoldedPart flat = FoldPart(part, s, 180, folded);
            const double halfV = die.vOpening / 2.0;
            b.flange(flat.sideA, {-halfV, 0}, {-b.lengthA(), 0}, T, kSequenceFlatColour, false);
            b.flange(flat.sideB, {halfV, 0}, {b.lengthB(), 0}, T, kSequenceFlatColour, false);
        }
    }

    out.view = FitAroundBend(scene.extent, areaWidth, areaHeight, previousView);
    return out;
}

}  // namespace zelpor
