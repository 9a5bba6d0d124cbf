#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "ui/common/WindowSet.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/NewCustomDialog.h"
#include "ui/dialogs/NewPartDialog.h"
#include "ui/dialogs/SelectCustomDialog.h"
#include "ui/dialogs/SelectPartDialog.h"
#include "support/ScriptedMessages.h"
#include "support/TempDir.h"
#include "core/workspace/AppState.h"

namespace zelpor::test {

// The five dialogs over an AppState whose jobs root is a fresh temporary folder.
struct DialogFixture : ::testing::Test {
    DialogFixture() {
        root = dir.path() / "Customers";
        std::filesystem::create_directory(root);
        state.workspace.pathCustomers = (root / "").string();
        state.workspace.pathTools = dir.folder();
        build(newCustom, windows.newCustom);
        build(newPart, windows.newPart);
        build(selectCustom, windows.selectCustom);
        build(selectPart, windows.selectPart);
        build(about, windows.about);
    }
    template <typename T>
    void build(std::unique_ptr<T>& owner, BuiltOnFirstUse<T>& slot) {
        owner = std::make_unique<T>(state, windows, messages);
        slot = owner.get();
    }

    std::string partPath(const std::string& job, const std::string& part) const {
        return (root / job / (part + ".pie")).string();
    }
    void makeJob(const std::string& job) { std::filesystem::create_directories(root / job); }

    template <typename T>
    static T* child(QWidget* w, const char* name) {
        return w->findChild<T*>(QLatin1StringView(name));
    }
    static QString label(QWidget* w, const char* name) { return child<QLabel>(w, name)->text(); }

    // Shows a dialog as the active window, as it is for the user: keys that
    // move between buttons look at the application's focus.
    static void showActive(QDialog* dialog) {
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    }

    // Runs `dialog.exec()` as the program does, with `steps` typed into the
    // running modal loop. A dialog still open after the steps is closed with
    // -1 so a failing test cannot hang.
    static int execWith(QDialog& dialog, const std::function<void()>& steps) {
        QTimer::singleShot(0, &dialog, [&dialog, steps] {
            steps();
            if (dialog.isVisible()) dialog.done(-1);
        });
        return dialog.exec();
    }

    TempDir dir;
    std::filesystem::path root;
    AppState state;
    WindowSet windows;
    ScriptedMessages messages;
    std::unique_ptr<NewCustomDialog> newCustom;
    std::unique_ptr<NewPartDialog> newPart;
    std::unique_ptr<SelectCustomDialog> selectCustom;
    std::unique_ptr<SelectPartDialog> selectPart;
    std::unique_ptr<AboutBox> about;
};

}  // namespace zelpor::test
