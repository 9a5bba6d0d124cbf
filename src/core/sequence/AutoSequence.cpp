#include "core/sequence/AutoSequence.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <unordered_map>

#include "core/text/Numbers.h"

namespace zelpor {

ProgramCost& ProgramCost::operator+=(const ProgramCost& o) {
    collisions += o.collisions;
    pivots += o.pivots;
    shorterFlanges += o.shorterFlanges;
    stopDeviation += o.stopDeviation;
    return *this;
}

namespace {

using Clock = std::chrono::steady_clock;

// Depth-first search over the bends still flat, cheapest step first, with
// two cuts: a state of folded bends reached before at no greater cost is not
// expanded again, and a branch whose cost so far plus the least the remaining
// bends can add is no better than the best program is dropped.
class Search {
public:
    Search(const CollisionSetup& setup, const PartRecord& part, SearchLimits limits)
        : m_checker(setup, part), m_n(part.safeProfileBendCount()), m_limits(limits) {
        const auto& travel = setup.machine.stopTravel;
        for (int j = 0; j < m_n; ++j) {
            for (int q = 0; q < 2; ++q) {
                ProgramCost& c = m_fixed[static_cast<std::size_t>(j)][static_cast<std::size_t>(q)];
                c.pivots = q;
                c.shorterFlanges = FlangeB(part, j, q != 0) < FlangeA(part, j, q != 0) ? 1 : 0;
                const double stop = StopPosition(part, j, q != 0);
                if (travel && std::isfinite(stop)) c.stopDeviation = std::llround(std::fabs(stop - *travel / 2) * 100);
            }
            const auto& pair = m_fixed[static_cast<std::size_t>(j)];
            m_least[static_cast<std::size_t>(j)] = std::min(pair[0], pair[1]);
        }
        m_timed = m_n > limits.exactUpTo;
        m_deadline = Clock::now() + limits.budget;
    }

    AutoSequence run() {
        AutoSequence out;
        if (m_n <= 0) return out;
        m_path.reserve(static_cast<std::size_t>(m_n));
        visit(0, ProgramCost{});
        out.steps = m_best;
        out.cost = m_bestCost.value_or(ProgramCost{});
        out.exact = !m_stopped;
        return out;
    }

private:
    struct Child {
        ProgramCost cost;
        ProgramStep step;
    };

    ProgramCost leastRemaining(FoldedBends folded) const {
        ProgramCost c;
        for (int j = 0; j < m_n; ++j)
            if (!IsFolded(folded, j)) c += m_least[static_cast<std::size_t>(j)];
        return c;
    }

    // Beyond the exact size the search stops when its time is up, but never
    // before it has a complete program to give.
    bool timeUp() {
        if (!m_timed || m_stopped || !m_bestCost) return m_stopped;
        if (Clock::now() > m_deadline) m_stopped = true;
        return m_stopped;
    }

    void visit(FoldedBends folded, const ProgramCost& sofar) {
        if (timeUp()) return;
        if (static_cast<int>(m_path.size()) == m_n) {
            if (!m_bestCost || sofar < *m_bestCost) {
                m_bestCost = sofar;
                m_best = m_path;
            }
            return;
        }
        std::vector<Child> children;
        children.reserve(static_cast<std::size_t>(2 * m_n));
        for (int j = 0; j < m_n; ++j) {
            if (IsFolded(folded, j)) continue;
            for (int q = 0; q < 2; ++q) {
                Child c;
                c.step = {j, q != 0, check(j, q != 0, folded)};
                c.cost = m_fixed[static_cast<std::size_t>(j)][static_cast<std::size_t>(q)];
                c.cost.collisions = c.step.check.collides() ? 1 : 0;
                children.push_back(c);
            }
        }
        std::stable_sort(children.begin(), children.end(),
                         [](const Child& a, const Child& b) { return a.cost < b.cost; });
        for (const Child& c : children) {
            ProgramCost next = sofar;
            next += c.cost;
            const FoldedBends after = folded | (1u << c.step.bend);
            ProgramCost bound = next;
            bound += leastRemaining(after);
            if (m_bestCost && !(bound < *m_bestCost)) continue;
            auto [seen, fresh] = m_seen.try_emplace(after, next);
            if (!fresh) {
                if (!(next < seen->second)) continue;
                seen->second = next;
            }
            m_path.push_back(c.step);
            visit(after, next);
            m_path.pop_back();
            if (m_stopped) return;
        }
    }

