#include "TabulorRunFixture.h"

#include "output/AsciiFormatSettings.h"
#include "support/TestFiles.h"
#include "util/LanguageLoader.h"

#include <QDir>

namespace korvex::test {
namespace {

constexpr int kRunTimeoutMs = 60'000;

}  // namespace

TabulorRunFixture::TabulorRunFixture() {
    const QString languages = sourceDir() + QStringLiteral("/LanguageFiles/");
    for (const char* name : {"German.dll", "English.dll"}) {
        writeFile(programFolder() + QStringLiteral("/LanguageFiles/") + QString::fromLatin1(name),
                  readFile(languages + QString::fromLatin1(name)));
    }
    QDir().mkpath(resultFolder());
    EXPECT_TRUE(saveAsciiFormat(loadAsciiFormat(settings_), settings_));
    EXPECT_TRUE(settings_.writeSetting(keys::kDir, resultFolder()));
    EXPECT_TRUE(loadLanguageFile(programFolder() + QStringLiteral("/LanguageFiles/German.dll"), language_));
}

QStringList TabulorRunFixture::resultFiles() const {
    return QDir(resultFolder()).entryList(QDir::Files);
}

void TabulorRunFixture::startTabulor(const QStringList& arguments) {
    start(QStringLiteral(KORVEX_TABULOR_PROGRAM), arguments);
}

void TabulorRunFixture::startBatchFile(const QString& script) {
    start(QStringLiteral("/bin/sh"), {script});
}

void TabulorRunFixture::start(const QString& program, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("KORVEX_TABULOR_HOME"), programFolder());
    environment.insert(QStringLiteral("KORVEX_TABULOR_MACHINE_SETTINGS"), machineSettings());
    environment.insert(QStringLiteral("KORVEX_TABULOR_USER_SETTINGS"), userSettings());
    tabulor_.setProcessEnvironment(environment);
    tabulor_.start(program, arguments);
    ASSERT_TRUE(tabulor_.waitForStarted(kRunTimeoutMs));
}

int TabulorRunFixture::waitForExit() {
    if (!tabulor_.waitForFinished(kRunTimeoutMs)) {
        tabulor_.kill();
        tabulor_.waitForFinished();
        return -1;
    }
    messages_ = QString::fromLocal8Bit(tabulor_.readAllStandardError());
    return tabulor_.exitStatus() == QProcess::NormalExit ? tabulor_.exitCode() : -1;
}

int TabulorRunFixture::runTabulor(const QStringList& arguments) {
    startTabulor(arguments);
    return waitForExit();
}

QString exampleFile(const char* name) {
    return sourceDir() + QStringLiteral("/examples/") + QString::fromLatin1(name);
}

}  // namespace korvex::test
