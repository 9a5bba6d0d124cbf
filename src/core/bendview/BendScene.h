#pragma once

#include "core/part/PartRecord.h"
#include "core/tools/ToolRecords.h"
#include "core/view/Scene.h"

namespace zelpor {

// Colours of the bend view, as colour references.
inline constexpr std::int32_t kBendToolColour = Rgb(255, 0, 0);
inline constexpr std::int32_t kBendSheetColour = Rgb(0, 0, 255);
inline constexpr std::int32_t kBendMessageColour = Rgb(255, 255, 0);

// Text shown in place of the drawing when the current bend has no segment in
// the part's drawn profile (a part entered as a plain bend list).
inline constexpr const char* kNoGraphicBendText = "pli non graphique";

struct BendSceneResult {
    Scene scene;
    // False when the scene is only the "pli non graphique" message: the view
    // then keeps its transform, so the text shows where the user left the view.
    bool fitView = false;
};

// Profile entry whose bend sits at the current bend's place in the program
// (the last match among the profile's bends wins), or -1 when there is none.
int FindBendVertex(const PartRecord& part);

// The drawing of the current bend: the die standing with its top on y = 0,
// the punch at its working depth (or lifted by the opening once the bend has
// its place in the program), and the sheet folded about the vertex at x = 0.
BendSceneResult BuildBendScene(const PartRecord& part, const TPoincon& punch, const TMatrice& die);

}  // namespace zelpor
