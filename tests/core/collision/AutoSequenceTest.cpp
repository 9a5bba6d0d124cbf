#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/collision/CollisionFixtures.h"
#include "sequence/AutoSequence.h"

namespace zelpor {
namespace {

using test::TypedProfile;
using Program = std::vector<std::pair<int, bool>>;  // bend, pivot, in the order they are made

Program Steps(const AutoSequence& a) {
    Program p;
    for (const ProgramStep& s : a.steps) p.emplace_back(s.bend, s.pivot);
    return p;
}

// Every order and every choice of pivots, weighed one by one: the least
// cost any program reaches, and the programs without collision.
struct Exhaustive {
    ProgramCost best;
    std::vector<Program> collisionFree;
};

Exhaustive WeighAll(const CollisionSetup& setup, const PartRecord& part) {
    const int n = part.safeProfileBendCount();
    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    Exhaustive out;
    BendChecker checker(setup, part);
    bool first = true;
    do {
        for (unsigned pivots = 0; pivots < (1u << n); ++pivots) {
            ProgramCost cost;
            Program program;
            FoldedBends folded = 0;
            for (int bend : order) {
                const bool pivot = ((pivots >> bend) & 1u) != 0;
                cost.collisions += checker.check(bend, pivot, folded).collides() ? 1 : 0;
                cost.pivots += pivot ? 1 : 0;
                cost.shorterFlanges += FlangeB(part, bend, pivot) < FlangeA(part, bend, pivot) ? 1 : 0;
                cost.stopDeviation +=
                    std::llround(std::fabs(StopPosition(part, bend, pivot) - *setup.machine.stopTravel / 2) * 100);
                folded |= 1u << bend;
                program.emplace_back(bend, pivot);
            }
            if (first || cost < out.best) out.best = cost;
            first = false;
            if (cost.collisions == 0) out.collisionFree.push_back(program);
        }
    } while (std::next_permutation(order.begin(), order.end()));
    return out;
}

struct Known {
    const char* what;
    PartRecord part;
    PunchRecord punch;
    Program expected;
    bool collisionFree;
};

// Profiles typed as numbers with the program expected for each: the best by
// the rules, as weighing every program confirms.
TEST(AutoSequence, KnownProfiles) {
    const PunchRecord straight = test::SamplePunchP88_67();
    const Known cases[] = {
        // The second flange of a U channel hits a straight punch whatever the
        // order; a gooseneck takes it when the channel is turned for its
        // first bend so that the flange bent first lies in the neck.
        {"U channel, straight punch", TypedProfile(2, {30, 40, 30}, {90, 90}), straight, {{1, false}, {0, false}},
         false},
        {"U channel, gooseneck", TypedProfile(2, {30, 40, 30}, {90, 90}), test::GooseneckPunch(),
         {{1, false}, {0, true}}, true},
        // A hat: the brims first, then the walls.
        {"hat", test::Hat(), straight,
         {{3, false}, {0, true}, {2, false}, {1, false}}, true},
        // 6 mm cannot reach the stop: the long side goes against it, which
        // needs the other bend done first.
        {"short flange", TypedProfile(2, {6, 100, 50}, {90, 90}), straight, {{1, false}, {0, false}}, true},
        // A hook whose return flange hits the die if the hook is bent last.
        {"return flange", TypedProfile(2, {40, 20, 60, 100}, {-90, -90, 90}), straight,
         {{0, true}, {2, false}, {1, false}}, false},
        {"longer than the travel", TypedProfile(2, {700, 800}, {90}), straight, {{0, false}}, false},
        // A joggle 20 mm deep on a die 50 mm wide: one flange or the other
        // always ends in the die.
        {"no order", TypedProfile(2, {20, 20, 100}, {-90, 90}), straight, {{1, false}, {0, false}}, false},
    };
    for (const Known& k : cases) {
        const CollisionSetup setup = PrepareCollisionSetup(k.punch, test::SampleDieV16(), test::SampleMachine());
        const AutoSequence found = FindAutoSequence(setup, k.part);
        EXPECT_EQ(Steps(found), k.expected) << k.what;
        EXPECT_EQ(found.collisionFree(), k.collisionFree) << k.what;
        EXPECT_TRUE(found.exact) << k.what;
        const Exhaustive all = WeighAll(setup, k.part);
        EXPECT_EQ(found.cost, all.best) << k.what;
        EXPECT_EQ(all.collisionFree.empty(), !k.collisionFree) << k.what;
    }
}

// Of all the hat's programs without collision, none starts with a wall.
TEST(AutoSequence, HatOnlyWithItsBrimsFirst) {
    const CollisionSetup setup =
        PrepareCollisionSetup(test::SamplePunchP88_67(), test::SampleDieV16(), test::SampleMachine());
    const Exhaustive all = WeighAll(setup, test::Hat());
    ASSERT_FALSE(all.collisionFree.empty());
    for (const Program& p : all.collisionFree) {
        const bool brim0 = p[0].first == 0 || p[0].first == 3, brim1 = p[1].first == 0 || p[1].first == 3;
        EXPECT_TRUE(brim0 && brim1) << p[0].first << " " << p[1].first;
    }
}

// Stored through the window's own operations, the program gives the part
// the same bytes as the operator validating it by hand: the last bend of the
// program first, each pivoted before it is validated.
TEST(AutoSequence, StoredLikeValidationsByHand) {
    const CollisionSetup setup =
        PrepareCollisionSetup(test::SamplePunchP88_67(), test::SampleDieV16(), test::SampleMachine());
    const AutoSequence found = FindAutoSequence(setup, test::Hat());
    TPoincon punch;
    punch.name = "P88-67";
    punch.record = test::SamplePunchP88_67();
    TMatrice die;
    die.name = "V16";
    die.record = test::SampleDieV16();
    PartRecord automatic = test::Hat();
    automatic.profile[1].order = 0;  // a program begun earlier is replaced
    automatic.lastBend = 0;
    SequenceProgram program(automatic, punch, die);
    ApplyProgram(program, automatic, found.steps);
    const PartRecord byHand = test::HatValidatedByHand();
    EXPECT_EQ(EncodePart(automatic), EncodePart(byHand));
    EXPECT_EQ(CheckStoredProgram(setup, byHand), found.steps);
}

// Beyond the exact size the search gives the best program it found in its
// time, never none.
TEST(AutoSequence, TimedSearchGivesAProgram) {
    const CollisionSetup setup =
        PrepareCollisionSetup(test::SamplePunchP88_67(), test::SampleDieV16(), test::SampleMachine());
    const PartRecord part = TypedProfile(2, {30, 40, 50, 60, 70, 60, 50, 40}, {90, -90, 90, -90, 90, -90, 90});
    const AutoSequence found = FindAutoSequence(setup, part, {.exactUpTo = 2, .budget = std::chrono::milliseconds(0)});
    EXPECT_FALSE(found.exact);
    ASSERT_EQ(found.steps.size(), 7u);
    std::vector<int> bends;
    for (const ProgramStep& s : found.steps) bends.push_back(s.bend);
    std::sort(bends.begin(), bends.end());
    EXPECT_EQ(bends, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
}

}  // namespace
}  // namespace zelpor
