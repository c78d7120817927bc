#include "support/FullDisk.h"
#include "support/TestFiles.h"
#include "util/AtomicFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace korvex {
namespace {

using test::readFile;
using test::writeFile;

const QByteArray kOldContent = "the old file, which must survive\r\n";

// Sizes on both sides of the save file's write buffer (16 KiB): a small result fails only when the
// buffer is flushed, a large one while it is written.
const QList<qsizetype> kNewSizes = {100, 8 * 1024, 200 * 1024};

// No temporary file of the target is left behind.
bool onlyTargetIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*target*")}, QDir::Files | QDir::Hidden) ==
           QStringList{QStringLiteral("target")};
}

// True when the write was refused with a reason and the old file is there, whole and alone.
bool refusedKeepingOldFile(const QString& folder, qsizetype newSize) {
    const QString target = QDir(folder).filePath(QStringLiteral("target"));
    const std::optional<QString> failure = replaceFileAtomically(target, QByteArray(newSize, 'x'));
    QFile old(target);
    return failure && !failure->isEmpty() && old.open(QIODevice::ReadOnly) && old.readAll() == kOldContent &&
           onlyTargetIn(folder);
}

TEST(AtomicFileTest, ReplacesOrCreatesTheWholeFileWithoutLeftovers) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target"));
    EXPECT_EQ(replaceFileAtomically(target, "first"), std::nullopt);
    writeFile(target, kOldContent);
    const QByteArray large(300 * 1024, 'y');
    EXPECT_EQ(replaceFileAtomically(target, large), std::nullopt);
    EXPECT_EQ(readFile(target), large);
    EXPECT_TRUE(onlyTargetIn(dir.path()));
}

TEST(AtomicFileTest, AFolderThatIsMissingIsReported) {
    QTemporaryDir dir;
    const std::optional<QString> failure =
        replaceFileAtomically(dir.filePath(QStringLiteral("missing/target")), "content");
    ASSERT_TRUE(failure);
    EXPECT_FALSE(failure->isEmpty());
}

TEST(AtomicFileTest, AFileSizeLimitKeepsTheOldFileAndIsReported) {
    for (const qsizetype size : kNewSizes) {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("target")), kOldContent);
        EXPECT_TRUE(
            test::passesUnderFileSizeLimit(64, [&] { return refusedKeepingOldFile(dir.path(), size); }))
            << "new size " << size;
    }
}

TEST(AtomicFileTest, AFullDiskKeepsTheOldFileAndIsReported) {
    for (const qsizetype size : kNewSizes) {
        test::SmallTmpfs disk(256 * 1024);
        if (!disk.mounted()) {
            GTEST_SKIP() << "no right to mount a tmpfs here";
        }
        writeFile(QDir(disk.path()).filePath(QStringLiteral("target")), kOldContent);
        disk.fillUpTo(1024);
        EXPECT_TRUE(refusedKeepingOldFile(disk.path(), size)) << "new size " << size;
    }
}

TEST(AtomicFileTest, GivesTheNewFileTheAskedPermissionsAndCopiesWholeFiles) {
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("run.sh"));
    const auto executable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    ASSERT_TRUE(writeFileAtomically(script, "#!/bin/sh\n", executable));
    EXPECT_TRUE(QFileInfo(script).isExecutable());

    const QString copy = dir.filePath(QStringLiteral("copy.sh"));
    EXPECT_TRUE(copyFileAtomically(script, copy));
    EXPECT_EQ(readFile(copy), QByteArray("#!/bin/sh\n"));
    EXPECT_FALSE(copyFileAtomically(dir.filePath(QStringLiteral("missing")), copy));
    EXPECT_EQ(readFile(copy), QByteArray("#!/bin/sh\n"));
}

TEST(AtomicFileTest, AppendingCopiesTheOldBytesInPiecesKeepsPermissionsAndFailsWhole) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target"));
    QByteArray old(9 * 1024 * 1024 + 17, 'o');  // more than two copy pieces
    old.back() = '!';
    writeFile(target, old);
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    ASSERT_TRUE(QFile::setPermissions(target, permissions));
    EXPECT_EQ(appendToFileAtomically(target, "new run\r\n"), std::nullopt);
    EXPECT_EQ(readFile(target), old + "new run\r\n");
    EXPECT_TRUE(QFileInfo(target).isExecutable());
    EXPECT_TRUE(onlyTargetIn(dir.path()));

    EXPECT_TRUE(appendToFileAtomically(dir.filePath(QStringLiteral("missing")), "x"));
    writeFile(target, kOldContent);
    EXPECT_TRUE(test::passesUnderFileSizeLimit(static_cast<long>(kOldContent.size()), [&] {
        return appendToFileAtomically(target, "more").has_value() && readFile(target) == kOldContent &&
               onlyTargetIn(dir.path());
    }));
}

}  // namespace
}  // namespace korvex
