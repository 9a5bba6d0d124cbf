#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace zelpor {

// Message boxes go through this interface so that GUI tests can answer them
// without running a real modal loop.
class MessageService {
public:
    virtual ~MessageService() = default;
    virtual QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                             const QString& text, QMessageBox::StandardButtons buttons) = 0;

    void warn(QWidget* parent, const QString& text, const QString& title = {}) {
        show(parent, QMessageBox::Warning, title, text, QMessageBox::Ok);
    }
    bool ask(QWidget* parent, const QString& text, const QString& title = {}) {
        return show(parent, QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
};

// The real thing: a modal QMessageBox.
class DialogMessageService final : public MessageService {
public:
    QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                                     QMessageBox::StandardButtons buttons) override;
};

}  // namespace zelpor
