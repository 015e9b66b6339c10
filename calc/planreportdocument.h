#pragma once

#include <QPageLayout>
#include <QString>

#include <memory>

class QPagedPaintDevice;
class QTextDocument;
struct SitePlan;

// The report of a plan as a client reads it: name and date, frame standard,
// a summary box (the site's totals, the verdict on retention, the ranges of
// the results), the table of groups (its header repeated on every page) with
// the site's totals, the recording time and the disk size with the inputs
// they came from, the chart of storage by group, and the conventions. The figures are those of planFigures(), in the
// interface language.
std::unique_ptr<QTextDocument> planReportDocument(const QString &planName, const SitePlan &plan);

// A4 landscape with 12 mm margins: the table's fourteen columns fit its width.
QPageLayout planReportPageLayout();

// Lays the report out on the pages of `device` (a PDF writer or a printer),
// numbered at their feet.
void printPlanReport(const QString &planName, const SitePlan &plan, QPagedPaintDevice *device);

// Writes the report to `path`, as CSV when the name ends in ".csv" and as
// PDF when it ends in ".pdf". The file is replaced only by a complete report;
// on failure `error` says why.
bool writePlanReport(const QString &path, const QString &planName, const SitePlan &plan,
                     QString *error);
