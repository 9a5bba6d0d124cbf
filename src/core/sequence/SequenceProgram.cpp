#include "core/sequence/SequenceProgram.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "core/text/Numbers.h"

namespace zelpor {

double ComputeSequenceCorrection(float angle, float vOpening, float thickness) {
    const double a = std::fabs(static_cast<double>(angle));
    const double theta = (180 - a) * 0.017453292519943295;
    const double A = 0.1765 * vOpening + 0.2339 * thickness;
    const double B = 0.1639 * vOpening + 0.9859 * thickness;
    // Sharp bends (under 90) take no tangent factor.
    if (a >= 90) return A * theta - 2 * B * std::tan(theta / 2);
    return A * theta - 2 * B;
}

void ComputeSequenceCorrections(PartRecord& part, float vOpening) {
    const int n = part.safeProfileBendCount();
    for (int k = 0; k < n; ++k) {
        ProfileSegment& e = part.profile[static_cast<std::size_t>(k)];
        e.correction = static_cast<float>(ComputeSequenceCorrection(e.angle, vOpening, part.thickness));
    }
}

void ComputeFreshCorrections(PartRecord& part, float vOpening) {
    const int n = part.safeProfileBendCount();
    for (int k = 0; k < n; ++k) {
        ProfileSegment& e = part.profile[static_cast<std::size_t>(k)];
        if (e.correction == 0 && std::fabs(e.angle) != 180)
            e.correction = static_cast<float>(ComputeSequenceCorrection(e.angle, vOpening, part.thickness));
    }
}

double DevelopedLength(const PartRecord& part) {
    const int n = part.safeProfileBendCount();
    double total = 0;
    for (int k = 0; k < n; ++k) {
        const ProfileSegment& e = part.profile[static_cast<std::size_t>(k)];
        total += static_cast<double>(e.length) + static_cast<double>(e.correction);
    }
    return total + part.profile[static_cast<std::size_t>(n)].length;
}

std::string DevelopedLengthText(double length) { return "Longueur développée: " + FormatFixed(length, 2) + "mm"; }

std::string SequenceCaption(const std::string& partName) { return "Zelpor2     Sequence -> " + partName; }

bool ValidateBend(PartRecord& part, int step, const std::string& dieName, const std::string& punchName) {
    const int n = part.safeProfileBendCount();
    if (step < 0 || step >= n) return false;
    ProfileSegment& bend = part.profile[static_cast<std::size_t>(step)];
    if (bend.order != -1) return false;
    if (part.lastBend >= kMaxBends - 1) return false;

    part.lastBend = std::max(part.lastBend, -1) + 1;
    bend.order = 0;

    // Every bend already in the program moves one place later, with its bend
    // record. Moving the highest position first keeps each record's data.
    std::vector<int> moving;
    for (int i = 0; i < n; ++i)
        if (i != step && part.profile[static_cast<std::size_t>(i)].order != -1) moving.push_back(i);
    std::sort(moving.begin(), moving.end(), [&](int a, int b) {
        return part.profile[static_cast<std::size_t>(a)].order > part.profile[static_cast<std::size_t>(b)].order;
    });
    for (int i : moving) {
        std::int32_t& order = part.profile[static_cast<std::size_t>(i)].order;
        const std::int32_t old = order;
        if (old == INT_MAX) continue;
        order = old + 1;
        // Positions from a damaged file may lie outside the bend list: their
        // order moves, but no record outside the 25 slots is touched.
        if (old >= 0 && old + 1 < kMaxBends)
            part.bends[static_cast<std::size_t>(old + 1)] = part.bends[static_cast<std::size_t>(old)];
    }

    part.currentBend = 0;
    BendRecord& first = part.bends[0];
    SetBendDie(part, dieName, 0);
    SetBendPunch(part, punchName, 0);
    first.angle = bend.angle;
    first.opening = 10;
    return true;
}

SequenceProgram::SequenceProgram(PartRecord& part, TPoincon& punch, TMatrice& die, int areaWidth, int areaHeight)
    : m_part(part), m_punch(punch), m_die(die), m_width(areaWidth), m_height(areaHeight) {
    m_scene.view = SequenceStartView(m_width, m_height);
}

void SequenceProgram::activate(const ToolChooser& chooseDie, const ToolChooser& choosePunch) {
    m_step = 0;
    m_history.clear();
    m_buttons.undo = {true, false};
    // Only "Angle suivant" and the bend's own buttons are set again; the
    // others stay as the previous opening left them ("Angle précedant" does
    // nothing at the first bend but disable itself).
    if (bendCount() - 1 > 0) m_buttons.next = {true, true};
    updateBendButtons();
    m_scene.view = SequenceStartView(m_width, m_height);

    if (m_die.record.elementCount() == 0) {
        m_die.selectionRequest = true;
        if (chooseDie) chooseDie();
        // The stored corrections belong to the die they were computed with;
        // a newly chosen die gets its own.
        ComputeSequenceCorrections(m_part, m_die.record.vOpening);
    } else {
        // Corrections stored by an earlier sequence stand; bends the drawing
        // window has just made have none yet and get them from the die in use.
        ComputeFreshCorrections(m_part, m_die.record.vOpening);
    }
    if (m_punch.record.elementCount() == 0) {
        m_punch.selectionRequest = true;
        if (choosePunch) choosePunch();
    }
    rebuild();
    m_status = DevelopedLengthText(DevelopedLength(m_part));
}

void SequenceProgram::updateBendButtons() {
    // A profile without bends still offers both buttons on its only segment;
    // validating there changes nothing, since the last segment is no bend.
    if (!placed(m_step)) {
        m_buttons.pivot = {true, true};
        // The last free bend record is the limit of the program.
        m_buttons.validate = {true, m_part.lastBend < kMaxBends - 1};
    } else {
        m_buttons.validate.enabled = false;
        m_buttons.pivot.enabled = false;
    }
}

void SequenceProgram::validate() {
    if (!m_buttons.validate.visible || !m_buttons.validate.enabled) return;
    m_history.record(m_part, m_step);
    if (!ValidateBend(m_part, m_step, m_die.name, m_punch.name)) {
        m_history.undo(m_part);  // nothing was changed: the record goes again
        return;
    }
    m_buttons.undo = {true, true};
    m_buttons.validate.enabled = false;
    m_buttons.pivot.enabled = false;
    rebuild();
}

void SequenceProgram::undoValidation() {
    if (!m_buttons.undo.visible || !m_buttons.undo.enabled) return;
    const int step = m_history.undo(m_part);
    m_buttons.undo.enabled = !m_history.empty();
    if (step < 0) return;
    // The bend whose validation was taken back is shown, ready to be validated again.
    m_step = step;
    rebuild();
    updateBendButtons();
    updateMoveButtons();
}

void SequenceProgram::updateMoveButtons() {
    const int n = bendCount();
    if (m_step > 0) m_buttons.previous = {true, true};
    else m_buttons.previous.enabled = false;
    if (m_step < n - 1) m_buttons.next = {true, true};
    else m_buttons.next.enabled = false;
}

void SequenceProgram::pivot() {
    if (!m_buttons.pivot.visible || !m_buttons.pivot.enabled) return;
    std::uint8_t& flag = m_part.profile[static_cast<std::size_t>(m_step)].pivot;
    flag = flag == 0 ? 1 : 0;
    rebuild();
}

void SequenceProgram::next() {
    if (!m_buttons.next.visible || !m_buttons.next.enabled) return;
    const int n = bendCount();
    if (m_step < n - 1) {
        ++m_step;
        rebuild();
    }
    updateBendButtons();
    if (m_step > 0) m_buttons.previous = {true, true};
    if (m_step >= n - 1) m_buttons.next.enabled = false;
}

void SequenceProgram::previous() {
    if (!m_buttons.previous.visible || !m_buttons.previous.enabled) return;
    const int n = bendCount();
    if (m_step > 0) {
        --m_step;
        rebuild();
    }
    updateBendButtons();
    if (m_step <= 0) m_buttons.previous.enabled = false;
    if (m_step < n) m_buttons.next = {true, true};
}

void SequenceProgram::rebuild() {
    m_scene = BuildSequenceScene(m_part, m_punch.record, m_die.record, m_step, m_width, m_height, m_scene.punchDepth,
                                 m_scene.view);
    if (m_scene.status) m_status = *m_scene.status;
}

}  // namespace zelpor
