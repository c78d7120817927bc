// Runs one large-workbook job and reports the process's peak memory and its time:
//   xlsx_memory_probe copy  big.xlsx out.xlsx   (copy the first sheet, save)
//   xlsx_memory_probe load  big.xlsx            (load every sheet)
// big.xlsx comes from make_big_workbook.py. One job per run, so that the peak is the job's own.
// Exit status 0 when the job succeeded.

#include "report/xlsx/XlsxWorkbook.h"

#include <QString>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

using korvex::xlsx::XlsxWorkbook;

namespace {

bool copyAndSave(XlsxWorkbook& workbook, const QString& target) {
    const QString first = workbook.sheetNames().constFirst();
    const auto copy = workbook.copySheetAfter(first, first);
    const auto saved =
        copy ? workbook.saveAs(target) : korvex::SpreadsheetStatus(korvex::SpreadsheetError{copy.error()});
    if (!saved) {
        std::fprintf(stderr, "%s\n", qPrintable(saved.error()));
    }
    return saved.ok();
}

bool loadAll(XlsxWorkbook& workbook) {
    for (const QString& name : workbook.sheetNames()) {
        if (workbook.sheet(name) == nullptr) {
            return false;
        }
    }
    return true;
}

double seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

void reportUsage(const char* job, std::chrono::steady_clock::duration wall) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%s: peak %.0f MiB resident, %.2f s wall, %.2f s processor\n", job,
                static_cast<double>(usage.ru_maxrss) / 1024.0, std::chrono::duration<double>(wall).count(),
                seconds(usage.ru_utime) + seconds(usage.ru_stime));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: xlsx_memory_probe copy|load WORKBOOK [TARGET]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const QString job = QString::fromLocal8Bit(argv[1]);
    auto workbook = XlsxWorkbook::open(QString::fromLocal8Bit(argv[2]));
    if (!workbook) {
        std::fprintf(stderr, "%s\n", qPrintable(workbook.error()));
        return 1;
    }
    const bool done = job == u"copy" && argc > 3 ? copyAndSave(**workbook, QString::fromLocal8Bit(argv[3]))
                                                 : job == u"load" && loadAll(**workbook);
    reportUsage(argv[1], std::chrono::steady_clock::now() - start);
    return done ? 0 : 1;
}
