#include "report/calc/OfficeOrphans.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace korvex::calc {
namespace {

constexpr QStringView kProfileArgument = u"-env:UserInstallation=";

bool programRuns(pid_t pid) {
    return pid > 0 && (kill(pid, 0) == 0 || errno == EPERM);
}

// The pid of the program that made the profile folder, from its name "<pid>-<random>".
pid_t ownerOf(const QString& profileName) {
    return static_cast<pid_t>(profileName.section(u'-', 0, 0).toInt());
}

struct RunningOffice {
    pid_t pid = 0;
    QString profileName;
    bool headless = false;
};

std::optional<RunningOffice> officeOf(const QString& processFolder, const QString& profilePrefix) {
    QFile file(processFolder + QStringLiteral("/cmdline"));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QList<QByteArray> words = file.readAll().split('\0');
    if (words.isEmpty() || !words.front().endsWith("soffice.bin")) {
        return std::nullopt;
    }
    RunningOffice office{.pid = static_cast<pid_t>(QFileInfo(processFolder).fileName().toInt())};
    for (const QByteArray& word : words) {
        const QString text = QString::fromLocal8Bit(word);
        if (text == u"--headless") {
            office.headless = true;
        } else if (text.startsWith(profilePrefix)) {
            office.profileName = text.mid(profilePrefix.size()).section(u'/', 0, 0);
        }
    }
    if (office.profileName.isEmpty()) {
        return std::nullopt;
    }
    return office;
}

QList<RunningOffice> runningOffices(const QString& base) {
    const QString prefix = kProfileArgument.toString() +
                           QUrl::fromLocalFile(base).toString(QUrl::FullyEncoded) + QStringLiteral("/");
    QList<RunningOffice> offices;
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& process : processes) {
        if (process.front().isDigit()) {
            if (std::optional<RunningOffice> office = officeOf(QStringLiteral("/proc/") + process, prefix)) {
                offices.append(*office);
            }
        }
    }
    return offices;
}

}  // namespace

std::optional<QString> officeProfileBase() {
    const QString base = QDir::tempPath() + QStringLiteral("/korvex-tabulor-office-%1").arg(getuid());
    QDir().mkdir(base, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QFileInfo info(base);
    if (!info.isDir() || info.isSymLink() || info.ownerId() != getuid()) {
        return std::nullopt;
    }
    return base;
}

std::optional<OfficeProfile> makeOfficeProfile(const QString& base) {
    QTemporaryDir folder(base + QStringLiteral("/%1-XXXXXX").arg(getpid()));
    if (!folder.isValid()) {
        return std::nullopt;
    }
    folder.setAutoRemove(false);
    return OfficeProfile{folder.path(),
                         QStringLiteral("korvex-tabulor-%1").arg(QFileInfo(folder.path()).fileName())};
}

int reapOrphanedOffices(const QString& base) {
    int killed = 0;
    QSet<QString> profilesInUse;
    for (const RunningOffice& office : runningOffices(base)) {
        if (office.headless && !programRuns(ownerOf(office.profileName))) {
            // Offices lead a process group of their own, with the helpers they started.
            if (getpgid(office.pid) == office.pid) {
                kill(-office.pid, SIGKILL);
            }
            kill(office.pid, SIGKILL);
            ++killed;
        } else {
            profilesInUse.insert(office.profileName);
        }
    }
    const QStringList profiles = QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& profile : profiles) {
        if (!profilesInUse.contains(profile) && !programRuns(ownerOf(profile))) {
            QDir(base + u'/' + profile).removeRecursively();
        }
    }
    return killed;
}

}  // namespace korvex::calc
