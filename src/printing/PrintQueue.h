#pragma once

#include <QString>

namespace orv::printqueue {

// The print system's default queue, or empty when no printer is installed.
QString defaultQueue();

// Hands a PDF file to the queue as one job. Empty when the print system took
// the job (a held or stopped queue keeps it for later); otherwise its reason:
// a queue that rejects jobs, a job that could not be created, or one the
// backend gave up on at once.
QString submitPdf(const QString& queue, const QString& path, const QString& title);

} // namespace orv::printqueue
