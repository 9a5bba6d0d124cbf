#pragma once

#include <functional>
#include <string>

#include "core/part/PartRecord.h"
#include "core/sequence/SequenceScene.h"
#include "core/sequence/ValidationHistory.h"
#include "core/tools/ToolRecords.h"

namespace zelpor {

// Flange-length correction of one bend of a drawn profile, from the die's V
// opening and the sheet thickness; negative for a real bend, 0 for 180.
// (A separate rule of thumb from the bend deduction of the bend settings.)
double ComputeSequenceCorrection(float angle, float vOpening, float thickness);

// Corrections of bends 0 .. n-1 of the profile.
void ComputeSequenceCorrections(PartRecord& part, float vOpening);

// Corrections of the bends that have none yet: a real bend (angle not 180)
// whose correction is still 0, as the drawing window leaves it. Corrections
// already computed are kept.
void ComputeFreshCorrections(PartRecord& part, float vOpening);

// Sum of the segment lengths plus the corrections of the bends between them.
double DevelopedLength(const PartRecord& part);
// "Longueur développée: 150.00mm"
std::string DevelopedLengthText(double length);

// "Zelpor2     Sequence -> " + part name.
std::string SequenceCaption(const std::string& partName);

// Puts bend `step` of the profile at the head of the bending program: it gets
// position 0, every bend validated before moves one place later together
// with its bend record, and bend record 0 receives the tools, the angle and an
// opening of 10. Refused (false) when the bend is not in the profile, is
// already placed, or the 25 bend records are all in use.
bool ValidateBend(PartRecord& part, int step, const std::string& dieName, const std::string& punchName);

struct ButtonState {
    bool visible = false;
    bool enabled = false;
    friend bool operator==(const ButtonState&, const ButtonState&) = default;
};

// The buttons of the sequence window that the program drives.
struct SequenceButtons {
    ButtonState validate;  // Bouton1 "Validation pli"
    ButtonState undo;   // Bouton2 "Annule validation": shown from the first opening, enabled while a validation can be
                        // taken back
    ButtonState pivot;  // Bouton4 "Pivote Piece"
    ButtonState previous;          // Bouton6 "Angle précedant"
    ButtonState next;              // Bouton7 "Angle suivant"
    ButtonState back{true, true};  // Bouton8 "Retour"
    friend bool operator==(const SequenceButtons&, const SequenceButtons&) = default;
};

// The sequence window's state: the bend on screen, the buttons, the scene and
// the status text. The user decides the program backwards, from the finished
// part: each validated bend becomes the first of the program so far.
class SequenceProgram {
public:
    // Opens a tool library for the user to choose a tool and loads it.
    using ToolChooser = std::function<void()>;

    SequenceProgram(PartRecord& part, TPoincon& punch, TMatrice& die, int areaWidth = kSequenceAreaWidth,
                    int areaHeight = kSequenceAreaHeight);

    // Each opening of the window: back to the first bend; a missing die or
    // punch is chosen first (the corrections are then computed from the
    // chosen die); the status shows the developed length.
    void activate(const ToolChooser& chooseDie, const ToolChooser& choosePunch);

    // The button actions; each does nothing while its button is disabled.
    void validate();
    // Takes the last validation of this opening back and shows that bend again.
    void undoValidation();
    void pivot();
    void next();
    void previous();

    int step() const { return m_step; }
    int bendCount() const { return m_part.safeProfileBendCount(); }
    const SequenceButtons& buttons() const { return m_buttons; }
    const SequenceScene& scene() const { return m_scene; }
    const std::string& statusText() const { return m_status; }

    void rebuild();

private:
    bool placed(int k) const { return m_part.profile[static_cast<std::size_t>(k)].order != -1; }
    void updateBendButtons();
    void updateMoveButtons();

    PartRecord& m_part;
    TPoincon& m_punch;
    TMatrice& m_die;
    int m_width;
    int m_height;
    int m_step = 0;
    SequenceButtons m_buttons;
    ValidationHistory m_history;
    SequenceScene m_scene;
    std::string m_status;
};

}  // namespace zelpor
