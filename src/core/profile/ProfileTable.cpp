#include "core/profile/ProfileTable.h"

#include <algorithm>
#include <string>

namespace zelpor {
namespace {

constexpr std::int32_t kBendNumberColour = Rgb(255, 255, 0);
// Bend numbers are lettered about 12 pixels high whatever the scale.
constexpr double kBendNumberPixels = 12;

OutlineElement FromEntity(const SketchEntity& e) {
    OutlineElement o;
    o.type = e.type;
    o.colour = e.colour;
    o.x1 = e.x1;
    o.y1 = e.y1;
    o.x2 = e.x2;
    o.y2 = e.y2;
    o.r = e.radius;
    o.a1 = e.startAngle;
    o.a2 = e.endAngle;
    o.h = e.textHeight;
    o.textIndex = e.textIndex;
    return o;
}

}  // namespace

ProfileTable TableFromPart(const PartRecord& part) {
    ProfileTable table;
    table.thickness = part.thickness;
    table.orientation = part.startOrientation;
    const int n = part.safeProfileBendCount();
    for (int k = 0; k <= n; ++k) {
        const ProfileSegment& e = part.profile[static_cast<std::size_t>(k)];
        table.rows.push_back({e.length, k < n ? static_cast<double>(e.angle) : 180.0});
    }
    return table;
}

ViewTransform WriteProfileTable(PartRecord& part, const ProfileTable& table, const DrawingArea& area) {
    const int rows = std::min(static_cast<int>(table.rows.size()), ProfileTable::kMaxRows);
    // Up to five segments the drawing window itself stops at its limit, after
    // the fifth length; longer profiles go on as if it took any number.
    const int limit = rows <= ProfileDrawing::kMaxSegments ? ProfileDrawing::kMaxSegments : ProfileTable::kMaxRows;
    ProfileDrawing drawing(part, area, limit);
    drawing.activate();
    drawing.submitValue(table.thickness);
    drawing.submitValue(table.orientation);
    for (int k = 0; k < rows; ++k) {
        const ProfileRow& row = table.rows[static_cast<std::size_t>(k)];
        drawing.submitValue(row.length);
        // The angle after the last segment is never typed: the drawing is
        // finished in the angle step that follows the last length.
        if (k + 1 < rows) drawing.submitValue(row.angle);
    }
    drawing.finish();
    return drawing.view();
}

Scene SketchScene(const PartRecord& part, const ViewTransform& view) {
    Scene scene;
    const int last = part.safeSketchLast();
    for (int i = 0; i <= last; ++i) {
        const SketchEntity& e = part.sketch[static_cast<std::size_t>(i)];
        OutlineElement o = FromEntity(e);
        if (e.type == kText) {
            // Texts point into the part's own table; the scene keeps its own copy.
            o.textIndex = static_cast<std::int32_t>(scene.texts.size());
            const bool known = e.textIndex >= 0 && e.textIndex < kSketchEntities;
            scene.texts.push_back(known ? part.sketchTexts[static_cast<std::size_t>(e.textIndex)].str() : "");
        }
        scene.elements.push_back(o);
    }
    // Bend k sits at the end of segment k; the segments are the first lines
    // of the sketch, one per profile entry.
    const int bends = std::min(part.safeProfileBendCount(), last);
    const float height = static_cast<float>(view.pixelsToWorld(kBendNumberPixels));
    for (int k = 0; k < bends; ++k) {
        const SketchEntity& segment = part.sketch[static_cast<std::size_t>(k)];
        if (segment.type != kLine) continue;
        OutlineElement number;
        number.type = kText;
        number.colour = kBendNumberColour;
        number.x1 = number.x2 = segment.x2;
        number.y1 = number.y2 = segment.y2;
        number.h = height;
        number.textIndex = static_cast<std::int32_t>(scene.texts.size());
        scene.texts.push_back(std::to_string(k + 1));
        scene.elements.push_back(number);
    }
    return scene;
}

}  // namespace zelpor
