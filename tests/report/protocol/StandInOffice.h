#pragma once

#include "report/SpreadsheetBackend.h"
#include "report/xlsx/XlsxApplication.h"

#include <memory>

namespace korvex::test {

// What the program did to the stand-in office's application window, and whether it still runs.
struct OfficeWindow {
    bool running = true;
    bool shownNormal = false;
    QString caption;
    QRect frame;
    bool released = false;
    // Times the window was switched to not repainting, and whether it repaints now.
    int updatesHeld = 0;
    bool screenUpdating = true;
};

// An office suite played by the embedded engine: its workbooks are real, its window is recorded,
// and the test decides whether it still runs.
class StandInApplication final : public SpreadsheetApplication {
  public:
    explicit StandInApplication(std::shared_ptr<OfficeWindow> window) : window_(std::move(window)) {}
    ~StandInApplication() override { window_->released = true; }

    QString version() const override { return engine_.version(); }
    bool isVisible() const override { return engine_.isVisible(); }
    void setVisible(bool visible) override { engine_.setVisible(visible); }
    bool isRunning() const override { return window_->running; }
    void setCaption(const QString& caption) override { window_->caption = caption; }
    void showNormal() override { window_->shownNormal = true; }
    void setWindowGeometry(const QRect& frame) override { window_->frame = frame; }
    void setScreenUpdating(bool on) override {
        window_->updatesHeld += on ? 0 : 1;
        window_->screenUpdating = on;
    }
    SpreadsheetResult<Workbook*> open(const QString& path) override { return engine_.open(path); }
    SpreadsheetResult<Workbook*> addWorkbook() override { return engine_.addWorkbook(); }
    SpreadsheetStatus closeAll() override { return engine_.closeAll(); }
    Workbook* activeWorkbook() override { return engine_.activeWorkbook(); }
    SpreadsheetStatus quit() override { return engine_.quit(); }

  private:
    xlsx::XlsxApplication engine_;
    std::shared_ptr<OfficeWindow> window_;
};

// Creates stand-in applications that share one recorded window; refuses to start when told to.
class StandInOffice final : public SpreadsheetBackend {
  public:
    SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> attach() override { return create(); }
    SpreadsheetResult<std::unique_ptr<SpreadsheetApplication>> create() override {
        if (refusal.isEmpty()) {
            return std::unique_ptr<SpreadsheetApplication>(std::make_unique<StandInApplication>(window));
        }
        return SpreadsheetError{refusal};
    }

    std::shared_ptr<OfficeWindow> window = std::make_shared<OfficeWindow>();
    QString refusal;
};

}  // namespace korvex::test
