#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <span>

#include "core/part/PartRecord.h"
#include "core/view/Scene.h"
#include "core/view/ViewTransform.h"

namespace zelpor {

// Colour references in the stored records are 0x00BBGGRR.
inline QColor ColourFromRef(std::int32_t ref) { return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF); }

// The lettering font of the drawings (an ISO 3098 face), or the default sans
// font where it is not installed.
QString LetteringFontFamily();

// Draws world-coordinate primitives into a back buffer through a view
// transform. Every drawing of the program (tool outlines, the bend view, the
// profile sketch, the sequence) goes through here.
class ScenePainter {
public:
    // The painter keeps its own copy of the transform: a view that changes
    // while it paints (or goes away) cannot reach into a drawing half done.
    ScenePainter(QImage& image, const ViewTransform& transform) : m_image(image), m_t(transform) {}

    void fillBackground(QColor colour);
    void fillRect(int left, int top, int right, int bottom, QColor colour);
    void line(float x1, float y1, float x2, float y2, QColor colour, int width = 1, bool dotted = false);
    // The ellipse inscribed in the mapped square (x - r, y - r)-(x + r, y + r).
    void circle(float x, float y, float r, QColor colour);
    // Counter-clockwise on screen from the point at angle a1 to the point at a2 (degrees).
    void arc(float x, float y, float r, float a1, float a2, QColor colour);
    // Text of height h (world units) rotated by `angle` degrees, drawn at its
    // mapped anchor moved left by its pixel height.
    void text(float x, float y, float h, float angle, const QString& text, QColor colour);
    // Scan-line flood fill from the mapped seed up to a border of `border` colour.
    void floodFill(float x, float y, QColor fill, QColor border);

    // Whether type-3 elements are drawn: the library and sequence drawings
    // show circles, the main window's bend view does not.
    enum class Circles { Drawn, Skipped };

    // Draws outline elements by type: 1 line, 3 circle, 4 arc, 7 text, 9 fill;
    // other types draw nothing. Lines named "Piece" are 2 pixels wide.
    void drawElements(std::span<const OutlineElement> elements, const Scene* textSource = nullptr,
                      Circles circles = Circles::Drawn);

    // Draws the entities of a part's profile sketch by type: 1 line (dotted
    // for the style "DOT"), 3 circle, 4 arc, 7 text; other types draw nothing.
    void drawSketch(const PartRecord& part);

    // One element, whichever record it came from.
    struct Shape {
        std::int32_t type = 0;
        QColor colour;
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0, r = 0, a1 = 0, a2 = 0, h = 0;
        int lineWidth = 1;
        bool dotted = false;
        QString text;
    };
    void draw(const Shape& shape);

private:
    QImage& m_image;
    ViewTransform m_t;
};

}  // namespace zelpor
