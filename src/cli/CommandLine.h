#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Batch modes: the program run from a script or another program, without a
// window. GNU-style options; results on standard output or in the -o file;
// errors on standard error; never a partial output file.
namespace zelpor::cli {

enum ExitCode : int { kOk = 0, kFailure = 1, kBadInput = 2, kNoSolution = 3 };

// What a mode was given once the command line is parsed: the files named
// after the mode option and the values of its own options.
struct Arguments {
    std::vector<std::string> files;
    std::vector<std::pair<std::string, std::string>> values;  // "tools" -> "DIR", "o" -> "OUT.pdf"
    std::vector<std::string> flags;                           // "apply", "check"

    bool has(std::string_view flag) const;
    std::optional<std::string> value(std::string_view name) const;
};

struct OptionSpec {
    std::string_view name;       // without dashes; one letter is a short option ("o" for -o)
    std::string_view valueName;  // "DIR"; empty for a flag
    std::string_view help;
};

struct Mode {
    std::string_view name;     // invoked as --name
    std::string_view operand;  // "PART.pie"
    std::string_view summary;  // one line for --help
    std::vector<OptionSpec> options;
    int (*run)(const Arguments& args, std::ostream& out, std::ostream& err);
};

// Every batch mode of the program, in the order --help lists them.
const std::vector<Mode>& Modes();

// True when the first argument names a batch mode, --help or --version: the
// program then runs without a display.
bool IsBatchInvocation(int argc, const char* const* argv);

// Parses and runs; returns the exit code.
int RunBatch(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// Writes a mode's result: to the -o file when one is named (complete or not
// at all: a failure leaves no file and no partial file), else to `out`.
// Reports a failure on `err` and returns false.
bool WriteResult(const Arguments& args, std::string_view bytes, std::ostream& out, std::ostream& err);

}  // namespace zelpor::cli
