#include "core/jobs/NewPart.h"

#include "core/io/Files.h"
#include "core/part/PartRecord.h"
#include "core/workspace/AppState.h"

namespace zelpor {
namespace {

void ApplyHeader(PartRecord& part, const NewPartFlags& flags, const NewPartInput& input) {
    if (flags.commentTyped && input.comment.empty()) {
        // The user emptied the box on purpose: keep an empty comment rather
        // than the dated default.
        part.comment.assign("");
        part.currentBend = 0;
        part.lastBend = 0;
        return;
    }
    NewPartHeader(part, flags.commentTyped ? input.comment : std::string(), input.now);
}

}  // namespace

int ProgramCode(ProgramType type) {
    switch (type) {
    case ProgramType::GraphicProfile: return kCodeGraphicProfile;
    case ProgramType::TableProfile: return kCodeTableProfile;
    case ProgramType::NumericSequence: return kCodeNumericSequence;
    case ProgramType::None: break;
    }
    return 0;
}

NewPartResult NewPartOk(AppState& state, NewPartFlags& flags, const NewPartInput& input, NewPartPrompts& prompts) {
    NewPartResult result;
    Workspace& ws = state.workspace;

    if (!ws.hasJob() || !input.jobInUse) prompts.openNewJob();
    if (!ws.hasJob()) {
        result.outcome = NewPartOutcome::NoJob;
        return result;
    }

    result.nameProblem = CheckName(input.name);
    if (result.nameProblem != NameProblem::None) {
        result.outcome = NewPartOutcome::BadName;
        return result;
    }

    if (flags.nameTyped && PartExists(ws.jobFolder(), input.name)) {
        if (!prompts.confirmOverwrite()) {
            result.outcome = NewPartOutcome::KeptExisting;
            return result;
        }
        flags.nameTyped = false;
        DeleteFile(PartFilePath(ws.pathCustomers, ws.customer, input.name + ".pie"));
    }

    ws.part = input.name;
    ApplyHeader(state.part, flags, input);

    if (!flags.commentTyped) {
        flags.commentTyped = true;
        result.comment = state.part.comment.str();
        result.outcome = NewPartOutcome::CommentShown;
        return result;
    }

    result.code = ProgramCode(input.type);
    // A profile typed as a table is a drawn profile like any other.
    const bool drawn = input.type == ProgramType::GraphicProfile || input.type == ProgramType::TableProfile;
    state.part.graphicProfile = drawn ? 1 : 0;
    if (state.writeCurrentPart() == 0) result.failedPath = ws.partFilePath();
    result.outcome = result.code == 0 ? NewPartOutcome::NoProgramType : NewPartOutcome::Created;
    return result;
}

}  // namespace zelpor
