#include "cli/CommandLine.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <ostream>
#include <vector>

#include "core/io/SafeSave.h"

namespace zelpor::cli {

bool Arguments::has(std::string_view flag) const { return std::find(flags.begin(), flags.end(), flag) != flags.end(); }

std::optional<std::string> Arguments::value(std::string_view name) const {
    for (const auto& [key, v] : values)
        if (key == name) return v;
    return std::nullopt;
}

namespace {

constexpr std::string_view kProgram = "zelpor";

const Mode* FindMode(std::string_view name) {
    for (const Mode& mode : Modes())
        if (mode.name == name) return &mode;
    return nullptr;
}

const OptionSpec* FindOption(const Mode& mode, std::string_view name) {
    for (const OptionSpec& option : mode.options)
        if (option.name == name) return &option;
    return nullptr;
}

// Laid out the way help2man reads it (the manual page is made from this
// text): every mode and option on one line, its description after two blanks.
void PrintHelp(std::ostream& out) {
    const auto item = [&out](std::string_view indent, const std::string& tag, std::string_view text) {
        const std::size_t width = 26;
        const std::size_t used = indent.size() + tag.size();
        out << indent << tag << std::string(used + 2 <= width ? width - used : 2, ' ') << text << '\n';
    };
    out << "Usage: " << kProgram << '\n'
        << "  or:  " << kProgram << " --MODE FILE [OPTION]...\n"
        << "Starts the window of Zelpor_2, which prepares the bending of sheet-metal parts\n"
        << "on a hydraulic press brake; with a batch mode, works without a display.\n\n"
        << "Batch modes:\n";
    for (const Mode& mode : Modes()) {
        item("  ", "--" + std::string(mode.name) + ' ' + std::string(mode.operand), mode.summary);
        for (const OptionSpec& option : mode.options) {
            std::string flag =
                option.name.size() == 1 ? "-" + std::string(option.name) : "--" + std::string(option.name);
            if (!option.valueName.empty()) flag += ' ' + std::string(option.valueName);
            item("      ", flag, option.help);
        }
    }
    out << "\nOther options:\n";
    item("  ", "--help", "show this help and exit");
    item("  ", "--version", "show the version and exit");
    out << "\nExit status: 0 on success, 2 on bad input (a missing or damaged file, a wrong\n"
        << "option, an output file that cannot be written), 3 when a sequence search finds\n"
        << "no order without collision. An output file is written whole or not at all.\n";
}

// "--name=value", "--name value", "-o value", "-oVALUE".
int Parse(const Mode& mode, int argc, const char* const* argv, Arguments& args, std::ostream& err) {
    for (int i = 2; i < argc; ++i) {
        std::string_view word = argv[i];
        if (word.size() > 1 && word[0] == '-') {
            std::string name;
            std::optional<std::string> inlineValue;
            if (word.starts_with("--")) {
                name = word.substr(2);
                if (auto eq = name.find('='); eq != std::string::npos) {
                    inlineValue = name.substr(eq + 1);
                    name.resize(eq);
                }
            } else {
                name = word.substr(1, 1);
                if (word.size() > 2) inlineValue = std::string(word.substr(2));
            }
            const OptionSpec* option = FindOption(mode, name);
            if (option == nullptr) {
                err << kProgram << ": --" << mode.name << ": unknown option '" << word << "'\n";
                return kBadInput;
            }
            if (option->valueName.empty()) {
                if (inlineValue) {
                    err << kProgram << ": option '" << name << "' takes no value\n";
                    return kBadInput;
                }
                args.flags.emplace_back(name);
                continue;
            }
            if (!inlineValue) {
                if (i + 1 >= argc) {
                    err << kProgram << ": option '" << word << "' needs a value (" << option->valueName << ")\n";
                    return kBadInput;
                }
                inlineValue = argv[++i];
            }
            args.values.emplace_back(name, *inlineValue);
        } else {
            args.files.emplace_back(word);
        }
    }
    return kOk;
}

}  // namespace

namespace {

bool IsModeWord(std::string_view word) {
    return word == "--help" || word == "-h" || word == "--version" ||
           (word.starts_with("--") && FindMode(word.substr(2, word.find('=') - 2)) != nullptr);
}

// GNU style: the mode may follow its options ("-o out.csv --export-csv P.pie");
// it is taken to the front, where the parser expects it.
std::vector<const char*> ModeFirst(int argc, const char* const* argv) {
    std::vector<const char*> words(argv, argv + argc);
    const auto mode = std::find_if(words.begin() + std::min(argc, 1), words.end(), IsModeWord);
    if (mode != words.end()) std::rotate(words.begin() + 1, mode, mode + 1);
    return words;
}

}  // namespace

bool IsBatchInvocation(int argc, const char* const* argv) {
    // Qt's own options have one dash ("-platform offscreen"); every "--" word
    // and "-o" are ours.
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word.starts_with("--") || word == "-h" || word.starts_with("-o")) return true;
    }
    return false;
}

int RunBatch(int argc, const char* const* givenArgv, std::ostream& out, std::ostream& err) {
    const std::vector<const char*> ordered = ModeFirst(argc, givenArgv);
    const char* const* argv = ordered.data();
    std::string_view first = argc > 1 ? argv[1] : "";
    if (!IsModeWord(first) && !first.starts_with("--")) {
        err << kProgram << ": no mode given (see '" << kProgram << " --help')\n";
        return kBadInput;
    }
    if (first == "--help" || first == "-h") {
        PrintHelp(out);
        return kOk;
    }
    if (first == "--version") {
        out << kProgram << " (Zelpor_2) " << ZELPOR_VERSION << '\n';
        return kOk;
    }
    first.remove_prefix(2);
    Arguments args;
    if (auto eq = first.find('='); eq != std::string_view::npos) {
        args.files.emplace_back(first.substr(eq + 1));
        first = first.substr(0, eq);
    }
    const Mode* mode = FindMode(first);
    if (mode == nullptr) {
        err << kProgram << ": unknown option '--" << first << "' (see '" << kProgram << " --help')\n";
        return kBadInput;
    }
    if (const int code = Parse(*mode, argc, argv, args, err); code != kOk) return code;
    if (args.files.size() != 1) {
        err << kProgram << ": --" << mode->name << " takes one " << mode->operand << " (see '" << kProgram
            << " --help')\n";
        return kBadInput;
    }
    return mode->run(args, out, err);
}

bool WriteResult(const Arguments& args, std::string_view bytes, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> path = args.value("o");
    if (!path) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        return static_cast<bool>(out);
    }
    // The whole result replaces the old output only once it is complete: a
    // failure leaves the old file as it was and no partial file.
    const auto saved = ReplaceFile(*path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    if (!saved) {
        err << kProgram << ": cannot write '" << *path << "'";
        if (!saved.failure().reason.empty()) err << ": " << saved.failure().reason;
        err << "\n";
        return false;
    }
    return true;
}

}  // namespace zelpor::cli
