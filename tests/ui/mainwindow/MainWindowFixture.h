#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <memory>
#include <tuple>

#include "ui/app/Application.h"
#include "core/calc/Formulas.h"
#include "ui/mainwindow/MainWindow.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"

// Readable failure messages for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace zelpor::test {

// A main window started on a job "JOB" and part "P1" in its own folder, with
// the part and tool files a test writes first.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : m_cwd(m_dir.path()) {
        std::filesystem::create_directories(m_dir.path() / "Customers" / "JOB");
        std::filesystem::create_directories(m_dir.path() / "Tools");
        m_ws = {m_dir.folder() + "Customers/", "JOB", "P1", m_dir.folder() + "Tools/"};
    }
    ~MainWindowTest() override {
        if (m_app) m_app->windows().main->close();
    }

    std::string partPath() const { return PartFilePath(m_ws.pathCustomers, m_ws.customer, m_ws.part + ".pie"); }

    // A part of `bends` bends (current = last) at thickness 2 of "Acier", each
    // with die V16 and punch P88-67, angle 120, length 1000.
    static PartRecord SamplePart(int bends) {
        PartRecord p;
        p.comment.assign("Support moteur");
        p.thickness = 2;
        p.material.assign("Acier");
        p.currentBend = p.lastBend = bends - 1;
        for (auto& b : p.bends) {
            b.length = 1000;
            b.angle = 120;
            b.punch.assign("P88-67");
            b.die.assign("V16");
            b.speed = 10;
        }
        return p;
    }

    void writeDie(const std::string& name, float v, float angle, float radius) {
        DieRecord d;
        d.version = d.versionIndex = 1;
        std::tie(d.height, d.vOpening, d.vAngle, d.entryRadius) = std::tuple(60.0f, v, angle, radius);
        WriteAll(m_ws.pathTools + name, EncodeDie(d));
    }
    void writePunch(const std::string& name, float angle) {
        PunchRecord p;
        std::tie(p.height, p.angle) = std::tuple(67.0f, angle);
        WriteAll(m_ws.pathTools + name, EncodePunch(p));
    }
    // Two punches, two dies and "Acier" at 225: 16.09 t for 1000 mm of 2 mm on a V16.
    void writeTools() {
        writePunch("P88-67.PUN", 88);
        writePunch("P30-67.PUN", 30);
        writeDie("V16.DIE", 16, 88, 2);
        writeDie("V24.DIE", 24, 88, 3);
        std::array<MaterialRecord, kMaterialRecords> table{};
        table[0].name.assign("Acier");
        table[0].coefficient = 225;
        WriteAll(m_ws.pathTools + "material.dat", EncodeMaterialTable(table));
    }

    void writePart(const PartRecord& p) { WritePart(p, m_ws.pathCustomers, m_ws.customer, m_ws.part + ".pie"); }
    void start(const PartRecord& p) {
        writePart(p);
        start();
    }
    void start() {
        SaveWorkspace(m_ws, m_dir.file("zelpor.INI"));
        m_app = std::make_unique<Application>(m_dir.file("zelpor"), "", &m_messages);
        m_app->start();
        main()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main()));
    }
    void closeWindow() {
        main()->close();
        m_app.reset();
    }

    MainWindow* main() { return m_app->windows().main; }
    AppState& state() { return m_app->state(); }
    BendRecord& bend(int i) { return state().part.bends[static_cast<std::size_t>(i)]; }
    template <typename T = QLineEdit>
    T* find(const char* name) {
        T* w = main()->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QAction* action(const char* name) { return find<QAction>(name); }
    QPushButton* button(int n) { return find<QPushButton>(("Button" + std::to_string(n)).c_str()); }
    QString text(const char* name) { return find(name)->text(); }
    QString focused() { return main()->focusWidget() ? main()->focusWidget()->objectName() : QString(); }

    void key(Qt::Key k, int times = 1) {
        for (int i = 0; i < times; ++i) QTest::keyClick(main()->focusWidget(), k);
    }
    void keys(const char* typed) { QTest::keyClicks(main()->focusWidget(), QLatin1String(typed)); }
    // Focus names met after each key.
    QStringList walk(Qt::Key k, int times) {
        QStringList path;
        for (int i = 0; i < times; ++i) {
            key(k);
            path << focused();
        }
        return path;
    }

    // Closes the next modal window with `code` as soon as it runs.
    static void AnswerModal(int code) {
        QTimer::singleShot(0, [code] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->done(code);
        });
    }

    static float FloatAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
        float f;
        std::memcpy(&f, bytes.data() + offset, 4);  // little-endian host
        return f;
    }
    static constexpr std::size_t kBendsAt = 299;

    TempDir m_dir;
    ScopedWorkingDirectory m_cwd;
    ScriptedMessages m_messages;
    Workspace m_ws;
    std::unique_ptr<Application> m_app;
};

}  // namespace zelpor::test
