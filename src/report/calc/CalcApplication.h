#pragma once

#include "report/SpreadsheetApplication.h"
#include "report/calc/CalcWorkbook.h"
#include "report/calc/OfficeConnection.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace korvex::calc {

// A LibreOffice Calc office as the spreadsheet application. The office starts when it is first
// needed: made visible, it starts with a window; asked for a workbook while hidden, it starts
// headless. Destroying the object ends a hidden office and leaves a visible one to the operator.
class CalcApplication final : public SpreadsheetApplication {
  public:
    // Starts an office of the kind asked for and tells the backend about it.
    using OfficeStarter = std::function<std::variant<std::shared_ptr<OfficeInstance>, QString>(OfficeWindow)>;

    CalcApplication(QString version, OfficeStarter starter);
    // An application for an office that already runs.
    CalcApplication(QString version, std::shared_ptr<OfficeInstance> office);
    ~CalcApplication() override;

    QString version() const override { return version_; }
    bool isVisible() const override { return visible_; }
    void setVisible(bool visible) override;
    bool isRunning() const override;
    void setCaption(const QString& caption) override;
    void showNormal() override;
    void setWindowGeometry(const QRect& frame) override;
    void setScreenUpdating(bool on) override;

    SpreadsheetResult<Workbook*> open(const QString& path) override;
    SpreadsheetResult<Workbook*> addWorkbook() override;
    SpreadsheetStatus closeAll() override;
    Workbook* activeWorkbook() override { return active_; }
    SpreadsheetStatus quit() override;

  private:
    std::optional<QString> ensureOffice();
    SpreadsheetResult<Workbook*> load(const QString& url, const QString& path);
    // Applies the remembered window state, place, visibility and caption to one workbook's window.
    void applyWindow(CalcWorkbook& workbook);
    void applyEveryWindow();
    void forEachWindow(const std::function<void(CalcWorkbook&)>& apply);

    QString version_;
    OfficeStarter starter_;
    std::shared_ptr<OfficeInstance> office_;
    std::vector<std::unique_ptr<CalcWorkbook>> workbooks_;
    CalcWorkbook* active_ = nullptr;
    bool visible_ = false;
    // The application's window settings, given to every workbook's window, also to those added later.
    QString caption_;
    bool normalState_ = false;
    std::optional<QRect> geometry_;
    bool screenUpdating_ = true;
};

}  // namespace korvex::calc
