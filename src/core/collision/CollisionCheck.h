#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/collision/Shapes.h"
#include "core/geometry/FoldedPart.h"
#include "core/params/ParameterTable.h"
#include "core/part/PartRecord.h"
#include "core/tools/ToolRecords.h"

namespace zelpor {

// What the part runs into while a bend is made.
enum class Obstacle { None, Punch, Die, Stop, Frame };

// "poinçon", "matrice", "butée", "bâti".
const char* ObstacleName(Obstacle obstacle);

// The machine's figures that bound where the part may go, from the machine
// parameters; a figure the table does not hold bounds nothing.
struct MachineLimits {
    std::optional<double> stopTravel;   // backgauge travel behind the bend line (N° 11)
    std::optional<double> throatDepth;  // frame behind the punch above the ram (N° 15)
    std::optional<double> daylight;     // largest opening above the table (N° 16)
};

MachineLimits MachineLimitsFrom(const ParameterTable& table);

// The tools and the machine as the check sees them: outlines as regions,
// prepared once for any number of checks.
struct CollisionSetup {
    Region punch;  // clamping shoulder at y = 0, tip at y = -height
    Region die;    // top face at y = 0
    float punchHeight = 0;
    double shoulderHalfWidth = 0;  // the clamp and the ram above the punch are as wide
    float dieHeight = 0, vOpening = 0, vAngle = 0, entryRadius = 0;
    MachineLimits machine;
};

CollisionSetup PrepareCollisionSetup(const PunchRecord& punch, const DieRecord& die, const MachineLimits& machine);

// Result of checking one bend from flat to its final angle: the first
// obstacle touched and the included angle at which it happens, with the piece
// of sheet that touches it (side 0 = A, 1 = B, -1 when the stop position
// itself is impossible or the stop runs into a tool).
struct BendCheck {
    Obstacle obstacle = Obstacle::None;
    double angle = 180;
    int side = -1;
    int leg = -1;
    float stopPosition = 0;
    bool collides() const { return obstacle != Obstacle::None; }
    friend bool operator==(const BendCheck&, const BendCheck&) = default;
};

// Sweeps bend `vertex` from flat to its angle with the bends in `folded`
// folded. Poses are checked at least every 2 degrees; between two checked
// poses the sheet's largest possible movement is compared with its distance
// to every obstacle, and the interval is split until either a contact is
// found or none can happen, so no contact between checked angles is missed.
BendCheck CheckBend(const CollisionSetup& setup, const PartRecord& part, int vertex, bool pivoted, FoldedBends folded);

// Checks bends of one part with one set of tools, remembering what each
// piece of sheet touches for every state of the bends it depends on, so that
// trying many orders costs little more than trying one. The part's profile
// (lengths, angles, corrections) must not change while it is in use.
class BendChecker {
public:
    BendChecker(const CollisionSetup& setup, const PartRecord& part);
    ~BendChecker();
    BendChecker(const BendChecker&) = delete;
    BendChecker& operator=(const BendChecker&) = delete;

    BendCheck check(int vertex, bool pivoted, FoldedBends folded);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// "Collision poinçon à 62°", or the empty text when the bend is clear.
std::string CollisionText(const BendCheck& check);

}  // namespace zelpor
