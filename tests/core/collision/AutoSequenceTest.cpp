#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "core/collision/CollisionFixtures.h"
#include "core/sequence/AutoSequence.h"

namespace zelpor {
namespace {

using test::TypedProfile;
using Program = std::vector<std::pair<int, bool>>;  // bend, pivot, in the order they are made

Program Steps(const std::vector<ProgramStep>& steps) {
    Program p;
    for (const ProgramStep& s : steps) p.emplace_back(s.bend, s.pivot);
    return p;
}

// Every order and every choice of pivots, checked one by one: the programs without collision.
std::vector<Program> CollisionFreePrograms(const CollisionSetup& setup, const PartRecord& part) {
    std::vector<int> order(static_cast<std::size_t>(part.safeProfileBendCount()));
    std::iota(order.begin(), order.end(), 0);
    BendChecker checker(setup, part);
    std::vector<Program> out;
    do {
        for (unsigned pivots = 0; pivots < (1u << order.size()); ++pivots) {
            Program program;
            FoldedBends folded = 0;
            for (int bend : order) {
                const bool pivot = ((pivots >> bend) & 1u) != 0;
                if (checker.check(bend, pivot, folded).collides()) break;
                folded |= 1u << bend;
                program.emplace_back(bend, pivot);
            }
            if (program.size() == order.size()) out.push_back(program);
        }
    } while (std::next_permutation(order.begin(), order.end()));
    return out;
}

// Profiles typed as numbers with the program expected for each.
TEST(AutoSequence, KnownProfiles) {
    const PunchRecord straight = test::SamplePunchP88_67();
    const PartRecord u = TypedProfile(2, {30, 40, 30}, {90, 90}),
                     hook = TypedProfile(2, {40, 20, 60, 100}, {-90, -90, 90});
    const struct {
        const char* what;
        PartRecord part;
        PunchRecord punch;
        Program expected;
        bool collisionFree;
    } cases[] = {
        // The second flange of a U channel hits a straight punch whatever the
        // order; a gooseneck takes it when the channel is turned for its
        // first bend so that the flange bent first lies in the neck.
        {"U, straight", u, straight, {{1, false}, {0, false}}, false},
        {"U, gooseneck", u, test::GooseneckPunch(), {{1, false}, {0, true}}, true},
        {"hat", test::Hat(), straight, {{3, false}, {0, true}, {2, false}, {1, false}}, true},
        // 6 mm cannot reach the stop: the long side goes against it, which
        // needs the other bend done first.
        {"short flange", TypedProfile(2, {6, 100, 50}, {90, 90}), straight, {{1, false}, {0, false}}, true},
        // A hook whose return flange hits the die if the hook is bent last.
        {"return flange", hook, straight, {{0, true}, {2, false}, {1, false}}, false},
        {"longer than the travel", TypedProfile(2, {700, 800}, {90}), straight, {{0, false}}, false},
        // A joggle 20 mm deep on a die 50 mm wide: one flange or the other always ends in the die.
        {"no order", TypedProfile(2, {20, 20, 100}, {-90, 90}), straight, {{1, false}, {0, false}}, false},
    };
    for (const auto& k : cases) {
        const CollisionSetup setup = test::SampleSetup(k.punch);
        const AutoSequence found = FindAutoSequence(setup, k.part);
        EXPECT_EQ(Steps(found.steps), k.expected) << k.what;
        EXPECT_EQ(std::pair(found.collisionFree(), found.exact), std::pair(k.collisionFree, true)) << k.what;
        EXPECT_EQ(CollisionFreePrograms(setup, k.part).empty(), !k.collisionFree) << k.what;
    }
    // Of all the hat's programs without collision, none starts with a wall.
    for (const Program& p : CollisionFreePrograms(test::SampleSetup(), test::Hat()))
        EXPECT_TRUE(p[0].first % 3 == 0 && p[1].first % 3 == 0) << p[0].first << " " << p[1].first;
}

// Beyond the exact size the search gives the best program it found in its time, never none.
TEST(AutoSequence, TimedSearchGivesAProgram) {
    const PartRecord part = TypedProfile(2, {30, 40, 50, 60, 70, 60, 50, 40}, {90, -90, 90, -90, 90, -90, 90});
    const AutoSequence found =
        FindAutoSequence(test::SampleSetup(), part, {.exactUpTo = 2, .budget = std::chrono::milliseconds(0)});
    EXPECT_FALSE(found.exact);
    std::vector<int> bends;
    for (const ProgramStep& s : found.steps) bends.push_back(s.bend);
    std::sort(bends.begin(), bends.end());
    EXPECT_EQ(bends, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
}

}  // namespace
}  // namespace zelpor
