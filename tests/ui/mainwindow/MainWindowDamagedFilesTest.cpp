#include <QImage>
#include <cmath>
#include <functional>
#include <limits>

#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

using DamagedFiles = MainWindowTest;

// Every damaged part opens, shows what it can and is saved back bounded.
TEST_F(DamagedFiles, PartsAndToolsOpenShowAndSave) {
    PartRecord huge = SamplePart(3);
    huge.lastBend = std::numeric_limits<std::int32_t>::max();
    huge.currentBend = 1000;
    huge.thickness = kInf;
    huge.bends[0].angle = kNaN;
    huge.bends[1].opening = -kInf;
    huge.profileBendCount = 25;
    huge.sketchLast = -5;
    for (auto& s : huge.profile) {
        s.index = 1000;
        s.length = kNaN;
    }
    auto truncated = EncodePart(SamplePart(2));
    truncated.resize(300);  // header and the start of the first bend only
    const struct {
        const char* what;
        std::function<void()> write;
        const char* field;
        const char* shown;
    } rows[] = {
        // -1 in every index, NaN in every float, no text terminator anywhere. A
        // drawn profile (flag 0xFF) shows its thickness read-only: unreadable.
        {"all FF", [&] { WriteAll(partPath(), std::vector<std::uint8_t>(PartRecord::kFileSize, 0xFF)); }, "Edit6",
         "NAN"},
        {"truncated", [&] { WriteAll(partPath(), truncated); }, "Edit4", "2.00"},
        {"huge indexes, non-numbers in part and tools",
         [&] {
             writePart(huge);
             writeDie("V16.DIE", kNaN, kInf, -kInf);
             writePunch("P88-67.PUN", kNaN);
         },
         "Edit4", "INF"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        r.write();
        start();
        EXPECT_EQ(text(r.field), r.shown);
        // Every path a damaged value can reach on screen: the bend, its
        // drawing, paging through the bends, the rendered window.
        key(Qt::Key_Down);
        key(Qt::Key_F8);
        key(Qt::Key_PageDown, 3);
        key(Qt::Key_F8);
        key(Qt::Key_PageUp, 3);
        EXPECT_FALSE(main()->grab().toImage().isNull());
        // Saved as a full record whose indexes are written back bounded, not as read.
        closeWindow();
        const auto bytes = ReadAll(partPath());
        ASSERT_EQ(bytes.size(), PartRecord::kFileSize);
        PartRecord saved;
        DecodePart(saved, bytes);
        std::int32_t raw[2];
        std::memcpy(raw, bytes.data() + 290, 8);
        EXPECT_EQ(raw[0], saved.currentBend);
        EXPECT_EQ(raw[1], saved.lastBend);
        EXPECT_GE(saved.lastBend, -1);
        EXPECT_LT(saved.lastBend, kMaxBends);
    }
}

}  // namespace
}  // namespace zelpor::test
