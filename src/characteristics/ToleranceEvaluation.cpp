#include "characteristics/ToleranceEvaluation.h"

#include "characteristics/HostNumbers.h"
#include "settings/SettingsStore.h"

#include <QSet>

namespace korvex {
namespace {

constexpr double kDefaultPercent = 90;

enum class ToleranceKind { NotEvaluated, OneSided, TwoSided };

ToleranceKind toleranceKindOf(const QString& typeName) {
    static const QSet<QString> notEvaluated{
        QStringLiteral("TRUE_X_LOCATION"),  QStringLiteral("TRUE_Y_LOCATION"),
        QStringLiteral("TRUE_Z_LOCATION"),  QStringLiteral("TRUE_PR_LOCATION"),
        QStringLiteral("TRUE_PA_LOCATION"),
    };
    static const QSet<QString> oneSided{
        QStringLiteral("ANGULARITY"),
        QStringLiteral("COAXIALITY"),
        QStringLiteral("FLATNESS"),
        QStringLiteral("FLATNESS_LOCATION"),
        QStringLiteral("PARALLELISM"),
        QStringLiteral("PERPENDICULARITY"),
        QStringLiteral("ROUNDNESS"),
        QStringLiteral("ROUNDNESS_LOCATION"),
        QStringLiteral("RUNOUT"),
        QStringLiteral("STRAIGHTNESS"),
        QStringLiteral("STRAIGHTNESS_LOCATION"),
        QStringLiteral("TRUE_DIAM_LOCATION"),
        QStringLiteral("CONCENTRICITY"),
        QStringLiteral("SYMMETRY"),
    };
    if (notEvaluated.contains(typeName))
        return ToleranceKind::NotEvaluated;
    return oneSided.contains(typeName) ? ToleranceKind::OneSided : ToleranceKind::TwoSided;
}

// Whether the measured value lies beyond the intervention limit. The arithmetic runs in exactly this
// order (nominal plus tolerance first, then the margin; the divisions as separate steps), so that
// values on a limit fall on the same side every time.
bool isBeyondLimit(const CharacteristicRecord& row, ToleranceKind kind, double percent) {
    const double band = row.upperTol - row.lowerTol;
    if (band == 0)
        return true;
    const double share = (100 - percent) * band / 100;
    if (kind == ToleranceKind::OneSided) {
        const double limit = row.nominal + row.upperTol - share;
        return row.measured > limit;
    }
    const double margin = share / 2;
    const double upper = row.nominal + row.upperTol - margin;
    const double lower = row.nominal + row.lowerTol + margin;
    return row.measured < lower || row.measured > upper;
}

}  // namespace

double interventionPercent(const SettingsStore& settings) {
    const std::optional<QString> stored = settings.peekSetting(keys::kTolProzent);
    if (!stored)
        return kDefaultPercent;
    return parseDecimalText(*stored).value_or(kDefaultPercent);
}

bool hasOneSidedTolerance(const QString& typeName) {
    return toleranceKindOf(typeName) == ToleranceKind::OneSided;
}

EvaluationSummary evaluateTolerances(ValueTables& tables, double percent) {
    EvaluationSummary summary;
    for (CharacteristicRecord& row : tables.rows()) {
        row.overLimit = false;
        const bool outOfTol = row.outTol != 0;
        if (outOfTol)
            ++summary.counts.outOfTol;
        const ToleranceKind kind = toleranceKindOf(row.typeName);
        if (kind == ToleranceKind::NotEvaluated || !isBeyondLimit(row, kind, percent))
            continue;
        summary.anyFlagged = true;
        if (!outOfTol) {
            row.overLimit = true;
            ++summary.counts.overLimit;
        }
    }
    summary.counts.inTol = tables.rowCount() - summary.counts.overLimit - summary.counts.outOfTol;
    if (summary.counts.outOfTol > 0)
        summary.light = TrafficLight::Red;
    else
        summary.light = summary.anyFlagged ? TrafficLight::Yellow : TrafficLight::Green;
    tables.setCounts(summary.counts);
    return summary;
}

}  // namespace korvex
