#include "core/profile/ProfileDrawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/text/Numbers.h"
#include "core/tools/ToolRecords.h"
#include "core/view/Angles.h"
#include "core/view/Extent.h"

namespace zelpor {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

SketchEntity Line(double x1, double y1, double x2, double y2, std::int32_t colour) {
    SketchEntity e;
    e.type = kLine;
    e.colour = colour;
    e.x1 = static_cast<float>(x1);
    e.y1 = static_cast<float>(y1);
    e.x2 = static_cast<float>(x2);
    e.y2 = static_cast<float>(y2);
    return e;
}

}  // namespace

double VectorDirection(double dx, double dy) {
    double a;
    if (dy == 0 && dx >= 0) a = 0;
    else if (dx == 0 && dy > 0) a = 90;
    else if (dy == 0) a = 180;
    else if (dx == 0) a = -90;
    else a = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
    return a < 0 ? a + 360 : a;
}

void FitSketchView(PartRecord& part, const DrawingArea& area, ViewTransform& view) {
    auto& stored = part.sketchExtent;  // min x, min y, max x, max y
    Extent ext{stored[0], stored[1], stored[2], stored[3]};
    const int last = part.safeSketchLast();
    for (int i = 0; i <= last; ++i) {
        const SketchEntity& e = part.sketch[static_cast<std::size_t>(i)];
        ext.add(e.x1, e.y1);
        if (e.type != kText) ext.add(e.x2, e.y2);  // a text has only its anchor
    }
    stored = {ext.minX, ext.minY, ext.maxX, ext.maxY};
    const double width = static_cast<double>(ext.maxX) - ext.minX;
    const double height = static_cast<double>(ext.maxY) - ext.minY;
    if (width == 0 && height == 0) return;
    // An empty sketch (extent still inside out) or a broken one gives no scale.
    if (!(width >= 0) || !(height >= 0) || !std::isfinite(width) || !std::isfinite(height)) return;

    // The sketch fills three quarters of the area.
    const double sx = width != 0 ? area.width / width * 6 * 0.125 : ViewTransform::kMaxScale;
    const double sy = height != 0 ? area.height / height * 6 * 0.125 : ViewTransform::kMaxScale;
    view.setScale(std::min(sx, sy));
    view.viewportOriginX = area.left + area.width / 2;
    view.viewportOriginY = area.bottom() - area.height / 2;
    view.worldOriginX = ViewTransform::ToScreen((static_cast<double>(ext.maxX) + ext.minX) * 0.5);
    view.worldOriginY = ViewTransform::ToScreen((static_cast<double>(ext.maxY) + ext.minY) * 0.5);
}

AngleMarker MarkAngle(double reference, double current, bool firstStep) {
    const double d = current - reference;
    const double back = reference + 180;  // looking back along the previous segment
    if (d > 180) return {back, current, firstStep ? d - 360 : 180 - d};
    if (d > 0) return {current, back, firstStep ? d : 180 - d};
    if (d < -180) return {current, back, -d - 180};
    return {back, current, firstStep ? -d : -d - 180};
}

ProfileDrawing::ProfileDrawing(PartRecord& part, DrawingArea area, int segmentLimit)
    : m_part(part), m_area(area), m_segmentLimit(std::clamp(segmentLimit, 1, kProfileEntries)) {}

void ProfileDrawing::activate() {
    m_view = ViewTransform{};
    m_view.viewportOriginX = m_area.left + 1;
    m_view.viewportOriginY = m_area.bottom() - 1;
    m_part.sketchLast = -1;
    m_part.sketchSpare = 0;
    m_segments = 0;
    m_mode = Mode::Idle;
    m_firstStep = false;
    // "-90°" stays as the previous drawing left it; it acts only in an angle step.
    askThickness();
}

void ProfileDrawing::askThickness() {
    m_mode = Mode::Thickness;
    m_bar.pointer = PointerShape::Default;
    m_bar.promptVisible = true;
    m_bar.prompt = "Epaisseur :";
    m_bar.entryVisible = true;
    m_bar.unitVisible = true;
    m_bar.unit = "mm";
    m_bar.valueLabelVisible = false;
    m_bar.valueVisible = false;
    m_bar.valueUnitVisible = false;
    m_bar.status = "Epaisseur de la piece à plier";
    setEntryText("0.1");
}

void ProfileDrawing::startProfile() {
    m_bar.button1Visible = true;
    m_bar.button1Enabled = true;
    m_part.profileBendCount = 0;
    m_part.sketchExtent = {10000000.0f, 10000000.0f, -10000000.0f, -10000000.0f};
    m_currentValue = 90;
    // The origin cross, shown while the orientation of the first segment is asked.
    m_part.sketchLast = -1;
    appendEntity(Line(0, -10, 0, 10, kGreen));
    appendEntity(Line(0, 0, 10, 0, kGreen));
    appendEntity(Line(-10, 0, 0, 0, kGreen));
    FitSketchView(m_part, m_area, m_view);
    m_firstStep = true;
    beginAngleStep(0, 0, 0);
}

