#pragma once

#include "report/SpreadsheetApplication.h"
#include "report/SpreadsheetBackend.h"
#include "report/xlsx/XlsxWorkbook.h"

#include <memory>
#include <vector>

namespace korvex::xlsx {

// The embedded engine as a spreadsheet application: it reads and writes .xlsx workbooks itself and
// has no window, so "visible" is only remembered.
class XlsxApplication final : public SpreadsheetApplication {
  public:
    // The version of the first spreadsheet generation whose native format is .xlsx.
    static constexpr const char* kVersion = "12.0";

    QString version() const override { return QString::fromLatin1(kVersion); }
    bool isVisible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }
    // The engine runs inside this program.
    bool isRunning() const override { return true; }
    void setCaption(const QString&) override {}
    void showNormal() override {}
    void setWindowGeometry(const QRect&) override {}
    void setScreenUpdating(bool) override {}

    SpreadsheetResult<Workbook*> open(const QString& path) override;
    SpreadsheetResult<Workbook*> addWorkbook() override;
    SpreadsheetStatus closeAll() override;
    Workbook* activeWorkbook() override;
    SpreadsheetStatus quit() override;

  private:
    Workbook* keep(std::unique_ptr<XlsxWorkbook> workbook);

    std::vector<std::unique_ptr<XlsxWorkbook>> workbooks_;
    bool visible_ = false;
};

// The embedded engine needs no running instance: attaching and creating both give a new one.
class XlsxBackend final : public SpreadsheetBackend {
  public:
    SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> attach() override { return create(); }
    SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> create() override {
        return std::unique_ptr<SpreadsheetApplication>(std::make_unique<XlsxApplication>());
    }
};

}  // namespace korvex::xlsx
