#include "TabulorRunFixture.h"
#include "XlsxTestSupport.h"

#include "app/core/LayoutForm.h"
#include "app/core/Session.h"
#include "report/Worksheet.h"
#include "report/xlsx/XlsxWorkbook.h"
#include "support/HostSimProcess.h"
#include "support/RecordingUserInteraction.h"
#include "support/TestFiles.h"

namespace korvex {
namespace {

using namespace layout;

// The fields as an operator types them for report-template.xlsx: the optional ones left blank, the two
// header variables beside the program data.
LayoutValues typedFields() {
    const std::initializer_list<std::pair<QStringView, const char*>> typed = {
        {kFormStartRow, "10"},      {kFormEndRow, "39"},       {kFormMeasColums, "E-H"},
        {kFormIDColum, "A"},        {kFormNominalColum, "B"},  {kFormUTolColum, "D"},
        {kFormOTolColum, "C"},      {kFormDevColum, "I"},      {kFormATolColum, "J"},
        {kFormSymbolColum, "K"},    {kFormCommentColum, "L"},  {kCommentLength, "30"},
        {kZeileSpalte, "-1"},       {kZeileProgrammName, "3"}, {kSpalteProgrammName, "B"},
        {kSeitennummerSpalte, "H"}, {kSeitennummerZeile, "2"}, {kSeitenAnzahlSpalte, "H"},
        {kSeitenAnzahlZeile, "3"}};
    LayoutValues values;
    for (const auto& [name, text] : typed) {
        values.set(name, QString::fromLatin1(text));
    }
    values.headerRows = {QStringLiteral("4"), QStringLiteral("5")};
    values.headerColumns = {QStringLiteral("L"), QStringLiteral(" ")};
    return values;
}

class LayoutEditorRunTest : public test::TabulorRunFixture {
  protected:
    LayoutEditorRunTest() { test::writeFile(programFolder() + QStringLiteral("/HeaderData.cfg"), kNames); }

    // The editor's session on a program folder and settings root of its own.
    Session editorSession(const char* name) const {
        const QString folder = dir_.filePath(QString::fromLatin1(name));
        test::writeFile(folder + QStringLiteral("/HeaderData.cfg"), "SOMETHING ELSE\r\n");
        return {.programFolder = ProgramFolder(folder),
                .settings = SettingsStore(
                    {folder + QStringLiteral("/machine.ini"), folder + QStringLiteral("/user.ini")}),
                .language = language_,
                .arguments = {},
                .values = {},
                .headerData = {}};
    }

    // Every cell of the first page but the fill's date and time.
    QStringList pageTexts(const QString& book) const {
        auto workbook = xlsx::XlsxWorkbook::open(book);
        EXPECT_TRUE(workbook.ok());
        const Worksheet* page =
            workbook.ok() ? (*workbook)->sheet(QStringLiteral("Bericht1_Seite1")) : nullptr;
        QStringList texts;
        for (int row = 1; page != nullptr && row <= 40; ++row) {
            for (int column = 1; column <= 12 && row != 7 && row != 8; ++column) {
                texts.append(page->readText({row, column}));
            }
        }
        return texts;
    }

    static constexpr const char* kNames = "PART_NO\r\nOPERATOR\r\n";
    test::RecordingUserInteraction user_;
};

TEST_F(LayoutEditorRunTest, ALayoutMadeInTheEditorFillsTheCellsOfTheStoredLayout) {
    // Made and stored in one editor, saved as a file.
    Session maker = editorSession("maker");
    test::writeFile(maker.programFolder.writable() + QStringLiteral("/HeaderData.cfg"), kNames);
    LayoutValues fields = typedFields();
    ASSERT_TRUE(requiredFieldsFilled(fields));
    replaceBlankFields(fields);
    ASSERT_TRUE(storeLayoutFields(maker, fields, user_));
    const QString made = dir_.filePath(QStringLiteral("made.cfg"));
    ASSERT_TRUE(saveLayoutFileFromFields(
        maker, made, {fields, {QStringLiteral("PART_NO"), QStringLiteral("OPERATOR")}}, user_));

    // Loaded on a fresh settings root, it stores the same layout and brings its header variables along.
    Session fresh = editorSession("fresh");
    const auto loaded = loadLayoutFileIntoFields(fresh, made, user_);
    ASSERT_TRUE(loaded);
    ASSERT_TRUE(storeLayoutFields(fresh, loaded->values, user_));
    EXPECT_EQ(readLayoutValues(fresh.settings, 2), readLayoutValues(maker.settings, 2));
    EXPECT_EQ(test::readFile(fresh.programFolder.writable() + QStringLiteral("/HeaderData.cfg")),
              QByteArray(kNames));
    EXPECT_TRUE(user_.messages.empty());

    // Unattended runs with the stored layout and with the loaded file fill the same cells.
    const QString stored = dir_.filePath(QStringLiteral("stored.cfg"));
    ASSERT_TRUE(writeLayoutFile(stored, {readLayoutValues(maker.settings, 2), loaded->headerNames}));
    test::HostSimProcess host({QStringLiteral("--no-window"), test::exampleFile("housing.json")});
    ASSERT_TRUE(host.isOnBus()) << qPrintable(host.failure());
    QStringList pages;
    for (const QString& layoutFile : {stored, made}) {
        const QString book = dir_.filePath(QFileInfo(layoutFile).baseName() + QStringLiteral(".xlsx"));
        test::writeFile(book, test::readFile(test::xlsxFixture(QStringLiteral("report-template.xlsx"))));
        ASSERT_EQ(runTabulor({QStringLiteral("/a"), book, layoutFile, QStringLiteral("/ALL")}), 0)
            << qPrintable(messages_);
        pages.append(pageTexts(book).join(u'|'));
    }
    EXPECT_EQ(pages[0], pages[1]);
    EXPECT_TRUE(pages[1].contains(QStringLiteral("HSG-4711")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("LOC_BORE1.X")));
}

}  // namespace
}  // namespace korvex
