#pragma once

#include <string>

#include "core/jobs/JobsAndParts.h"

namespace zelpor {

struct AppState;

// The three program types of a new part and the codes the new-part dialog
// closes with (0 while none is chosen).
enum class ProgramType { None, GraphicProfile, TableProfile, NumericSequence };
inline constexpr int kCodeCancelled = 2;
inline constexpr int kCodeGraphicProfile = 80;
inline constexpr int kCodeTableProfile = 81;
inline constexpr int kCodeNumericSequence = 82;
int ProgramCode(ProgramType type);

// The dialog's memory between two "OK": whether the user typed in the comment
// box, and whether the name still has to be checked against an existing file.
struct NewPartFlags {
    bool commentTyped = false;
    bool nameTyped = true;
};

// The two points where the "OK" of the new-part dialog needs the user.
class NewPartPrompts {
public:
    virtual ~NewPartPrompts() = default;
    virtual void openNewJob() = 0;        // its result is not examined
    virtual bool confirmOverwrite() = 0;  // "Piece existe écraser": true for Yes
};

struct NewPartInput {
    std::string name;      // the name box
    std::string comment;   // the comment box, Latin-1
    bool jobInUse = true;  // "Affaire en cours" shown and checked
    ProgramType type = ProgramType::None;
    long long now = 0;  // seconds since the epoch, for the default comment
};

enum class NewPartOutcome {
    NoJob,          // still no job after the new-job dialog: stay
    BadName,        // message shown, focus back to the name box
    KeptExisting,   // "No" to overwriting: focus back to the name box
    CommentShown,   // the default comment is put in the comment box: stay there
    NoProgramType,  // part written, but no program type chosen: stay
    Created,        // part written: close with `code`
};

struct NewPartResult {
    NewPartOutcome outcome = NewPartOutcome::BadName;
    NameProblem nameProblem = NameProblem::None;
    int code = 0;
    std::string comment;     // CommentShown: the text to put in the comment box
    std::string failedPath;  // set when the part file could not be written
};

// One press of "OK" in the new-part dialog. The first press without a typed
// comment only fills in the dated default comment so the user sees it; the
// next press creates the part. The part takes the typed name, a new header
// (comment, one bend) and keeps the thickness, material and bends it had.
NewPartResult NewPartOk(AppState& state, NewPartFlags& flags, const NewPartInput& input, NewPartPrompts& prompts);

}  // namespace zelpor
