#include "host/simserver/SimOptions.h"

#include <QCommandLineParser>

namespace korvex {
namespace {

constexpr int kUsageError = 2;

struct OptionSet {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")};
    QCommandLineOption run{QStringLiteral("run"), QStringLiteral("Execute the part program at once.")};
    QCommandLineOption runAfter{QStringLiteral("run-after"),
                                QStringLiteral("Execute the part program after MS milliseconds."),
                                QStringLiteral("MS")};
    QCommandLineOption pacing{
        QStringLiteral("pacing"),
        QStringLiteral("Pause MS milliseconds between two commands of a run (default 0: "
                       "as fast as possible)."),
        QStringLiteral("MS"), QStringLiteral("0")};
    QCommandLineOption termination{QStringLiteral("termination"),
                                   QStringLiteral("Termination type of the runs started here (default 0; 2 "
                                                  "is an aborted run)."),
                                   QStringLiteral("TYPE"), QStringLiteral("0")};
    QCommandLineOption quitAfterRun{QStringLiteral("quit-after-run"),
                                    QStringLiteral("End the simulator when the first run has ended.")};
    QCommandLineOption noWindow{QStringLiteral("no-window"), QStringLiteral("Never show the window.")};
};

std::optional<int> wholeNumber(const QString& text, int minimum) {
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number >= minimum ? std::optional<int>(number) : std::nullopt;
}

SimOptionsExit usageError(const QString& problem, const QCommandLineParser& parser) {
    return {problem + QStringLiteral("\n\n") + parser.helpText(), kUsageError};
}

}  // namespace

std::variant<SimOptions, SimOptionsExit> parseSimOptions(const QStringList& arguments) {
    const OptionSet set;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plays the KORVEX host on the session bus as com.dornwell.KORVEX, serving the part "
                       "program of a part-program file (docs/host-simulator.md)."));
    parser.addOptions(
        {set.help, set.run, set.runAfter, set.pacing, set.termination, set.quitAfterRun, set.noWindow});
    parser.addPositionalArgument(
        QStringLiteral("PARTPROGRAM"),
        QStringLiteral("Part-program file (JSON) to open; none: no part program open."),
        QStringLiteral("[PARTPROGRAM]"));
    if (!parser.parse(arguments))
        return usageError(parser.errorText(), parser);
    if (parser.isSet(set.help))
        return SimOptionsExit{parser.helpText(), 0};
    if (parser.positionalArguments().size() > 1)
        return usageError(QStringLiteral("Give at most one part-program file."), parser);

    SimOptions options;
    options.partProgramPath = parser.positionalArguments().value(0);
    const std::optional<int> pacing = wholeNumber(parser.value(set.pacing), 0);
    const std::optional<int> termination = wholeNumber(parser.value(set.termination), 0);
    if (!pacing || !termination)
        return usageError(QStringLiteral("--pacing and --termination take a whole number of at least 0."),
                          parser);
    options.pacing = *pacing;
    options.terminationType = *termination;
    if (parser.isSet(set.runAfter)) {
        options.runAfter = wholeNumber(parser.value(set.runAfter), 0);
        if (!options.runAfter)
            return usageError(QStringLiteral("--run-after takes a whole number of milliseconds."), parser);
    } else if (parser.isSet(set.run)) {
        options.runAfter = 0;
    }
    options.quitAfterRun = parser.isSet(set.quitAfterRun);
    options.window = !parser.isSet(set.noWindow);
    return options;
}

}  // namespace korvex
