#pragma once

#include <QGroupBox>

#include <array>

class QLabel;

namespace korvex {

class LampWidget;
class LanguageTables;

// Frame5: the three counts of the last evaluation, each beside its lamp.
class EvaluationPanel : public QGroupBox {
    Q_OBJECT
  public:
    // The rows from top to bottom.
    enum Row { InTolerance, OverLimit, OutOfTolerance };

    explicit EvaluationPanel(QWidget* parent = nullptr);

    void applyLanguage(const LanguageTables& language);
    void setCount(Row row, const QString& count);
    void setLampColor(Row row, const QColor& color);

  private:
    std::array<LampWidget*, 3> lamps_{};
    std::array<QLabel*, 3> counts_{};
    std::array<QLabel*, 3> captions_{};
};

}  // namespace korvex
