#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/part/PartRecord.h"
#include "core/view/ViewTransform.h"

namespace zelpor {

// Where the drawing area sits in the window's client area, in pixels. The
// fits and the 25/50-pixel helpers of the sketch depend on these sizes.
struct DrawingArea {
    int left = 0;
    int top = 0;
    int width = 803;
    int height = 457;

    int bottom() const { return top + height; }
    // The back buffer is 4 pixels smaller than the area on each axis.
    int bitmapWidth() const { return width - 4; }
    int bitmapHeight() const { return height - 4; }
};

// Direction of the vector (dx, dy) in degrees, in [0, 360). The axis cases are
// exact so that a segment typed along an axis keeps its whole-degree direction.
double VectorDirection(double dx, double dy);

// Zoom to extents: grows the sketch extent over the part's sketch entities and
// sets `view` so that the sketch fills three quarters of the area, with a
// scale between 1/32 and 32 pixels per millimetre. An empty or degenerate
// extent leaves the view as it is.
void FitSketchView(PartRecord& part, const DrawingArea& area, ViewTransform& view);

// The arc that shows the bend being entered and the value the user reads
// beside it, from the reference direction (previous segment) and the current
// direction. In the first step the value is the orientation of the first
// segment; later it is the included bend angle (180 straight on, positive to
// the left).
struct AngleMarker {
    double arcStart = 0;
    double arcEnd = 0;
    double shownValue = 0;
};
AngleMarker MarkAngle(double reference, double current, bool firstStep);

enum class PointerShape { Default, Length, Angle };

// What the entry bar, the status bar and the pointer show; the window copies
// these values into its widgets. Texts are UTF-8.
struct EntryBar {
    bool promptVisible = false;  // StaticText1
    std::string prompt;
    bool entryVisible = false;  // Edit1
    bool unitVisible = false;   // StaticText2
    std::string unit;
    bool valueLabelVisible = false;  // StaticText3
    std::string valueLabel;
    bool valueVisible = false;  // Edit2, read-only
    std::string value;
    bool valueUnitVisible = false;  // StaticText4
    std::string valueUnit;
    std::string status;
    PointerShape pointer = PointerShape::Default;
    bool button1Visible = false;  // "-90°"
    bool button1Enabled = false;

    friend bool operator==(const EntryBar&, const EntryBar&) = default;
};

// How a character typed into the entry field is handled. Backspace is '\b'.
struct EntryKey {
    bool accept = false;      // false: the key is swallowed
    char key = 0;             // the character to insert (a comma becomes a point)
    bool clearFirst = false;  // the field is emptied before the key is applied
};

// The key rule of a number entry: a comma is read as a point, a second point
// is swallowed, digits and Backspace pass, a minus only where the entry is
// signed (thickness and angles, not lengths). In a signed entry a key typed
// with the caret at the start replaces the proposal.
EntryKey FilterNumberKey(char key, std::string_view text, int caret, bool signedEntry);

// The message for a typed text that is not a number.
std::string NotANumberText(std::string_view text);

// The profile drawing: thickness, then the orientation of the first segment,
// then a length and a bend angle per segment. Everything it decides is written
// straight into the current part; the window only forwards input and copies
// the entry bar, the view and the sketch to the screen.
class ProfileDrawing {
public:
    enum class Mode { Idle, Thickness, Angle, Length };

    enum class Result {
        Ignored,       // nothing happened (empty field, wrong mode)
        Rejected,      // the text is not a number: message() says why, nothing changed
        Accepted,      // the value was taken and the next step began
        SegmentLimit,  // the fifth length was taken: only finishing is left
    };

    static constexpr int kMaxSegments = 5;
    static constexpr double kArcPixels = 25;
    static constexpr double kRubberPixels = 50;
    static constexpr std::int32_t kGreen = 0x008000;  // RGB(0, 128, 0)
    static constexpr std::int32_t kRed = 0x0000FF;    // RGB(255, 0, 0)

    static constexpr const char* kLimitText = "Nombre de segment maximun";
    static constexpr const char* kLimitCaption = "Avertissement";

    // `segmentLimit` is the number of lengths one activation takes; the profile
    // table writes longer profiles through the same steps.
    explicit ProfileDrawing(PartRecord& part, DrawingArea area = {}, int segmentLimit = kMaxSegments);

    // The window became active: fresh view and sketch, then the thickness is asked.
    void activate();

    // Enter in the entry field with its current text.
    Result submit(std::string_view text);
    // The same with a value already read.
    Result submitValue(double value);
    // "-90°" (button or F1): only in an angle step.
    bool acceptMinus90();
    // F8 or "Retour", in any mode: closes the profile in the part. The
    // caller then opens the sequence window.
    void finish();
    // The pointer moved to (x, y) in client pixels: previews the angle or the
    // length under it. Returns true when the sketch changed and needs a repaint.
    bool mouseMove(int x, int y);

    // The entry field's key filter for the current mode.
    EntryKey filterKey(char key, std::string_view text, int caret) const;

    Mode mode() const { return m_mode; }
    bool firstStep() const { return m_firstStep; }
    double currentValue() const { return m_currentValue; }
    double referenceDirection() const { return m_reference; }
    float currentDirection() const { return m_direction; }
    int segmentCount() const { return m_segments; }
    const ViewTransform& view() const { return m_view; }
    const DrawingArea& area() const { return m_area; }
    const EntryBar& bar() const { return m_bar; }
    const std::string& message() const { return m_message; }

    // Text the program put into the entry field, with the caret at position 0.
    // The revision changes each time the program sets it.
    const std::string& entryText() const { return m_entryText; }
    int entryRevision() const { return m_entryRevision; }

    // Where the pointer should be moved (client pixels of the drawing area),
    // changed with the revision each time a step places it.
    ScreenPoint pointerTarget() const { return m_pointerTarget; }
    int pointerRevision() const { return m_pointerRevision; }

private:
    void askThickness();
    void startProfile();
    void showStepBar(Mode mode, PointerShape pointer, const char* prompt, const char* valueLabel, const char* unit);
    void beginAngleStep(double offset, double px, double py);
    void acceptAngle(double value);
    void beginLengthStep(double px, double py);
    Result acceptLength(double length);
    void stopAtSegmentLimit();
    void placePointer(double x, double y);

    void setEntryText(std::string text);
    void showAngleMarker(SketchEntity* arc);
    bool appendEntity(const SketchEntity& e);
    SketchEntity* entity(int index);
    SketchEntity* lastEntity() { return entity(m_part.sketchLast); }
    double pixels(double p) const { return m_view.pixelsToWorld(p); }

    PartRecord& m_part;
    DrawingArea m_area;
    ViewTransform m_view;
    EntryBar m_bar;
    Mode m_mode = Mode::Idle;
    bool m_firstStep = false;
    double m_currentValue = 0;
    double m_reference = 0;
    float m_direction = 0;
    int m_segments = 0;
    int m_segmentLimit = kMaxSegments;
    std::string m_message;
    std::string m_entryText;
    int m_entryRevision = 0;
    ScreenPoint m_pointerTarget;
    int m_pointerRevision = 0;
};

}  // namespace zelpor
