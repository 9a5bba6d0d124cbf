#pragma once

#include <QString>
#include <string>

namespace zelpor {

// Record texts are single-byte Latin-1; the conversion happens here only.
inline QString FromLatin1(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::string ToLatin1(const QString& s) { return s.toLatin1().toStdString(); }

// Workspace values and paths are file-system names (UTF-8).
inline QString FromLocal(const std::string& s) { return QString::fromStdString(s); }
inline std::string ToLocal(const QString& s) { return s.toStdString(); }

}  // namespace zelpor
