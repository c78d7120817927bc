#include "output/DfqFile.h"

#include "output/ResultFilePlacement.h"
#include "util/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace korvex {
namespace {

constexpr QByteArrayView kLineEnd = "\r\n";
// Writers into one folder wait this long for each other.
constexpr int kLockWaitMilliseconds = 30'000;

// Whether the file holds exactly this description block: its bytes start with it and no further field
// line of the description follows (the next line is a value line, or the file ends).
bool holdsDescription(const QString& path, const QByteArray& description) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray head = file.read(description.size() + 1);
    return head.startsWith(description) && (head.size() == description.size() || head.back() != 'K');
}

// Whether the file's last line has its line end (an empty file has no line to end).
bool endsInLineEnd(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < kLineEnd.size()) {
        return file.size() == 0;
    }
    return file.seek(file.size() - kLineEnd.size()) && file.read(kLineEnd.size()) == kLineEnd;
}

struct Choice {
    QString path;
    bool exists = false;
    bool passedOtherProgram = false;
};

class FileChooser {
  public:
    FileChooser(const DfqFileTarget& target, const QByteArray& description)
        : target_(target), description_(description) {}

    std::optional<Choice> choose() {
        ResultFileNaming naming = target_.naming;
        if (!naming.useCounter) {
            const QString fixed = *nameWith(naming, [](const QString&) { return false; });
            if (!isTaken(fixed)) {
                return choice(fixed);
            }
            naming.useCounter = true;
        }
        const std::optional<QString> path =
            nameWith(naming, [this](const QString& candidate) { return isTaken(candidate); });
        if (!path) {
            return std::nullopt;
        }
        return choice(*path);
    }

  private:
    std::optional<QString> nameWith(const ResultFileNaming& naming, const FileExistsTest& taken) const {
        return resultFileName(naming, target_.names, target_.moment, target_.folder, QStringLiteral("dfq"),
                              taken);
    }

    // A name is taken for this run when a file of it holds other characteristics.
    bool isTaken(const QString& path) {
        exists_ = QFileInfo::exists(path);
        if (!exists_ || holdsDescription(path, description_)) {
            return false;
        }
        passedOtherProgram_ = true;
        return true;
    }

    Choice choice(const QString& path) const {
        return {.path = path, .exists = exists_, .passedOtherProgram = passedOtherProgram_};
    }

    const DfqFileTarget& target_;
    const QByteArray& description_;
    bool exists_ = false;
    bool passedOtherProgram_ = false;
};

bool appendRun(const QString& path, const QByteArray& values) {
    // A file whose last line lost its end (cut by hand) still gets the run on a line of its own.
    if (!endsInLineEnd(path)) {
        return !appendToFileAtomically(path, kLineEnd.toByteArray() + values);
    }
    return !appendToFileAtomically(path, values);
}

bool createFile(const QString& path, const QByteArray& description, const QByteArray& values) {
    return writeFileAtomically(path, description + values, kResultFilePermissions);
}

}  // namespace

DfqSaveResult saveDfqRun(const DfqFileTarget& target, const QByteArray& description,
                         const QByteArray& values) {
    QLockFile lock(target.folder + QStringLiteral(".dfq-output.lock"));
    if (!lock.tryLock(kLockWaitMilliseconds)) {
        return {.outcome = DfqSaveOutcome::NotWritten, .path = target.folder};
    }
    const std::optional<Choice> chosen = FileChooser(target, description).choose();
    if (!chosen) {
        return {.outcome = DfqSaveOutcome::NoFreeName, .path = target.folder};
    }
    if (chosen->exists) {
        const bool appended = appendRun(chosen->path, values);
        return {.outcome = appended ? DfqSaveOutcome::Appended : DfqSaveOutcome::NotWritten,
                .path = chosen->path};
    }
    if (!createFile(chosen->path, description, values)) {
        return {.outcome = DfqSaveOutcome::NotWritten, .path = chosen->path};
    }
    return {.outcome = chosen->passedOtherProgram ? DfqSaveOutcome::CreatedBesideChangedProgram
                                                  : DfqSaveOutcome::Created,
            .path = chosen->path};
}

}  // namespace korvex
