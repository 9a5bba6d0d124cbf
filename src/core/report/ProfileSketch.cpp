#include "core/report/ProfileSketch.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/report/ReportText.h"

namespace zelpor {

ViewTransform FitExtent(const Extent& extent, int width, int height, int margin) {
    ViewTransform view = ViewTransform::Identity(width / 2, height / 2);
    if (!(extent.width() >= 0) || !(extent.height() >= 0)) return view;  // empty or not finite
    view.worldOriginX = (static_cast<double>(extent.minX) + extent.maxX) / 2;
    view.worldOriginY = (static_cast<double>(extent.minY) + extent.maxY) / 2;
    const double w = std::max(1, width - 2 * margin);
    const double h = std::max(1, height - 2 * margin);
    double scale = 1;
    if (extent.width() > 0 || extent.height() > 0) {
        const double sx = extent.width() > 0 ? w / extent.width() : 1e9;
        const double sy = extent.height() > 0 ? h / extent.height() : 1e9;
        scale = std::clamp(std::min(sx, sy), 1.0 / 64, 64.0);
    }
    view.viewportExtentX = 1000 * scale;
    view.viewportExtentY = -1000 * scale;
    return view;
}

namespace {

void AddLine(Scene& s, double x1, double y1, double x2, double y2) {
    OutlineElement e;
    e.type = kLine;
    e.colour = kSketchLineColour;
    e.name.assign("Piece");
    e.x1 = static_cast<float>(x1);
    e.y1 = static_cast<float>(y1);
    e.x2 = static_cast<float>(x2);
    e.y2 = static_cast<float>(y2);
    s.elements.push_back(e);
    s.extent.add(e.x1, e.y1);
    s.extent.add(e.x2, e.y2);
}

void AddLabel(Scene& s, double x, double y, const std::string& text) {
    OutlineElement e;
    e.type = kText;
    e.colour = kSketchTextColour;
    e.x1 = static_cast<float>(x);
    e.y1 = static_cast<float>(y);
    e.textIndex = static_cast<std::int32_t>(s.texts.size());
    s.texts.push_back(text);
    s.elements.push_back(e);
}

bool Finite(double v) { return std::isfinite(v); }

}  // namespace

FittedScene ProfileSketchScene(const PartRecord& part, int width, int height, int labelPixels) {
    FittedScene out;
    const int n = part.safeProfileBendCount();
    constexpr double kDeg = std::numbers::pi / 180;
    double theta = part.startOrientation;
    double x = 0, y = 0;
    struct Label {
        double x, y;
        std::string text;
    };
    std::vector<Label> labels;
    for (int k = 0; k <= n; ++k) {
        const ProfileSegment& e = part.profile[static_cast<std::size_t>(k)];
        const double length = e.length;
        // A damaged figure draws nothing: the segment is skipped, its label says "?".
        const bool drawable = Finite(length) && Finite(theta) && std::fabs(length) < 1e6;
        const double nx = drawable ? x + length * std::cos(theta * kDeg) : x;
        const double ny = drawable ? y + length * std::sin(theta * kDeg) : y;
        if (drawable) AddLine(out.scene, x, y, nx, ny);
        labels.push_back({(x + nx) / 2, (y + ny) / 2, ShownNumber(length, 2)});
        x = nx;
        y = ny;
        if (k < n) {
            labels.push_back({x, y, ShownNumber(e.angle, 2) + "\xB0"});  // Latin-1 degree sign, as scene texts are
            // The included angle: 180 goes straight on, a positive angle turns left.
            if (Finite(e.angle)) theta += 180 - static_cast<double>(e.angle);
        }
    }
    out.view = FitExtent(out.scene.extent, width, height, 3 * labelPixels);
    const double pixelsPerMm = std::fabs(out.view.scaleX());
    for (const Label& l : labels) {
        AddLabel(out.scene, l.x, l.y, l.text);
        out.scene.elements.back().h = static_cast<float>(labelPixels / pixelsPerMm);
    }
    return out;
}

SequenceScene StepPictureScene(const PartRecord& part, const SheetStep& step, const PunchRecord& punch,
                               const DieRecord& die, int width, int height) {
    PartRecord copy = part;
    const int n = copy.safeProfileBendCount();
    // In the sequence pictures a bend not yet placed is drawn bent: the bends
    // done before this one become "not placed", the current one too, so it is
    // shown under the punch; the later ones keep their places and stay flat.
    for (int k = 0; k < n; ++k) {
        ProfileSegment& e = copy.profile[static_cast<std::size_t>(k)];
        if (k == step.profileBend || (e.order >= 0 && e.order < step.position)) e.order = -1;
    }
    copy.sketchLast = std::max(copy.sketchLast, 1);  // the part is drawn even without a kept sketch
    return BuildSequenceScene(copy, punch, die, step.profileBend, width, height, 0, SequenceStartView(width, height));
}

}  // namespace zelpor
