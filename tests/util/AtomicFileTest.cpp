#include "support/TestFiles.h"
#include "util/AtomicFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <csignal>

namespace korvex {
namespace {

// Lets this process write files of at most `bytes` bytes while it lives; a longer write fails with
// EFBIG instead of ending the process.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_DFL);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
};

class AtomicFileTest : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QStringList files() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir dir_;
};

TEST_F(AtomicFileTest, AWriteThatFailsWhenTheBufferGoesOutLeavesTheOldFile) {
    test::writeFile(path(QStringLiteral("a.txt")), "old");
    {
        const FileSizeLimit limit(100);
        // Small enough to sit in the write buffer until it is written out.
        EXPECT_FALSE(writeFileAtomically(path(QStringLiteral("a.txt")), QByteArray(1000, 'x')));
    }
    EXPECT_EQ(test::readFile(path(QStringLiteral("a.txt"))), QByteArray("old"));
    EXPECT_EQ(files(), QStringList({QStringLiteral("a.txt")}));
}

TEST_F(AtomicFileTest, GivesTheNewFileTheAskedPermissions) {
    const auto executable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    ASSERT_TRUE(writeFileAtomically(path(QStringLiteral("run.sh")), "#!/bin/sh\n", executable));
    EXPECT_EQ(test::readFile(path(QStringLiteral("run.sh"))), QByteArray("#!/bin/sh\n"));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("run.sh"))).isExecutable());
}

}  // namespace
}  // namespace korvex
