#include "app/window/EvaluationPanel.h"

#include "app/window/LampWidget.h"
#include "util/LanguageTables.h"

#include <QGridLayout>
#include <QLabel>

namespace korvex {
namespace {

struct RowNames {
    const char* lamp;
    const char* count;
    const char* caption;
    int captionEntry;
};

constexpr std::array<RowNames, 3> kRows = {{
    {"shpLampOK", "lblAnzOK", "lblCaptionOK", 74},
    {"shpLampKritisch", "lblAnzKritisch", "lblCaptionKritisch", 73},
    {"shpLampOOT", "lblAnzOOT", "lblCaptionOOT", 72},
}};

}  // namespace

EvaluationPanel::EvaluationPanel(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Frame5"));
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(2, 1);
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        lamps_[row] = new LampWidget;
        lamps_[row]->setObjectName(QString::fromLatin1(kRows[row].lamp));
        counts_[row] = new QLabel(QStringLiteral("0"));
        counts_[row]->setObjectName(QString::fromLatin1(kRows[row].count));
        counts_[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont bold = counts_[row]->font();
        bold.setBold(true);
        counts_[row]->setFont(bold);
        // Room for six bold digits, measured in the bold font the counts are shown in.
        counts_[row]->setMinimumWidth(
            counts_[row]->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
        captions_[row] = new QLabel;
        captions_[row]->setObjectName(QString::fromLatin1(kRows[row].caption));
        const int gridRow = static_cast<int>(row);
        grid->addWidget(lamps_[row], gridRow, 0);
        grid->addWidget(counts_[row], gridRow, 1);
        grid->addWidget(captions_[row], gridRow, 2);
    }
}

void EvaluationPanel::applyLanguage(const LanguageTables& language) {
    setTitle(language.text(LanguageTable::MainWindow, 71));
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        captions_[row]->setText(language.text(LanguageTable::MainWindow, kRows[row].captionEntry));
    }
}

void EvaluationPanel::setCount(Row row, const QString& count) {
    counts_[static_cast<std::size_t>(row)]->setText(count);
}

void EvaluationPanel::setLampColor(Row row, const QColor& color) {
    lamps_[static_cast<std::size_t>(row)]->setColor(color);
}

}  // namespace korvex
