#pragma once

#include <QString>

#include "core/report/JobList.h"

class QPagedPaintDevice;

namespace zelpor {

// The list of a job's parts painted straight onto pages: a title, then one
// row per part with its texts wrapped in their columns, the header row
// repeated on every page, "Page i/n" at the bottom. Painted directly rather
// than through rich text, so that a job of hundreds of parts stays quick.
// Returns the number of pages, 0 when the device could not be painted.
int PaintJobList(const JobList& list, const QString& printed, QPagedPaintDevice& device, const QString& footer);

QString JobListTitle(const JobList& list);

}  // namespace zelpor
