#include "ui/print/SheetPictures.h"

#include "ui/common/ScenePainter.h"
#include "core/report/ProfileSketch.h"
#include "core/sequence/SequenceScene.h"
#include "core/view/ToolFit.h"

namespace zelpor {

namespace {

const QColor kPaper(255, 255, 255);

// Yellow bend numbers are made for the grey screen; on paper they are black.
std::vector<OutlineElement> ForPaper(std::span<const OutlineElement> elements) {
    std::vector<OutlineElement> out(elements.begin(), elements.end());
    for (OutlineElement& e : out)
        if (e.colour == kSequenceNumberColour) e.colour = Rgb(0, 0, 0);
    return out;
}

QImage BlankPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kPaper);
    return image;
}

}  // namespace

QImage ToolPicture(const SheetTool& tool, int width, int height) {
    QImage image = BlankPicture(width, height);
    if (!tool.found) return image;
    const bool punch = tool.kind == ToolKind::Punch;
    const ToolOutlineView outline = punch ? PrepareToolOutline(tool.punch) : PrepareToolOutline(tool.die);
    ViewTransform view = LibraryStartTransform(width, height);
    FitToolView(view, outline, tool.kind, width, height);
    ScenePainter painter(image, view);
    painter.fillBackground(kPaper);
    painter.drawElements(
        std::span<const OutlineElement>(outline.elements.data(), static_cast<std::size_t>(outline.count)));
    return image;
}

QImage ProfilePicture(const PartRecord& part, int width, int height) {
    QImage image = BlankPicture(width, height);
    const FittedScene sketch = ProfileSketchScene(part, width, height, 22);
    ScenePainter painter(image, sketch.view);
    painter.fillBackground(kPaper);
    painter.drawElements(sketch.scene.elements, &sketch.scene);
    return image;
}

QImage StepPicture(const PartRecord& part, const SheetStep& step, const PunchRecord& punch, const DieRecord& die,
                   int width, int height) {
    QImage image = BlankPicture(width, height);
    const SequenceScene scene = StepPictureScene(part, step, punch, die, width, height);
    const std::vector<OutlineElement> elements = ForPaper(scene.scene.elements);
    ScenePainter painter(image, scene.view);
    painter.fillBackground(kPaper);
    painter.drawElements(elements, &scene.scene);
    return image;
}

}  // namespace zelpor
