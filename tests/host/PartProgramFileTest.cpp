#include "host/sim/PartProgramFile.h"
#include "host/sim/PartProgramGenerator.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace korvex {
namespace {

QString examplePath(const char* name) {
    return QStringLiteral(KORVEX_EXAMPLES_DIR "/") + QString::fromLatin1(name);
}

PartProgramFileError refusal(const char* json) {
    const PartProgramLoadResult result = parsePartProgram(QByteArray(json), QStringLiteral("p.json"));
    EXPECT_FALSE(result.program.has_value()) << json;
    return result.error;
}

TEST(PartProgramFileTest, TheExamplesLoadWithEveryKindOfCommand) {
    const PartProgramLoadResult housing = loadPartProgramFile(examplePath("housing.json"));
    ASSERT_TRUE(housing.program) << qPrintable(housing.error.text());
    const SimProgram& program = *housing.program;
    EXPECT_EQ(program.application.version, QStringLiteral("5.2.1"));
    EXPECT_EQ(program.partProgram.drawingNumber, QStringLiteral("PH-200-0031"));
    ASSERT_EQ(program.commands.size(), 50U);

    const SimCommand& diameter = program.commands[19];
    EXPECT_EQ(diameter.typeCode, 1209);
    EXPECT_TRUE(diameter.isDimension);
    EXPECT_FALSE(diameter.isComment);
    EXPECT_EQ(diameter.uniqueId, (UniqueId{1, 20}));
    ASSERT_NE(diameter.field(169, 1), nullptr);
    EXPECT_EQ(diameter.field(169, 1)->text, QStringLiteral("MMC"));
    EXPECT_EQ(diameter.dimension->datumLabels[2], QStringLiteral("C"));
    EXPECT_EQ(program.commands[27].uniqueId, (UniqueId{12, 345}));

    // Deviation, min and max follow from the measured value unless the file gives them.
    const DimensionSnapshot& x = *program.commands[7].dimension;
    EXPECT_DOUBLE_EQ(x.deviation, 42.512345678 - 42.5);
    EXPECT_EQ(x.min, 42.512345678);
    EXPECT_EQ(diameter.dimension->min, 0.0912);

    const SimComment& eek = *program.commands[44].comment;
    EXPECT_EQ(eek.kind, 3);
    EXPECT_EQ(eek.lines, QStringList{QStringLiteral("EEK")});
    EXPECT_EQ(program.commands[5].comment->text,
              QStringLiteral("Bore pattern: position of bore 1\r\nX from datum B\r\nY from datum C"));

    ASSERT_TRUE(loadPartProgramFile(examplePath("flange_inch.json")).program);
}

TEST(PartProgramFileTest, PartProgramPropertiesDefaultToTheFilesOwn) {
    const PartProgramLoadResult result =
        parsePartProgram(R"({"commands": []})", QStringLiteral("/parts/Shaft.json"));
    ASSERT_TRUE(result.program);
    EXPECT_EQ(result.program->partProgram.fileName, QStringLiteral("/parts/Shaft.json"));
    EXPECT_EQ(result.program->partProgram.fullName, QStringLiteral("/parts/Shaft.json"));
    EXPECT_EQ(result.program->partProgram.folder, QStringLiteral("/parts"));
    EXPECT_EQ(result.program->partProgram.name, QStringLiteral("Shaft"));
    EXPECT_TRUE(result.program->application.displayUpdates);
}

TEST(PartProgramFileTest, ASyntaxErrorIsRefusedWithItsLineAndColumn) {
    const PartProgramFileError error = refusal("{\n  \"commands\": [\n    {\"type\": 1,}\n  ]\n}");
    EXPECT_EQ(error.position.line, 3);
    EXPECT_TRUE(error.text().startsWith(QStringLiteral("p.json:3:"))) << qPrintable(error.text());
}

TEST(PartProgramFileTest, StructureErrorsNameThePlaceAndWhatIsWrong) {
    struct Case {
        const char* json;
        TextPosition position;
        const char* text;
    };
    const Case cases[] = {
        {"{\"commands\": [\n {\"type\": 1002,\n  \"dimension\": {\"nominal\": \"12\"}}]}",
         {3, 28},
         "p.json:3:28: commands[0].dimension.nominal must be a number"},
        {"{\"commands\": [{\"type\": 1},\n  {\"id\": \"X\"}]}",
         {2, 3},
         "p.json:2:3: commands[1] lacks the required member \"type\""},
        {"{\"commands\": [{\"type\": 10.5}]}",
         {1, 24},
         "p.json:1:24: commands[0].type must be a whole number"},
        {"{\"commands\": [{\"type\": 1, \"isDimension\": true}]}",
         {1, 15},
         "p.json:1:15: commands[0] is a dimension but lacks the required member \"dimension\""},
        {"{\"commands\": [{\"type\": 191}]}",
         {1, 15},
         "p.json:1:15: commands[0] is an assignment (type 191) but lacks the required member \"assignment\""},
        {"{\"commands\": [{\"type\": 1, \"dimension\": {\"nominl\": 1}}]}",
         {1, 51},
         "p.json:1:51: commands[0].dimension.nominl is not a member this format knows"},
        {"{\"commands\": [{\"type\": 1, \"uniqueId\": [1, 2]},\n {\"type\": 1, \"uniqueId\": [1, 2]}]}",
         {2, 2},
         "p.json:2:2: commands[1] repeats the unique id [1, 2] of an earlier command"},
        {"{\"commands\": [{\"type\": 1, \"dimension\": {\"features\": [\"A\", 7]}}]}",
         {1, 59},
         "p.json:1:59: commands[0].dimension.features[1] must be a text"},
        {"{\"commands\": [{\"type\": 1, \"id\": \"A\\u0000B\"}]}",
         {1, 33},
         "p.json:1:33: commands[0].id must not hold a NUL character"},
        {"{\"commands\": [{\"type\": 1, \"dimension\": {\"nominal\": -1e308, \"measured\": 1e308}}]}",
         {1, 40},
         "p.json:1:40: commands[0].dimension has a measured value and nominal too far apart for a deviation; "
         "give "
         "the deviation"},
        {"{\"application\": {}}", {1, 1}, "p.json:1:1: the document lacks the required member \"commands\""},
        {"[]", {1, 1}, "p.json:1:1: the document must be an object"},
    };
    for (const Case& c : cases) {
        const PartProgramFileError error = refusal(c.json);
        EXPECT_EQ(error.text(), QString::fromUtf8(c.text)) << c.json;
        EXPECT_EQ(error.position, c.position) << c.json;
    }
}

TEST(PartProgramFileTest, ColumnsCountCharactersNotBytes) {
    const PartProgramFileError error = refusal("{\"commands\": [{\"id\": \"Maß\", \"type\": \"x\"}]}");
    EXPECT_EQ(error.position, (TextPosition{1, 37}));
}

TEST(PartProgramFileTest, SavingWritesWhatLoadingReadsBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("housing.json"));
    const PartProgramLoadResult original = loadPartProgramFile(examplePath("housing.json"));
    ASSERT_TRUE(original.program);
    test::writeFile(path, "old contents");
    ASSERT_EQ(savePartProgramFile(*original.program, path), QString());

