#include "CalcTestSupport.h"

#include "report/OfficeSuite.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QThread>

#include <signal.h>

// LeakSanitizer: the UNO runtime keeps its bootstrap data and type descriptions until the process
// ends.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:/libreoffice/program/\n";
}

namespace korvex::test {

CalcPluginFixture::CalcPluginFixture() {
    qputenv("TMPDIR", temporary_.path().toUtf8());
    auto loaded = loadOfficeSuite({QStringLiteral(KORVEX_CALC_PLUGIN_DIR)});
    if (auto* suite = std::get_if<OfficeSuite>(&loaded)) {
        backend_ = std::move(suite->backend);
        version_ = suite->version;
    } else {
        ADD_FAILURE() << std::get<OfficeSuiteMissing>(loaded).reason.toStdString();
    }
}

// A visible office outlives the backend for the operator; here there is none, and a failed test may
// leave any office behind.
CalcPluginFixture::~CalcPluginFixture() {
    backend_.reset();
    for (const pid_t office : offices()) {
        kill(office, SIGKILL);
    }
    qunsetenv("TMPDIR");
}

QList<pid_t> CalcPluginFixture::offices() const {
    QList<pid_t> found;
    const QByteArray profiles = temporary_.path().toUtf8();
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& process : processes) {
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(process));
        if (process.front().isDigit() && commandLine.open(QIODevice::ReadOnly)) {
            const QByteArray words = commandLine.readAll();
            if (words.contains("soffice.bin") && words.contains(profiles)) {
                found.append(static_cast<pid_t>(process.toInt()));
            }
        }
    }
    return found;
}

bool CalcPluginFixture::officesEnd() const {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (offices().isEmpty()) {
            return true;
        }
        QThread::msleep(100);
    }
    return false;
}

}  // namespace korvex::test
