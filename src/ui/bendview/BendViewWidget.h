#pragma once

#include <QWidget>

namespace zelpor {

struct AppState;

// The main window's graphic view of the current bend: a 559 x 408 drawing
// area with the die, the punch at its working depth and the folded sheet,
// with zoom to a rectangle, zoom to all and pan.
class BendViewWidget final : public QWidget {
    Q_OBJECT
public:
    explicit BendViewWidget(AppState& state, QWidget* parent = nullptr);

    // Builds the scene of the current bend from the part and the tools in use,
    // fits the view and repaints.
    void rebuild();

    // The "Zoom" menu commands.
    void ZoomFenetre1Click();
    void ZoomTout1Click();
    void Pan1Click();

Q_SIGNALS:
    void zoomAllEnabledChanged(bool enabled);  // "Zoom Tout" is enabled only after a window zoom
    void statusMessage(const QString& text);   // first panel of the main window's status bar

private:
    AppState& m_state;
};

}  // namespace zelpor