    const PartProgramLoadResult reloaded = loadPartProgramFile(path);
    ASSERT_TRUE(reloaded.program) << qPrintable(reloaded.error.text());
    EXPECT_EQ(*reloaded.program, *original.program);
}

TEST(PartProgramFileTest, AFailedSaveLeavesTheOldFileAndTellsWhy) {
    QTemporaryDir dir;
    test::writeFile(dir.filePath(QStringLiteral("plain-file")), "x");
    const QString impossible = dir.filePath(QStringLiteral("plain-file/program.json"));
    EXPECT_FALSE(savePartProgramFile(SimProgram{}, impossible).isEmpty());

    const PartProgramLoadResult missing = loadPartProgramFile(dir.filePath(QStringLiteral("none.json")));
    EXPECT_FALSE(missing.program);
    EXPECT_TRUE(missing.error.text().contains(QStringLiteral("cannot be read")))
        << qPrintable(missing.error.text());
}

TEST(PartProgramFileTest, GeneratedProgramsHaveExactlyTheCommandsAskedForAndSurviveTheFile) {
    const SimProgram program = generatePartProgram(40);
    ASSERT_EQ(program.commands.size(), 40U);
    EXPECT_EQ(program.commands.back().uniqueId, (UniqueId{1, 40}));
    const PartProgramLoadResult reloaded =
        parsePartProgram(partProgramJson(program), QStringLiteral("g.json"));
    ASSERT_TRUE(reloaded.program) << qPrintable(reloaded.error.text());
    EXPECT_EQ(reloaded.program->commands, program.commands);
    EXPECT_TRUE(generatePartProgram(0).commands.empty());
}

}  // namespace
}  // namespace korvex