// An angle or a length step: the whole entry bar shown, with its texts.
void ProfileDrawing::showStepBar(Mode mode, PointerShape pointer, const char* prompt, const char* valueLabel,
                                 const char* unit) {
    m_bar.pointer = pointer;
    m_mode = mode;
    m_bar.promptVisible = m_bar.entryVisible = m_bar.unitVisible = true;
    m_bar.valueLabelVisible = m_bar.valueVisible = m_bar.valueUnitVisible = true;
    m_bar.prompt = prompt;
    m_bar.unit = unit;
    m_bar.valueLabel = valueLabel;
    m_bar.valueUnit = unit;
}

void ProfileDrawing::beginAngleStep(double offset, double px, double py) {
    showStepBar(Mode::Angle, PointerShape::Angle, "Angle :", "Angle courant", "degré");
    if (m_firstStep) {
        m_bar.status = "Orientation du segment de depart";
        setEntryText("0");
    } else {
        m_bar.status = "Angle du segment suivant";
        setEntryText("");
    }

    const SketchEntity* previous = lastEntity();
    m_reference = previous ? VectorDirection(static_cast<double>(previous->x2) - previous->x1,
                                             static_cast<double>(previous->y2) - previous->y1)
                           : 0;
    m_direction = static_cast<float>(m_reference + offset);

    SketchEntity arc;
    arc.type = kArc;
    arc.colour = kGreen;
    arc.x1 = arc.x2 = static_cast<float>(px);
    arc.y1 = arc.y2 = static_cast<float>(py);
    arc.radius = static_cast<float>(pixels(kArcPixels));
    appendEntity(arc);
    showAngleMarker(lastEntity());

    const double reach = pixels(kRubberPixels);
    const double ex = px + reach * std::cos(m_direction * kDegToRad);
    const double ey = py + reach * std::sin(m_direction * kDegToRad);
    appendEntity(Line(px, py, ex, ey, m_firstStep ? kRed : kGreen));
    placePointer(ex, ey);
}

// Arc and value of the angle being entered.
void ProfileDrawing::showAngleMarker(SketchEntity* arc) {
    const AngleMarker m = MarkAngle(m_reference, m_direction, m_firstStep);
    if (arc && arc->type == kArc) {
        arc->startAngle = static_cast<float>(m.arcStart);
        arc->endAngle = static_cast<float>(m.arcEnd);
    }
    m_bar.value = FormatFixed(m.shownValue, 1);
}

void ProfileDrawing::acceptAngle(double value) {
    m_currentValue = value;
    if (m_firstStep) {
        m_part.startOrientation = static_cast<float>(value);
    } else {
        const int bend = std::clamp(m_part.profileBendCount, 0, kProfileEntries - 1);
        ProfileSegment& entry = m_part.profile[static_cast<std::size_t>(bend)];
        entry.angle = static_cast<float>(value);
        entry.pivot = 0;
        // The last entry stays for the closing segment.
        m_part.profileBendCount = std::min(bend + 1, kProfileEntries - 1);
    }
    m_direction = static_cast<float>(std::fmod(180 - value + m_reference, 360.0));
    m_part.sketchLast = std::max(m_part.sketchLast - 2, -1);  // arc and rubber line go

    if (m_firstStep) {
        // The origin cross goes with them: the first segment starts at (0, 0).
        m_part.sketchLast = -1;
        m_firstStep = false;
        if (m_direction > 0) m_direction = 180 - m_direction;
        beginLengthStep(0, 0);
        m_currentValue = 90;
    } else {
        const SketchEntity* last = lastEntity();
        beginLengthStep(last ? last->x2 : 0, last ? last->y2 : 0);
    }
}

void ProfileDrawing::beginLengthStep(double px, double py) {
    showStepBar(Mode::Length, PointerShape::Length, "Longueur :", "Longueur courant", "mm");
    m_bar.status = "Longueur du segment";
    setEntryText("");

    const double reach = pixels(kRubberPixels);
    const double ex = px + reach * std::cos(m_direction * kDegToRad);
    const double ey = py + reach * std::sin(m_direction * kDegToRad);
    appendEntity(Line(px, py, ex, ey, kGreen));
    placePointer(ex, ey);
}

ProfileDrawing::Result ProfileDrawing::acceptLength(double length) {
    const int bend = std::clamp(m_part.profileBendCount, 0, kProfileEntries - 1);
    ProfileSegment& entry = m_part.profile[static_cast<std::size_t>(bend)];
    entry.length = static_cast<float>(length);
    entry.index = bend;
    entry.order = -1;

    // The rubber line becomes the segment, with the exact typed length.
    if (SketchEntity* segment = lastEntity()) {
        segment->x2 = static_cast<float>(segment->x1 + length * std::cos(m_direction * kDegToRad));
        segment->y2 = static_cast<float>(segment->y1 + length * std::sin(m_direction * kDegToRad));
        segment->colour = kRed;
    }
    FitSketchView(m_part, m_area, m_view);
    ++m_segments;
    if (m_segments < m_segmentLimit) {
        const SketchEntity* segment = lastEntity();
        beginAngleStep(m_currentValue, segment ? segment->x2 : 0, segment ? segment->y2 : 0);
        return Result::Accepted;
    }
    stopAtSegmentLimit();
    return Result::SegmentLimit;
}