    // A state of folded bends may be expanded again when a cheaper way to it
    // turns up; its steps are checked once.
    const BendCheck& check(int bend, bool pivot, FoldedBends folded) {
        const std::uint64_t key =
            static_cast<std::uint64_t>(folded) << 6 | static_cast<std::uint64_t>(bend) << 1 | (pivot ? 1u : 0u);
        auto it = m_checks.find(key);
        if (it == m_checks.end()) it = m_checks.emplace(key, m_checker.check(bend, pivot, folded)).first;
        return it->second;
    }

    BendChecker m_checker;
    std::unordered_map<std::uint64_t, BendCheck> m_checks;
    int m_n;
    SearchLimits m_limits;
    std::array<std::array<ProgramCost, 2>, kProfileEntries> m_fixed{};
    std::array<ProgramCost, kProfileEntries> m_least{};
    std::unordered_map<FoldedBends, ProgramCost> m_seen;
    std::vector<ProgramStep> m_path, m_best;
    std::optional<ProgramCost> m_bestCost;
    bool m_timed = false;
    bool m_stopped = false;
    Clock::time_point m_deadline;
};

}  // namespace

AutoSequence FindAutoSequence(const CollisionSetup& setup, const PartRecord& part, SearchLimits limits) {
    Search search(setup, part, limits);
    return search.run();
}

std::vector<ProgramStep> CheckStoredProgram(const CollisionSetup& setup, const PartRecord& part) {
    const int n = part.safeProfileBendCount();
    std::vector<int> byPosition;
    for (int j = 0; j < n; ++j)
        if (part.profile[static_cast<std::size_t>(j)].order >= 0) byPosition.push_back(j);
    std::sort(byPosition.begin(), byPosition.end(), [&](int a, int b) {
        return part.profile[static_cast<std::size_t>(a)].order < part.profile[static_cast<std::size_t>(b)].order;
    });
    BendChecker checker(setup, part);
    std::vector<ProgramStep> steps;
    for (int j : byPosition) {
        const bool pivot = part.profile[static_cast<std::size_t>(j)].pivot != 0;
        steps.push_back({j, pivot, checker.check(j, pivot, FoldedBefore(part, j))});
    }
    return steps;
}

BendCheck CheckShownBend(const CollisionSetup& setup, const PartRecord& part, int step) {
    const int n = part.safeProfileBendCount();
    if (step < 0 || step >= n) return {};
    const bool pivot = part.profile[static_cast<std::size_t>(step)].pivot != 0;
    return CheckBend(setup, part, step, pivot, FoldedBefore(part, step));
}

void ApplyProgram(SequenceProgram& program, PartRecord& part, const std::vector<ProgramStep>& steps) {
    int placed = 0;
    for (ProfileSegment& e : part.profile)
        if (e.order != -1 && &e - part.profile.data() < part.safeProfileBendCount()) {
            e.order = -1;
            ++placed;
        }
    part.lastBend = std::max(part.lastBend - placed, -1);
    program.activate({}, {});
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        while (program.step() < it->bend && program.buttons().next.enabled) program.next();
        while (program.step() > it->bend && program.buttons().previous.enabled) program.previous();
        const bool pivoted = part.profile[static_cast<std::size_t>(it->bend)].pivot != 0;
        if (pivoted != it->pivot) program.pivot();
        program.validate();
    }
}

std::string ProgramStepLine(int position, const PartRecord& part, const ProgramStep& step) {
    const float angle = part.profile[static_cast<std::size_t>(step.bend)].angle;
    std::string line = std::to_string(position + 1) + "  pli " + std::to_string(step.bend + 1) + "  angle " +
                       FormatFixed(angle, 2) + "  pivot " + (step.pivot ? "oui" : "non") + "  butée " +
                       FormatFixed(step.check.stopPosition, 2) + "  ";
    line += step.check.collides() ? CollisionText(step.check) : std::string("ok");
    return line;
}

}  // namespace zelpor
