#include "app/SessionFixture.h"
#include "app/core/LayoutForm.h"
#include "report/layout/LayoutValues.h"

namespace korvex {
namespace {

using namespace layout;

class LayoutFormTest : public test::SessionFixture {
  protected:
    void store(QStringView name, const char* text) {
        ASSERT_TRUE(
            session_.settings.writeSetting({keys::kExcelReportSettings, name}, QString::fromLatin1(text)));
    }
    void storeRequiredValues() {
        store(kFormStartRow, "008");
        store(kFormEndRow, "30");
        for (const QStringView name : kRequiredPositions) {
            store(name, name == kFormMeasColums ? "I-K" : "C");
        }
    }
    QString lastUsed() const { return session_.settings.readSetting(keys::kLastUsedConfig, QString()); }
};

TEST_F(LayoutFormTest, ShowsAStoredLayoutWithItsGapsFilled) {
    storeRequiredValues();
    store(headerPlaceName(1, 2), "VM");
    const std::optional<LayoutValues> fields = storedLayoutFields(session_, 2, user_);
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->text(kFormStartRow), QStringLiteral("8"));
    EXPECT_EQ(fields->text(kZeileSpalte), QStringLiteral("-1"));
    EXPECT_EQ(fields->text(kFormDateRow), kNotUsed);
    EXPECT_EQ(fields->text(kSeitenAnzahlZeile), kNotUsed);
    EXPECT_EQ(fields->text(kCommentLength), QStringLiteral("0"));
    EXPECT_EQ(fields->headerRows, (QStringList{QString(), QStringLiteral("VM")}));
    EXPECT_TRUE(user_.messages.empty());

    store(kFormStartRow, "0");
    EXPECT_FALSE(storedLayoutFields(session_, 2, user_));
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_TRUE(user_.messages[0].text.startsWith(QStringLiteral("The report layout lacks required values")));
}

TEST_F(LayoutFormTest, BlankFieldsAreRequiredOrBecomeNotUsed) {
    LayoutValues values;
    values.set(kFormStartRow, QStringLiteral("8"));
    values.set(kFormEndRow, QStringLiteral("30"));
    values.set(kFormMeasColums, QStringLiteral("  "));
    EXPECT_FALSE(requiredFieldsFilled(values));
    values.set(kFormMeasColums, QStringLiteral("I-K"));
    EXPECT_TRUE(requiredFieldsFilled(values));

    values.set(kFormIDColum, QStringLiteral("  "));
    values.set(kFormNominalColum, QStringLiteral(" B "));
    values.headerRows = {QStringLiteral("2"), QStringLiteral(" ")};
    values.headerColumns = {QString(), QStringLiteral("VM")};
    replaceBlankFields(values);
    EXPECT_EQ(values.text(kFormIDColum), kNotUsed);
    EXPECT_EQ(values.text(kFormNominalColum), QStringLiteral(" B "));  // stored as typed
    EXPECT_EQ(values.text(kCommentLength), QStringLiteral("0"));
    EXPECT_EQ(values.text(kLfdNr), kNotUsed);
    EXPECT_EQ(values.text(kSeitennummerSpalte), kNotUsed);
    EXPECT_EQ(values.headerRows, (QStringList{QStringLiteral("2"), kNotUsed.toString()}));
    EXPECT_EQ(values.headerColumns, (QStringList{kNotUsed.toString(), QStringLiteral("VM")}));
}

TEST_F(LayoutFormTest, StoresEveryFieldInItsOrderAndReadsItBack) {
    const LayoutValues values = parseLayoutFileWithItsNames(test::twoVariableLayoutFile())->values;
    const auto order = settingsWriteOrder(values);
    ASSERT_EQ(order.size(), 32U + 4U + 1U);
    EXPECT_EQ(order.front().first, kZeileSpalte);
    EXPECT_EQ(order[1], (std::pair{kFormStartRow.toString(), QStringLiteral("8")}));
    EXPECT_EQ(order[31].first, kSeitenAnzahlZeile);
    EXPECT_EQ(order[32], (std::pair{QStringLiteral("Kopfdaten_1_1"), QStringLiteral("2")}));
    EXPECT_EQ(order[35], (std::pair{QStringLiteral("Kopfdaten_2_2"), QStringLiteral("VM")}));
    EXPECT_EQ(order.back(), (std::pair{kLfdNr.toString(), QStringLiteral("S")}));

    ASSERT_TRUE(storeLayoutFields(session_, values, user_));
    LayoutValues stored = readLayoutValues(session_.settings, 2);
    stored.texts.remove(kEmptyCells.toString());
    EXPECT_EQ(stored, values);
}

TEST_F(LayoutFormTest, ReadsAFileForTheNamesItCarries) {
    const auto content = parseLayoutFileWithItsNames(test::twoVariableLayoutFile());
    ASSERT_TRUE(content);
    EXPECT_EQ(content->headerNames, (QStringList{QStringLiteral("Operator"), QStringLiteral("Machine")}));
    EXPECT_EQ(content->values.headerColumns, (QStringList{QStringLiteral("B"), QStringLiteral("VM")}));
    EXPECT_EQ(content->values.text(kSeitenAnzahlZeile), QStringLiteral("5"));
    EXPECT_EQ(layoutFileBytes(*content), test::twoVariableLayoutFile());

    // An older file ends its values after the running number.
    QByteArray older = test::twoVariableLayoutFile();
    older.replace("1\r\nC\r\n2\r\nD\r\n3\r\nE\r\nT\r\n4\r\nU\r\n5\r\n", "");
    const auto old = parseLayoutFileWithItsNames(older);
    ASSERT_TRUE(old);
    EXPECT_EQ(old->values.text(kZeileProgrammName), kNotUsed);
    EXPECT_EQ(old->values.text(kSeitenAnzahlZeile), kNotUsed);
    EXPECT_EQ(old->values.text(kLfdNr), QStringLiteral("S"));

    for (const QByteArray& refused :
         {QByteArray(), QByteArray("[Kopfdaten]\r\nOperator\r\n"), test::twoVariableLayoutFile().left(60),
          QByteArray(test::twoVariableLayoutFile()).replace("[Kopfdaten]", "[Header]"),
          test::twoVariableLayoutFile() + "Order\r\n", QByteArray("PK\x03\x04 not a layout\r\n")}) {
        EXPECT_FALSE(parseLayoutFileWithItsNames(refused)) << refused.constData();
    }
}

TEST_F(LayoutFormTest, SavingWritesTheWholeFileOrKeepsTheOldOne) {
    const LayoutFileContent content = *parseLayoutFileWithItsNames(test::twoVariableLayoutFile());
    EXPECT_EQ(withLayoutFileExtension(QStringLiteral("/tmp/a")), QStringLiteral("/tmp/a.cfg"));
    EXPECT_EQ(withLayoutFileExtension(QStringLiteral("/tmp/a.CFG")), QStringLiteral("/tmp/a.CFG"));

    const QString path = filePath("layouts/housing.cfg");
    test::writeFile(path, "old layout\r\n");
    ASSERT_TRUE(saveLayoutFileFromFields(session_, path, content, user_));
    EXPECT_EQ(test::readFile(path), test::twoVariableLayoutFile());
    EXPECT_EQ(lastUsed(), path);

    // A line break typed or stored inside a value must not shift the lines after it.
    LayoutFileContent broken = content;
    broken.values.set(kFormIDColum, QStringLiteral("A\r\nB"));
    broken.values.headerRows[0] = QStringLiteral("2\n");
    ASSERT_TRUE(saveLayoutFileFromFields(session_, path, broken, user_));
    const auto reread = parseLayoutFileWithItsNames(test::readFile(path));
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->values.text(kFormIDColum), QStringLiteral("A  B"));
    EXPECT_EQ(reread->values.text(kFormNominalColum), QStringLiteral("B"));

