#include "printing/PrintQueue.h"

#include <QFile>
#include <cups/cups.h>

namespace orv::printqueue {

QString defaultQueue() {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (dest == nullptr) {
        return {};
    }
    const QString name = QString::fromUtf8(dest->name);
    cupsFreeDests(1, dest);
    return name;
}

QString submitPdf(const QString& queue, const QString& path, const QString& title) {
    const QByteArray name = queue.toUtf8();
    const int job =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, name.constData(), QFile::encodeName(path).constData(),
                       title.toUtf8().constData(), 0, nullptr);
    if (job <= 0) {
        return QString::fromUtf8(cupsLastErrorString());
    }
    cups_job_t* jobs = nullptr;
    const int count =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, name.constData(), 0, CUPS_WHICHJOBS_ALL);
    QString failure;
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id == job &&
            (jobs[i].state == IPP_JSTATE_ABORTED || jobs[i].state == IPP_JSTATE_CANCELED)) {
            failure = QStringLiteral("o trabalho %1 foi abandonado").arg(job);
        }
    }
    cupsFreeJobs(count, jobs);
    return failure;
}

} // namespace orv::printqueue
