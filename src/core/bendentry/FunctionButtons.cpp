#include "core/bendentry/FunctionButtons.h"

namespace zelpor {

std::string ViewSwitchCaption(ViewMode mode) { return mode == ViewMode::Numeric ? "Graphique" : "Numérique"; }

void ApplyBendEnabling(ButtonFaces& faces, const PartRecord& part) {
    faces[0].enabled = part.currentBend > 0;
    faces[1].enabled = part.currentBend > 0;
    faces[2].enabled = part.currentBend < part.lastBend;
}

ButtonFaces FunctionButtons(FocusLevel level, const PartRecord& part, ViewMode mode, bool jobHasFiles) {
    ButtonFaces f;
    auto show = [&f](int i, const char* caption) {
        f[static_cast<std::size_t>(i)].visible = true;
        f[static_cast<std::size_t>(i)].caption = caption;
    };
    const bool viewSwitch = level >= FocusLevel::Bend;
    switch (level) {
    case FocusLevel::Job:
        show(0, "Charger Affaire");
        show(1, "Nouvelle Affaire");
        break;
    case FocusLevel::Part:
        show(0, "Charger Piece");
        show(1, "Nouvelle Piece");
        if (jobHasFiles) show(2, "Supprime Piece");
        break;
    case FocusLevel::Bend:
        show(0, "Premier Pli");
        show(1, "Pli Précédent");
        show(2, "Pli Suivant");
        show(3, "Insérer Pli");
        ApplyBendEnabling(f, part);
        break;
    case FocusLevel::Punch:
        show(0, "Liste Poinçons");  // a reminder of the library; no action here
        break;
    case FocusLevel::Die: show(0, "Liste Matrice"); break;
    default: break;
    }
    if (viewSwitch) {
        f[7].visible = true;
        f[7].caption = ViewSwitchCaption(mode);
    }
    return f;
}

}  // namespace zelpor
