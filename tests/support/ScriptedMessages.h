#pragma once

#include <deque>
#include <vector>

#include "ui/common/MessageService.h"

namespace zelpor::test {

// Answers message boxes from a queue and remembers what was shown. With an
// empty queue every box is answered with its first (affirmative) button.
class ScriptedMessages final : public MessageService {
public:
    struct Shown {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    QMessageBox::StandardButton show(QWidget*, QMessageBox::Icon icon, const QString& title, const QString& text,
                                     QMessageBox::StandardButtons buttons) override {
        shown.push_back({icon, title, text, buttons});
        if (!answers.empty()) {
            auto a = answers.front();
            answers.pop_front();
            return a;
        }
        for (auto b : {QMessageBox::Ok, QMessageBox::Yes})
            if (buttons & b) return b;
        return QMessageBox::NoButton;
    }

    QString lastText() const { return shown.empty() ? QString() : shown.back().text; }

    std::deque<QMessageBox::StandardButton> answers;
    std::vector<Shown> shown;
};

}  // namespace zelpor::test
