#include "ReaderFixture.h"

#include "host/HostPartProgram.h"
#include "host/sim/PartProgramFile.h"
#include "host/sim/SimHost.h"

namespace korvex::test {
namespace {

void fillTable(LanguageTables& language, LanguageTable table, const QString& header, int lastEntry) {
    language.beginSection(table, header);
    for (int entry = 2; entry <= lastEntry; ++entry)
        language.appendEntry(table, QStringLiteral("%1 %2").arg(header).arg(entry));
}

}  // namespace

ReaderFixture::ReaderFixture()
    : settings_({dir_.filePath(QStringLiteral("machine.ini")), dir_.filePath(QStringLiteral("user.ini"))}) {
    fillTable(language_, LanguageTable::MessageBoxen, QStringLiteral("MessageBoxen"), 59);
    fillTable(language_, LanguageTable::StatusBar, QStringLiteral("StatusBar"), 14);
    headerData_.setNames({QStringLiteral("PART_NO"), QStringLiteral(" OPERATOR "), QStringLiteral("BATCH")});
}

SimProgram ReaderFixture::example(const char* name) {
    const PartProgramLoadResult result =
        loadPartProgramFile(QStringLiteral(KORVEX_EXAMPLES_DIR "/") + QString::fromLatin1(name));
    EXPECT_TRUE(result.program) << qPrintable(result.error.text());
    return result.program.value_or(SimProgram{});
}

void ReaderFixture::setSetting(keys::SettingKey key, const char* value) {
    ASSERT_TRUE(settings_.writeSetting(key, QString::fromLatin1(value)));
}

ReadOutcome ReaderFixture::read(HostApplication& application, HostCommandCollection& commands) {
    return readCharacteristics(application, commands, {settings_, language_, user_}, {tables_, headerData_});
}

ReadOutcome ReaderFixture::readExample(const char* name) {
    SimHost host(example(name));
    return read(host, *host.activePartProgram()->commands());
}

}  // namespace korvex::test
