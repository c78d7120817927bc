#pragma once

#include "app/SessionFixture.h"
#include "app/core/Session.h"
#include "app/window/MainWindow.h"
#include "host/InProcessHostConnector.h"
#include "support/RecordingUserInteraction.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

namespace korvex {

// A main window on the session of the fixture and an in-process host connector.
class WindowFixture : public test::SessionFixture {
  protected:
    MainWindow& openWindow() {
        window_ = std::make_unique<MainWindow>(
            session_, MainWindow::Outputs{.host = connector_, .report = report_, .office = office_}, &user_);
        window_->load();
        return *window_;
    }

    void addRow(const char* id, const char* axis, double outTol, bool overLimit) {
        CharacteristicRecord& row = session_.values.appendRow();
        row.id = QString::fromLatin1(id);
        row.axis = QString::fromLatin1(axis);
        row.outTol = outTol;
        row.overLimit = overLimit;
        row.outputMode = QStringLiteral("PROTOKOLL");
    }

    template <typename T>
    T* child(const char* name) {
        T* widget = window_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QString statusPanelText() { return child<QLabel>("StatusBar1_Panel1")->text(); }

    QColor valueColour(int row) {
        return child<QTableWidget>("FlexGridMerkmalswerte")->item(row, 1)->background().color();
    }

    InProcessHostConnector connector_;
    ReportOutput* report_ = nullptr;
    SpreadsheetBackend* office_ = nullptr;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace korvex
