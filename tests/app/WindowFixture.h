#pragma once

#include "app/core/Session.h"
#include "app/window/MainWindow.h"
#include "host/InProcessHostConnector.h"
#include "support/RecordingUserInteraction.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

namespace korvex {

// A main window on a program folder of its own (the shipped language files, a header-data list),
// settings in a temporary folder, a recording user and an in-process host connector.
class WindowFixture : public ::testing::Test {
  protected:
    WindowFixture() {
        const QString languages = test::sourceDir() + QStringLiteral("/LanguageFiles/");
        for (const char* name : {"German.dll", "English.dll"}) {
            test::writeFile(
                dir_.filePath(QStringLiteral("program/LanguageFiles/")) + QString::fromLatin1(name),
                test::readFile(languages + QString::fromLatin1(name)));
        }
        test::writeFile(dir_.filePath(QStringLiteral("program/HeaderData.cfg")), "Operator\r\nMachine\r\n");
    }

    MainWindow& openWindow() {
        window_ = std::make_unique<MainWindow>(
            session_, MainWindow::Outputs{.host = connector_, .report = report_}, &user_);
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

    QTemporaryDir dir_;
    Session session_{.programFolder = dir_.filePath(QStringLiteral("program")),
                     .settings = SettingsStore({dir_.filePath(QStringLiteral("machine.ini")),
                                                dir_.filePath(QStringLiteral("user.ini"))}),
                     .language = {},
                     .arguments = {},
                     .values = {},
                     .headerData = {}};
    test::RecordingUserInteraction user_;
    InProcessHostConnector connector_;
    ReportOutput* report_ = nullptr;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace korvex
