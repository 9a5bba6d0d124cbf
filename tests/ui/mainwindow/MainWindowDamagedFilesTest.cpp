#include <QImage>
#include <cmath>
#include <functional>
#include <limits>

#include "ui/mainwindow/MainWindowFixture.h"

namespace zelpor::test {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

class DamagedFiles : public MainWindowTest {
protected:
    // Walks to the bend, shows its drawing, pages through the bends and
    // renders the window: every path a damaged value can reach on screen.
    void lookAtEverything() {
        key(Qt::Key_Down);
        key(Qt::Key_F8);
        EXPECT_EQ(main()->viewMode(), ViewMode::Graphic);
        for (int i = 0; i < 3; ++i) key(Qt::Key_PageDown);
        const QImage shot = main()->grab().toImage();
        EXPECT_FALSE(shot.isNull());
        key(Qt::Key_F8);
        for (int i = 0; i < 3; ++i) key(Qt::Key_PageUp);
        EXPECT_FALSE(main()->grab().toImage().isNull());
    }
    // After closing, the part file is a full record whose indexes are sane.
    void expectSavedBounded() {
        closeWindow();
        const auto bytes = ReadAll(partPath());
        ASSERT_EQ(bytes.size(), PartRecord::kFileSize);
        PartRecord saved;
        DecodePart(saved, bytes);
        const auto raw = [&](std::size_t at) {
            std::int32_t v;
            std::memcpy(&v, bytes.data() + at, 4);
            return v;
        };
        EXPECT_EQ(raw(290), saved.currentBend);  // written back bounded, not as read
        EXPECT_EQ(raw(294), saved.lastBend);
        EXPECT_GE(saved.lastBend, -1);
        EXPECT_LT(saved.lastBend, kMaxBends);
    }
};

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
    const struct { const char* what; std::function<void()> write; const char* field; const char* shown; } rows[] = {
        // -1 in every index, NaN in every float, no text terminator anywhere. A
        // drawn profile (flag 0xFF) shows its thickness read-only: unreadable.
        {"all FF", [&] { WriteAll(partPath(), std::vector<std::uint8_t>(PartRecord::kFileSize, 0xFF)); }, "Edit6", "NAN"},
        {"truncated", [&] { WriteAll(partPath(), truncated); }, "Edit4", "2.00"},
        {"huge indexes, non-numbers in part and tools", [&] {
             writePart(huge);
             writeDie("V16.DIE", kNaN, kInf, -kInf);
             writePunch("P88-67.PUN", kNaN);
         }, "Edit4", "INF"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        r.write();
        start();
        EXPECT_EQ(text(r.field), r.shown);
        lookAtEverything();
        expectSavedBounded();
    }
}

}  // namespace
}  // namespace zelpor::test
