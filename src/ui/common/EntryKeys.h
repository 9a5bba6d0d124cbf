#pragma once

#include <QKeyEvent>

#include <optional>

namespace zelpor {

// The character a key types into a number entry: '\b' for Backspace, the
// character itself when it is ASCII, '\x7f' for any other printable one (the
// entry rules refuse it). Nothing for caret keys, Delete and the shortcuts
// (copy, paste), which the line edit handles itself.
inline std::optional<char> EntryCharOf(const QKeyEvent* event) {
    if (event->key() == Qt::Key_Backspace) return '\b';
    const QString text = event->text();
    if (text.size() != 1 || !text[0].isPrint()) return std::nullopt;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return std::nullopt;
    return text[0].unicode() < 0x80 ? static_cast<char>(text[0].unicode()) : '\x7f';
}

}  // namespace zelpor