    const QString unwritable = filePath("missing/folder/x.cfg");
    EXPECT_FALSE(saveLayoutFileFromFields(session_, unwritable, content, user_));
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_TRUE(
        user_.messages[0].text.startsWith(QStringLiteral("The report layout file could not be saved")));
    EXPECT_EQ(lastUsed(), path);
}

TEST_F(LayoutFormTest, LoadingReplacesTheHeaderListOnlyFromAWholeLayoutFile) {
    session_.headerData.setNames({QStringLiteral("Machine"), QStringLiteral("Order")});
    session_.headerData.assign(QStringLiteral("Machine"), QStringLiteral("CMM 3"));
    const QString foreign = filePath("notes.cfg");
    test::writeFile(foreign, "A\r\nB\r\n");
    EXPECT_FALSE(loadLayoutFileIntoFields(session_, foreign, user_));
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_TRUE(user_.messages[0].text.endsWith(foreign));
    EXPECT_EQ(test::readFile(headerDataPath()), QByteArray("Operator\r\nMachine\r\n"));
    EXPECT_EQ(session_.headerData.variables().size(), 2U);
    EXPECT_EQ(lastUsed(), QString());

    const QString layoutPath = filePath("housing.cfg");
    QByteArray file = test::twoVariableLayoutFile();
    file.replace("[Kopfdaten]\r\nOperator\r\nMachine", "[Kopfdaten]\r\nMachine\r\nPart");
    test::writeFile(layoutPath, file);
    const auto loaded = loadLayoutFileIntoFields(session_, layoutPath, user_);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->values.text(kFormMeasColums), QStringLiteral("I-K"));
    EXPECT_EQ(test::readFile(headerDataPath()), QByteArray("Machine\r\nPart\r\n"));
    ASSERT_EQ(session_.headerData.variables().size(), 2U);
    EXPECT_EQ(session_.headerData.variables()[0].value, QStringLiteral("CMM 3"));
    EXPECT_EQ(session_.headerData.variables()[1].name, QStringLiteral("Part"));
    EXPECT_EQ(lastUsed(), layoutPath);
    EXPECT_EQ(user_.messages.size(), 1U);
}

}  // namespace
}  // namespace korvex
