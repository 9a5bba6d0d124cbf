#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"

namespace zelpor::test {

// Runs the program's command line on `words`; what it printed lands in `out` and `err`.
inline int RunBatch(std::vector<std::string> words, std::string& out, std::string& err) {
    words.insert(words.begin(), "zelpor");
    std::vector<const char*> argv;
    for (const std::string& w : words) argv.push_back(w.c_str());
    std::ostringstream o, e;
    const int code = cli::RunBatch(static_cast<int>(argv.size()), argv.data(), o, e);
    out = o.str();
    err = e.str();
    return code;
}

}  // namespace zelpor::test
