#include "report/UnavailableSpreadsheet.h"

namespace korvex {
namespace {

class UnavailableApplication final : public SpreadsheetApplication {
  public:
    explicit UnavailableApplication(QString reason) : reason_(std::move(reason)) {}

    QString version() const override { return {}; }
    bool isVisible() const override { return false; }
    void setVisible(bool) override {}
    bool isRunning() const override { return false; }
    void setCaption(const QString&) override {}
    void showNormal() override {}
    void setWindowGeometry(const QRect&) override {}
    void setScreenUpdating(bool) override {}
    SpreadsheetResult<Workbook*> open(const QString&) override { return failure(); }
    SpreadsheetResult<Workbook*> addWorkbook() override { return failure(); }
    SpreadsheetStatus closeAll() override { return {}; }
    Workbook* activeWorkbook() override { return nullptr; }
    SpreadsheetStatus quit() override { return {}; }

  private:
    SpreadsheetError failure() const { return {reason_, SpreadsheetErrorKind::Unsupported}; }

    QString reason_;
};

}  // namespace

SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> UnavailableSpreadsheetBackend::create() {
    return std::unique_ptr<SpreadsheetApplication>(std::make_unique<UnavailableApplication>(reason_));
}

}  // namespace korvex
