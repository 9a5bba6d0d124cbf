#pragma once

#include <QByteArray>
#include <ctime>
#include <string>

#include "core/report/JobList.h"
#include "core/report/SetupSheet.h"

namespace zelpor {

// The documents as PDF bytes, ready to be written whole.
QByteArray SetupSheetPdf(const SetupSheet& sheet, const PartRecord& part);
QByteArray JobListPdf(const JobList& list, std::time_t now);

}  // namespace zelpor
