#include "app/WindowFixture.h"
#include "app/window/ElidedLabel.h"
#include "host/sim/SimHost.h"
#include "report/protocol/StandInOffice.h"
#include "support/ExamplePrograms.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace korvex {
namespace {

// The width a text needs beside the width it has, for the texts a window shows in full.
struct TextWidth {
    QString text;
    int needed = 0;
};

int pushButtonWidth(const QPushButton& button) {
    const int icon = button.icon().isNull() ? 0 : button.iconSize().width() + 4;
    QString text = button.text();
    text.remove(u'&');
    return button.fontMetrics().horizontalAdvance(text) + icon +
           button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
           2 * button.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
}

int groupBoxTitleWidth(const QGroupBox& box) {
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QSize title(box.fontMetrics().horizontalAdvance(box.title() + u' '), 0);
    return box.style()->sizeFromContents(QStyle::CT_GroupBox, &option, title, &box).width();
}

// Labels that wrap or shorten their text on purpose have no single-line width to keep.
std::optional<TextWidth> shownText(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->wordWrap() || qobject_cast<const ElidedLabel*>(label) != nullptr) {
            return std::nullopt;
        }
        return TextWidth{label->text(), label->sizeHint().width()};
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        return TextWidth{button->text(), pushButtonWidth(*button)};
    }
    if (qobject_cast<const QCheckBox*>(&widget) != nullptr ||
        qobject_cast<const QRadioButton*>(&widget) != nullptr) {
        return TextWidth{static_cast<const QAbstractButton&>(widget).text(), widget.sizeHint().width()};
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        return TextWidth{box->title(), groupBoxTitleWidth(*box)};
    }
    return std::nullopt;
}

// Every text of the window that needs more width than its widget has.
QStringList cutTexts(const QWidget& window) {
    QStringList cut;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window || !widget->isVisibleTo(&window)) {
            continue;
        }
        const std::optional<TextWidth> shown = shownText(*widget);
        if (shown && !shown->text.isEmpty() && shown->needed > widget->width()) {
            cut.append(QStringLiteral("%1 \"%2\" needs %3, has %4")
                           .arg(widget->objectName(), shown->text)
                           .arg(shown->needed)
                           .arg(widget->width()));
        }
    }
    return cut;
}

QWidget* openDialog(const char* name) {
    QApplication::processEvents();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(name) && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

void expectWhole(const QWidget& window, const QString& where) {
    const QStringList cut = cutTexts(window);
    EXPECT_TRUE(cut.isEmpty()) << where.toStdString() << ":\n" << cut.join(u'\n').toStdString();
}

class TextFitTest : public WindowFixture {
  protected:
    TextFitTest() {
        const QString programFile = dir_.filePath(QStringLiteral("Welle.json"));
        SimProgram program = test::exampleProgram(QStringLiteral("housing.json"));
        program.partProgram.fileName = programFile;
        test::writeProgram(program, programFile);
        connector_.setApplication(std::make_shared<SimHost>(program, programFile));
        office_ = &standInOffice_;
    }

    void trigger(const char* action) { child<QAction>(action)->trigger(); }

    // Opens each dialog the way the program does, checks its texts and closes it again.
    void checkDialogs(const QString& language) {
        const std::vector<std::pair<const char*, std::function<void()>>> dialogs = {
            {"frm_Fensterpos", [this] { trigger("Menue_Window_Pos"); }},
            {"frm_ASCII_Setup", [this] { trigger("menuASCII"); }},
            {"frm_Ausgabedatei_Setup", [this] { trigger("menuAusgabedatei"); }},
            {"frm_SelectFolder", [this] { window_->askForOutputFolder(); }},
            {"frm_About", [this] { trigger("Menue_Info"); }},
            {"frm_BatchFile", [this] { trigger("Menue_BatchFile"); }},
            {"frm_SavePartProgram", [this] { trigger("Toolbar1_SavePartProgram"); }},
            {"frm_Kopfdaten", [this] { trigger("menuKopfdaten"); }},
            {"frm_BerichtDesign", [this] { trigger("menuFormular"); }},
        };
        for (const auto& [name, open] : dialogs) {
            open();
            QWidget* dialog = openDialog(name);
            ASSERT_NE(dialog, nullptr) << name << " in " << language.toStdString();
            expectWhole(*dialog, QString::fromLatin1(name) + u' ' + language);
            delete dialog;
        }
    }

    // The live protocol's window, taking values over and paused; its stop brings the main window back.
    void checkOnlineWindow(const QString& language) {
        trigger("Toolbar1_LiveProtocol");
        QWidget* online = openDialog("frm_Online");
        ASSERT_NE(online, nullptr) << language.toStdString();
        expectWhole(*online, QStringLiteral("frm_Online ") + language);
        online->findChild<QPushButton*>(QStringLiteral("cmdPause"))->click();
        expectWhole(*online, QStringLiteral("frm_Online paused ") + language);
        online->findChild<QPushButton*>(QStringLiteral("cmdStopOnline"))->click();
        ASSERT_TRUE(window_->isVisible()) << language.toStdString();
    }

    test::StandInOffice standInOffice_;
};

TEST_F(TextFitTest, EveryWindowShowsItsTextsWholeAtItsDefaultSizeInEveryShippedLanguage) {
    openWindow().resize(MainWindow::kDefaultSize);
    window_->show();
    const std::vector<std::pair<const char*, QString>> languages = {
        {"menuGerman", QStringLiteral("German")},   {"menuEnglish", QStringLiteral("English")},
        {"menuFrench", QStringLiteral("French")},   {"menuItalian", QStringLiteral("Italian")},
        {"menuSpanish", QStringLiteral("Spanish")}, {"menuPortuguese", QStringLiteral("Portuguese")},
        {"menuCzech", QStringLiteral("Czech")},     {"menuUngarisch", QStringLiteral("Hungary")},
    };
    for (const auto& [item, language] : languages) {
        user_.messages.clear();
        trigger(item);
        ASSERT_TRUE(user_.messages.empty()) << language.toStdString();
        ASSERT_EQ(test::readFile(activeLanguageFilePath(session_.programFolder)),
                  test::readFile(languageFilePath(session_.programFolder, language)));
        window_->show();
        QApplication::processEvents();
        expectWhole(*window_, QStringLiteral("frm_Hauptfenster ") + language);
        checkDialogs(language);
        // The protocol's stop shows the main window again, so the next language is chosen in the
        // shown window, as the operator does.
        checkOnlineWindow(language);
    }
}

}  // namespace
}  // namespace korvex
