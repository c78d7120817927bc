#include "CaptureFixture.h"

#include "characteristics/ToleranceEvaluation.h"
#include "host/HostCommandCollection.h"
#include "host/HostPartProgram.h"
#include "host/HostSession.h"
#include "host/sim/SimHost.h"
#include "support/ExamplePrograms.h"
#include "support/TestFiles.h"
#include "util/LanguageLoader.h"

#include <algorithm>

namespace korvex::test {

CaptureFixture::CaptureFixture()
    : settings_({dir_.filePath(QStringLiteral("machine.ini")), dir_.filePath(QStringLiteral("user.ini"))}) {
    EXPECT_TRUE(loadLanguageFile(sourceDir() + QStringLiteral("/LanguageFiles/English.dll"), language_));
    EXPECT_TRUE(settings_.writeSetting(keys::kHeader, QStringLiteral("1")));
    EXPECT_TRUE(settings_.writeSetting(keys::kMultiLine, QStringLiteral("1")));
    headerData_.setNames({QStringLiteral("PART_NO"), QStringLiteral("OPERATOR"), QStringLiteral("TEMP")});
}

std::unique_ptr<OnlineCapture> CaptureFixture::makeCapture() {
    auto capture = std::make_unique<OnlineCapture>(environment(), targets());
    QObject::connect(capture.get(), &OnlineCapture::runEnded,
                     [this](RunEnd end) { runEnds_.push_back(end); });
    return capture;
}

void CaptureFixture::switchOn() {
    if (!capture_)
        capture_ = makeCapture();
    ASSERT_TRUE(capture_->switchOn(session_));
}

Gathered CaptureFixture::offline(HostSession& session) {
    readCharacteristics(*session.application, *session.commands, environment(), targets());
    return gathered(tables_, headerData_);
}

Gathered CaptureFixture::offline(const SimProgram& program) {
    SimHost host(program);
    readCharacteristics(host, *host.activePartProgram()->commands(), environment(), targets());
    return gathered(tables_, headerData_);
}

Gathered CaptureFixture::captured() {
    evaluateTolerances(tables_, 90);
    return gathered(tables_, headerData_);
}

Gathered gathered(const ValueTables& tables, const HeaderDataValues& headerData) {
    Gathered result;
    result.rows.assign(tables.rows().begin(), tables.rows().end());
    for (int entry = 1; entry <= tables.commentCount(); ++entry)
        result.comments.push_back(*tables.comment(entry));
    result.headerData = headerData.variables();
    return result;
}

SimProgram housing() {
    return exampleProgram(QStringLiteral("housing.json"));
}

int housingEndOfRunPosition() {
    const std::vector<SimCommand> commands = housing().commands;
    const auto endOfRun = std::ranges::find_if(commands, [](const SimCommand& command) {
        return command.comment && command.comment->kind == 3 && command.comment->text == u"EEK";
    });
    EXPECT_NE(endOfRun, commands.end());
    return static_cast<int>(endOfRun - commands.begin());
}

SimProgram housingWithoutEndOfRun() {
    SimProgram program = housing();
    program.commands.erase(program.commands.begin() + housingEndOfRunPosition());
    return program;
}

SimProgram firstCommands(SimProgram program, int count) {
    program.commands.resize(static_cast<std::size_t>(count));
    return program;
}

}  // namespace korvex::test