void ProfileDrawing::stopAtSegmentLimit() {
    m_bar.pointer = PointerShape::Default;
    m_mode = Mode::Idle;
    m_bar.promptVisible = false;
    m_bar.entryVisible = false;
    m_bar.unitVisible = false;
    m_bar.valueVisible = false;
    m_bar.valueUnitVisible = false;
    m_bar.status = "Touche F8 pour finir";
    m_message = kLimitText;
}

ProfileDrawing::Result ProfileDrawing::submit(std::string_view text) {
    if (m_mode == Mode::Idle || text.empty()) return Result::Ignored;
    const std::optional<double> value = ParseNumber(text);
    if (!value || !std::isfinite(*value)) {
        m_message = NotANumberText(text);
        return Result::Rejected;
    }
    m_message.clear();
    return submitValue(*value);
}

ProfileDrawing::Result ProfileDrawing::submitValue(double value) {
    switch (m_mode) {
    case Mode::Thickness:
        m_part.thickness = static_cast<float>(value);
        startProfile();
        return Result::Accepted;
    case Mode::Angle: acceptAngle(value); return Result::Accepted;
    case Mode::Length: return acceptLength(value);
    case Mode::Idle: break;
    }
    return Result::Ignored;
}

bool ProfileDrawing::acceptMinus90() {
    if (m_mode != Mode::Angle) return false;
    acceptAngle(-90);
    m_bar.button1Visible = false;
    m_bar.button1Enabled = false;
    return true;
}

void ProfileDrawing::finish() {
    int bend = std::clamp(m_part.profileBendCount, 0, kProfileEntries - 1);
    if (m_mode == Mode::Length) {
        // The bend typed before this pending length has no segment after it.
        if (bend > 0) --bend;
        else m_part.profile[0].length = 0;  // not even the first length was typed
    }
    m_part.profileBendCount = bend;
    ProfileSegment& last = m_part.profile[static_cast<std::size_t>(bend)];
    last.angle = 0;
    last.index = -1;
    last.order = -1;
    last.pivot = 0;
    // The bend list is rebuilt from the profile by the sequence window.
    m_part.currentBend = -1;
    m_part.lastBend = -1;
    m_mode = Mode::Idle;
    m_bar.pointer = PointerShape::Default;
}

bool ProfileDrawing::mouseMove(int x, int y) {
    if (m_mode != Mode::Angle && m_mode != Mode::Length) return false;
    SketchEntity* rubber = lastEntity();
    if (!rubber) return false;
    const double px = m_view.unmapX(x), py = m_view.unmapY(y);
    const double vx = px - rubber->x1, vy = py - rubber->y1;
    double reach;
    if (m_mode == Mode::Angle) {
        m_direction = static_cast<float>(std::floor(VectorDirection(vx, vy)));
        m_bar.valueLabel = "Angle courant :";
        m_bar.valueUnit = "degré";
        showAngleMarker(entity(m_part.sketchLast - 1));  // the arc precedes the rubber line
        reach = pixels(kRubberPixels);
    } else {
        reach = std::hypot(vx, vy);
        m_bar.value = FormatFixed(reach, 1);
    }
    rubber->x2 = static_cast<float>(rubber->x1 + reach * std::cos(m_direction * kDegToRad));
    rubber->y2 = static_cast<float>(rubber->y1 + reach * std::sin(m_direction * kDegToRad));
    return true;
}

std::string NotANumberText(std::string_view text) {
    return "Valeur incorrecte : \"" + std::string(text) + "\" n'est pas un nombre";
}

EntryKey FilterNumberKey(char key, std::string_view text, int caret, bool signedEntry) {
    if (key == ',') return {true, '.', false};
    if (key == '.') return {text.find('.') == std::string_view::npos, key, false};
    if (IsDigit(key) || key == '\b' || (signedEntry && key == '-')) return {true, key, signedEntry && caret == 0};
    return {false, key, false};
}

EntryKey ProfileDrawing::filterKey(char key, std::string_view text, int caret) const {
    if (m_mode == Mode::Idle) return {true, key, false};
    return FilterNumberKey(key, text, caret, m_mode != Mode::Length);
}

void ProfileDrawing::placePointer(double x, double y) {
    m_pointerTarget = m_view.map(x, y);
    ++m_pointerRevision;
}

void ProfileDrawing::setEntryText(std::string text) {
    m_entryText = std::move(text);
    ++m_entryRevision;
}

bool ProfileDrawing::appendEntity(const SketchEntity& e) {
    // The window needs at most six entries; a full table keeps what it has.
    const int next = std::max(m_part.sketchLast, -1) + 1;
    if (next >= kSketchEntities) return false;
    m_part.sketch[static_cast<std::size_t>(next)] = e;
    m_part.sketchLast = next;
    return true;
}

SketchEntity* ProfileDrawing::entity(int index) {
    if (index < 0 || index >= kSketchEntities) return nullptr;
    return &m_part.sketch[static_cast<std::size_t>(index)];
}

}  // namespace zelpor
