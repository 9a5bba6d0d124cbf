#include "core/tools/ToolShapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zelpor {
namespace {

bool Positive(float v) { return std::isfinite(v) && v > 0; }

// How far below the tip's level the two flanks of a blade of half-width `half`
// meet the blade's sides: half / tan(angle / 2).
float FlankDepth(float half, float angle) {
    return static_cast<float>(half / std::tan(angle / 2.0 * std::numbers::pi / 180.0));
}

GeneratedOutline Refused(const char* why) { return {{}, why}; }

// An outline symmetric about the axis: `right` runs from the top of the right
// side down towards the tip (x = 0 excluded); the outline starts at the top
// left corner, goes down the right side to the tip and back up the left side.
std::vector<OutlinePoint> Mirrored(const std::vector<OutlinePoint>& right, OutlinePoint tip) {
    std::vector<OutlinePoint> all{{-right.front().x, right.front().y}};
    all.insert(all.end(), right.begin(), right.end());
    all.push_back(tip);
    for (auto it = right.rbegin(); it + 1 != right.rend(); ++it) all.push_back({-it->x, it->y});
    return all;
}

GeneratedOutline Straight(float h, float angle, float w) {
    const float shoulder = h - FlankDepth(w, angle);
    if (!(shoulder > 0)) return Refused("Poin\xC3\xA7on trop large pour sa hauteur et son angle");
    return {Mirrored({{w, 0}, {w, -shoulder}}, {0, -h}), {}};
}

// A narrow blade under a shank: the shank down to 45 % of the height, then
// a blade of 46 % of the shank's width tapering to the tip.
GeneratedOutline Acute(float h, float angle, float w) {
    const float blade = w * 6.0f / 13.0f;
    const float shank = h * 0.45f;
    const float flanks = h - FlankDepth(blade, angle);
    if (!(flanks > shank)) return Refused("Poin\xC3\xA7on trop court pour un angle si ouvert");
    return {Mirrored({{w, 0}, {w, -shank}, {blade, -flanks}}, {0, -h}), {}};
}

// The neck bends back behind the axis to clear the flanges of a U: the
// proportions of a 95 mm gooseneck, scaled to the height and the width.
GeneratedOutline Gooseneck(float h, float angle, float w) {
    const float blade = w * 9.0f / 13.0f;
    const float flanks = h - FlankDepth(blade, angle);
    if (!(flanks > h * 0.83f)) return Refused("Col de cygne trop court pour un angle si ouvert");
    const float back = w * 45.0f / 13.0f, neck = w * 15.0f / 13.0f;
    return {{{-w, 0},
             {w, 0},
             {w, -h * 0.21f},
             {back, -h * 0.474f},
             {back, -h * 0.758f},
             {blade, -flanks},
             {0, -h},
             {-blade, -flanks},
             {-blade, -h * 0.821f},
             {neck, -h * 0.684f},
             {neck, -h * 0.368f},
             {-w, -h * 0.158f}},
            {}};
}

GeneratedOutline SingleV(const ToolDraft& d, float width) {
    const float half = width / 2, v = d.vOpening / 2;
    const auto depth = static_cast<float>(GrooveDepth(d.vOpening, d.angle));
    if (!(half >= v + 2)) return Refused("Matrice trop \xC3\xA9troite pour son ouverture");
    if (!(depth < d.height)) return Refused("Matrice trop basse pour la profondeur de son v\xC3\xA9");
    const float chamferX = std::min(8.0f, (half - v) / 2), chamferY = std::min(10.0f, (d.height - depth) / 2);
    const float h = d.height;
    return {{{-half, 0},
             {half, 0},
             {half, h - chamferY},
             {half - chamferX, h},
             {v, h},
             {0, h - depth},
             {-v, h},
             {-(half - chamferX), h},
             {-half, h - chamferY}},
            {}};
}

}  // namespace

std::vector<ToolShape> ShapesFor(ToolKind kind) {
    if (kind == ToolKind::Die) return {ToolShape::SingleVDie};
    return {ToolShape::StraightPunch, ToolShape::GooseneckPunch, ToolShape::AcutePunch};
}

std::string ShapeName(ToolShape shape) {
    switch (shape) {
    case ToolShape::StraightPunch: return "Poin\xC3\xA7on droit";
    case ToolShape::GooseneckPunch: return "Col de cygne";
    case ToolShape::AcutePunch: return "Poin\xC3\xA7on aigu";
    case ToolShape::SingleVDie: return "V\xC3\xA9 simple";
    }
    return {};
}

float DefaultWidth(ToolKind kind, float vOpening) {
    if (kind == ToolKind::Punch) return 26;
    return Positive(vOpening) ? std::max(30.0f, vOpening + 34) : 50;
}

namespace {

GeneratedOutline Shape(ToolShape shape, const ToolDraft& d, float width) {
    if (!Positive(d.height)) return Refused("La hauteur doit \xC3\xAAtre un nombre positif");
    if (!(Positive(d.angle) && d.angle < 180)) return Refused("L'angle doit \xC3\xAAtre un nombre entre 0 et 180");
    if (!Positive(width)) return Refused("La largeur doit \xC3\xAAtre un nombre positif");
    switch (shape) {
    case ToolShape::StraightPunch: return Straight(d.height, d.angle, width / 2);
    case ToolShape::GooseneckPunch: return Gooseneck(d.height, d.angle, width / 2);
    case ToolShape::AcutePunch: return Acute(d.height, d.angle, width / 2);
    case ToolShape::SingleVDie:
        if (!Positive(d.vOpening)) return Refused("L'ouverture du v\xC3\xA9 doit \xC3\xAAtre un nombre positif");
        return SingleV(d, width);
    }
    return {};
}

}  // namespace

// Points to the hundredth of a millimetre, as a catalogue gives them: what the
// table shows is what is saved.
GeneratedOutline GenerateOutline(ToolShape shape, const ToolDraft& d, float width) {
    GeneratedOutline out = Shape(shape, d, width);
    for (OutlinePoint& p : out.points) {
        p.x = std::round(p.x * 100.0f) / 100.0f;
        p.y = std::round(p.y * 100.0f) / 100.0f;
        if (p.x == 0) p.x = 0;  // no "-0" in the table
    }
    return out;
}

}  // namespace zelpor
