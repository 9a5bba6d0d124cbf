#pragma once

#include <string>
#include <utility>
#include <variant>

namespace zelpor {

enum class FileError {
    None,
    NotFound,
    NotWritable,
    ReadFailed,
    WriteFailed,
    NotAFolder,
    OutOfMemory,  // the save could not get the little memory it needs
    TooLarge,     // a file saved in place is too large to keep a copy of for the rollback
};

// What went wrong with a file: the code a caller acts on, the path the user
// is shown, and the system's own reason when it gave one.
struct FileFailure {
    FileError code = FileError::WriteFailed;
    std::string path;
    std::string reason;
};

// The result of an operation that succeeded without a value to hand back.
struct Done {};

// The value of a file operation, or why there is none. It reads like an
// optional (`if (!bytes)`, `*bytes`), so callers that only want the
// documented silent default stay as short as they were.
template <class T = Done>
class Result {
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    Result(FileFailure failure) : m_state(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& operator*() { return std::get<0>(m_state); }
    const T& operator*() const { return std::get<0>(m_state); }
    T* operator->() { return &std::get<0>(m_state); }
    const T* operator->() const { return &std::get<0>(m_state); }

    FileError code() const { return ok() ? FileError::None : std::get<1>(m_state).code; }
    // Only for a result that is not ok().
    const FileFailure& failure() const { return std::get<1>(m_state); }

private:
    std::variant<T, FileFailure> m_state;
};

inline FileFailure Failure(FileError code, std::string path, std::string reason = {}) {
    return FileFailure{code, std::move(path), std::move(reason)};
}

}  // namespace zelpor
