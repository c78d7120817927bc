#include "report/layout/LayoutValues.h"

#include "settings/SettingsStore.h"

#include <optional>
#include <span>

namespace korvex {
namespace {

constexpr std::array<QStringView, 12> kFurtherValues = {layout::kLfdNr,
                                                        layout::kZeileProgrammName,
                                                        layout::kSpalteProgrammName,
                                                        layout::kZeileZeichnungsnummer,
                                                        layout::kSpalteZeichnungsnummer,
                                                        layout::kZeileAenderungsstand,
                                                        layout::kSpalteAenderungsstand,
                                                        layout::kSeitennummerSpalte,
                                                        layout::kSeitennummerZeile,
                                                        layout::kSeitenAnzahlSpalte,
                                                        layout::kSeitenAnzahlZeile,
                                                        layout::kEmptyCells};

std::optional<QString> peek(const SettingsStore& settings, QStringView name) {
    return settings.peekSetting({keys::kExcelReportSettings, name});
}

QStringList peekHeaderPlaces(const SettingsStore& settings, int direction, int headerCount) {
    QStringList places;
    for (int variable = 1; variable <= headerCount; ++variable) {
        places.append(peek(settings, layout::headerPlaceName(direction, variable)).value_or(QString()));
    }
    return places;
}

bool writeHeaderPlaces(const SettingsStore& settings, int direction, const QStringList& places) {
    bool stored = true;
    for (int variable = 1; variable <= places.size(); ++variable) {
        const QString name = layout::headerPlaceName(direction, variable);
        stored = settings.writeSetting({keys::kExcelReportSettings, name}, places[variable - 1]) && stored;
    }
    return stored;
}

}  // namespace

QString layout::headerPlaceName(int direction, int variable) {
    return QStringLiteral("Kopfdaten_%1_%2").arg(direction).arg(variable);
}

LayoutValues readLayoutValues(const SettingsStore& settings, int headerCount) {
    LayoutValues values;
    for (const auto& names : {std::span<const QStringView>(layout::kFileLeadingValues),
                              std::span<const QStringView>(kFurtherValues)}) {
        for (const QStringView name : names) {
            if (const std::optional<QString> text = peek(settings, name)) {
                values.set(name, *text);
            }
        }
    }
    values.headerRows = peekHeaderPlaces(settings, 1, headerCount);
    values.headerColumns = peekHeaderPlaces(settings, 2, headerCount);
    return values;
}

bool writeLayoutValues(const SettingsStore& settings, const LayoutValues& values) {
    bool stored = true;
    for (auto it = values.texts.cbegin(); it != values.texts.cend(); ++it) {
        stored = settings.writeSetting({keys::kExcelReportSettings, it.key()}, it.value()) && stored;
    }
    stored = writeHeaderPlaces(settings, 1, values.headerRows) && stored;
    return writeHeaderPlaces(settings, 2, values.headerColumns) && stored;
}

}  // namespace korvex
