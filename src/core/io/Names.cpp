#include "core/io/Names.h"

namespace zelpor {

NameProblem CheckName(std::string_view name) {
    if (name.empty()) return NameProblem::Empty;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) return NameProblem::ControlChar;
    }
    if (name.find_first_not_of(' ') == std::string_view::npos) return NameProblem::OnlyBlanks;
    if (name.find_first_of("/\\:*?\"<>|") != std::string_view::npos) return NameProblem::ForbiddenChar;
    if (name.front() == '.' || name.find("..") != std::string_view::npos) return NameProblem::Dots;
    return NameProblem::None;
}

std::string NameProblemText(NameProblem problem, bool job) {
    switch (problem) {
    case NameProblem::None: return {};
    case NameProblem::Empty: return job ? "Nom d'affaire obligatoire" : "Nom de piece obligatoire";
    case NameProblem::OnlyBlanks: return "Nom invalide : un nom fait seulement de blancs est interdit";
    case NameProblem::ForbiddenChar: return "Nom invalide : les caractères / \\ : * ? \" < > | sont interdits";
    case NameProblem::Dots: return "Nom invalide : un nom ne peut ni commencer par un point ni contenir ..";
    case NameProblem::ControlChar: return "Nom invalide : les caractères de contrôle sont interdits";
    }
    return {};
}

}  // namespace zelpor
