#pragma once

#include <QString>
#include <memory>

#include "core/part/PartRecord.h"
#include "core/report/SetupSheet.h"

class QTextDocument;

namespace zelpor {

// The setup sheet of a part: header, tools with their drawings and figures,
// the bend table, and for a drawn profile the profile and one picture per
// step of the bending order (the step tools are those listed in the sheet).
std::unique_ptr<QTextDocument> SetupSheetDocument(const SetupSheet& sheet, const PartRecord& part);

// Footer and PDF title line.
QString SetupSheetTitle(const SetupSheet& sheet);

}  // namespace zelpor
