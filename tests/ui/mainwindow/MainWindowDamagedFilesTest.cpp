#include <QImage>
#include <cmath>
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

TEST_F(DamagedFiles, PartOfOnlyFFBytesOpensShowsAndSaves) {
    // -1 in every index, NaN in every float, no text terminator anywhere.
    WriteAll(partPath(), std::vector<std::uint8_t>(PartRecord::kFileSize, 0xFF));
    start();
    EXPECT_TRUE(main()->isVisible());
    // A drawn profile (flag 0xFF) shows its thickness read-only: it says the
    // value is unreadable.
    EXPECT_EQ(text("Edit6"), "NAN");
    lookAtEverything();
    expectSavedBounded();
}

TEST_F(DamagedFiles, HugeIndexesAndNonNumbersInThePartAndItsTools) {
    PartRecord p = SamplePart(3);
    p.lastBend = std::numeric_limits<std::int32_t>::max();
    p.currentBend = 1000;
    p.thickness = kInf;
    p.bends[0].angle = kNaN;
    p.bends[1].opening = -kInf;
    p.profileBendCount = 25;
    p.sketchLast = -5;
    for (auto& s : p.profile) {
        s.index = 1000;
        s.length = kNaN;
    }
    writePart(p);
    writeDie("V16.DIE", kNaN, kInf, -kInf);
    writePunch("P88-67.PUN", kNaN);
    start();
    EXPECT_EQ(text("Edit4"), "INF");
    lookAtEverything();
    expectSavedBounded();
}

TEST_F(DamagedFiles, TruncatedPartKeepsWhatItHolds) {
    PartRecord p = SamplePart(2);
    auto bytes = EncodePart(p);
    bytes.resize(300);  // header and the start of the first bend only
    WriteAll(partPath(), bytes);
    start();
    EXPECT_EQ(text("Edit4"), "2.00");
    lookAtEverything();
    expectSavedBounded();
}

}  // namespace
}  // namespace zelpor::test
