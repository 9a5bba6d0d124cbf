#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <string>

#include "bendview/BendViewZoom.h"

namespace zelpor {
namespace {

Extent Box(float minX, float minY, float maxX, float maxY) {
    Extent e;
    e.add(minX, minY);
    e.add(maxX, maxY);
    return e;
}

// "world origin | viewport origin | world extent | viewport extent", one
// string so a whole view compares (and fails) at once.
std::string Describe(const ViewTransform& v) {
    char s[160];
    std::snprintf(s, sizeof s, "%g,%g | %d,%d | %g,%g | %g,%g", v.worldOriginX, v.worldOriginY, v.viewportOriginX,
                  v.viewportOriginY, v.worldExtentX, v.worldExtentY, v.viewportExtentX, v.viewportExtentY);
    return s;
}

// A view moved away from the defaults: the fit replaces all of it.
ViewTransform Panned() {
    ViewTransform v = InitialBendView();
    v.worldOriginX = 12, v.worldOriginY = -7, v.viewportExtentX = 2000, v.viewportExtentY = -2000;
    return v;
}

TEST(FitBendView, CentresTheVertexAndScalesWithin32Times) {
    struct Row {
        Extent extent;
        const char* view;
    };
    const Row rows[] = {
        {Box(-100, -50, 100, 80), "0,0 | 279,204 | 1000,1000 | 2487,-2487"},  // 199 / 80: the height decides
        {Box(-1000, -10, 300, 10), "0,0 | 279,204 | 3649,3649 | 1000,-1000"},  // 1000 / 274 mm per pixel
        {Box(-0.5f, -0.5f, 0.5f, 0.25f), "0,0 | 279,204 | 1000,1000 | 32000,-32000"},  // enlarged at most 32x
        {Box(-100000, -5, 100000, 5), "0,0 | 279,204 | 32000,32000 | 1000,-1000"},     // shrunk at most 32x
        {Box(-10, 0, 10, 0), "0,0 | 279,204 | 1000,1000 | 27400,-27400"},  // on the x axis: the width alone
    };
    for (const Row& row : rows) {
        ViewTransform v = Panned();
        ASSERT_TRUE(FitBendView(row.extent, 559, 408, v));
        EXPECT_EQ(Describe(v), row.view);
    }
}

}  // namespace
}  // namespace zelpor
