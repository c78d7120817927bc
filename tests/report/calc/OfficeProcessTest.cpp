// The office's command line and environment, and the clean-up of offices whose program has gone,
// against stand-in processes (no office is started here).

#include "report/calc/OfficeOrphans.h"
#include "report/calc/OfficeProcess.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace korvex::calc {
namespace {

TEST(OfficeCommand, RunsInTheCLocaleWithItsOwnProfileAndPipe) {
    const OfficeLaunch launch{QStringLiteral("/opt/office/program"), OfficeWindow::Headless,
                              QStringLiteral("/tmp/profiles/42-abc"), QStringLiteral("pipe-42")};
    const QStringList caller = {
        QStringLiteral("LANG=de_DE.UTF-8"), QStringLiteral("LC_NUMERIC=de_DE.UTF-8"),
        QStringLiteral("LANGUAGE=de"),      QStringLiteral("URE_BOOTSTRAP=vnd.sun.star.x"),
        QStringLiteral("HOME=/home/op"),    QStringLiteral("DISPLAY=:7")};
    const OfficeCommand headless = officeCommand(launch, caller);
    EXPECT_EQ(headless.program, QStringLiteral("/opt/office/program/soffice.bin"));
    EXPECT_TRUE(headless.arguments.contains(QStringLiteral("--headless")));
    EXPECT_TRUE(headless.arguments.contains(
        QStringLiteral("--accept=pipe,name=pipe-42;urp;StarOffice.ComponentContext")));
    EXPECT_TRUE(
        headless.arguments.contains(QStringLiteral("-env:UserInstallation=file:///tmp/profiles/42-abc")));
    EXPECT_EQ(headless.environment,
              (QStringList{QStringLiteral("HOME=/home/op"), QStringLiteral("DISPLAY=:7"),
                           QStringLiteral("LANG=C.UTF-8"), QStringLiteral("LC_ALL=C.UTF-8"),
                           QStringLiteral("SAL_ENABLE_FILE_LOCKING=1")}));

    const OfficeCommand visible = officeCommand(
        {launch.programFolder, OfficeWindow::Visible, launch.profileFolder, launch.pipeName}, caller);
    EXPECT_FALSE(visible.arguments.contains(QStringLiteral("--headless")));
}

// A process whose command line looks like an office's: argv[0] ends in soffice.bin.
class FakeOffice {
  public:
    FakeOffice(const QString& base, const QString& profile, bool headless) {
        QStringList words = {QStringLiteral("-c"), QStringLiteral("import time; time.sleep(600)")};
        if (headless) {
            words << QStringLiteral("--headless");
        }
        words << QStringLiteral("-env:UserInstallation=%1")
                     .arg(QUrl::fromLocalFile(base + u'/' + profile).toString(QUrl::FullyEncoded));
        process_.setProgram(QStringLiteral("bash"));
        const QStringList launcher = {QStringLiteral("-c"),
                                      QStringLiteral("exec -a /fake/soffice.bin /usr/bin/python3 \"$@\""),
                                      QStringLiteral("bash")};
        process_.setArguments(launcher + words);
        process_.start();
        EXPECT_TRUE(process_.waitForStarted());
        // Until exec has happened the command line is still bash's.
        QThread::msleep(300);
    }
    ~FakeOffice() {
        process_.kill();
        process_.waitForFinished();
    }
    bool runs() { return !process_.waitForFinished(500); }

  private:
    QProcess process_;
};

// The pid of a process that has ended: a child that exits at once, reaped.
pid_t endedPid() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return child;
}

TEST(OfficeOrphans, KillsHeadlessOfficesOfEndedProgramsOnlyAndRemovesTheirProfiles) {
    QTemporaryDir base;
    const QString ended = QStringLiteral("%1-orphan").arg(endedPid());
    const QString mine = QStringLiteral("%1-mine").arg(getpid());
    const QString operators = QStringLiteral("%1-kept").arg(endedPid());
    const QString stale = QStringLiteral("%1-stale").arg(endedPid());
    for (const QString& profile : {ended, mine, operators, stale}) {
        ASSERT_TRUE(QDir(base.path()).mkpath(profile + QStringLiteral("/user")));
    }
    FakeOffice orphan(base.path(), ended, true);
    FakeOffice ownOffice(base.path(), mine, true);
    FakeOffice visible(base.path(), operators, false);

    EXPECT_EQ(reapOrphanedOffices(base.path()), 1);
    EXPECT_FALSE(orphan.runs());
    EXPECT_TRUE(ownOffice.runs());
    EXPECT_TRUE(visible.runs());
    EXPECT_EQ(QDir(base.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name),
              (QStringList{mine, operators}));
}

TEST(OfficeOrphans, ProfilesAreNamedAfterTheirProgramAndPrivate) {
    QTemporaryDir temporary;
    qputenv("TMPDIR", temporary.path().toUtf8());
    const std::optional<QString> base = officeProfileBase();
    qunsetenv("TMPDIR");
    ASSERT_TRUE(base);
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                            QFileDevice::WriteOther | QFileDevice::ExeOther;
    EXPECT_FALSE(QFile::permissions(*base) & others);
    const std::optional<OfficeProfile> first = makeOfficeProfile(*base);
    const std::optional<OfficeProfile> second = makeOfficeProfile(*base);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->folder, second->folder);
    EXPECT_NE(first->pipeName, second->pipeName);
    EXPECT_TRUE(QFileInfo(first->folder).fileName().startsWith(QStringLiteral("%1-").arg(getpid())));

    // Someone else's folder (here: a symbolic link) is never used.
    QDir(*base).removeRecursively();
    ASSERT_TRUE(QFile::link(temporary.path(), *base));
    qputenv("TMPDIR", temporary.path().toUtf8());
    EXPECT_FALSE(officeProfileBase());
    qunsetenv("TMPDIR");
}

}  // namespace
}  // namespace korvex::calc
