#pragma once

#include <QString>
#include <QTranslator>

namespace korvex {

// The locale of Qt's own texts (the buttons of message boxes and file dialogs) for a language name
// of the language menu; German for a name without one, as the built-in texts are German.
QString qtLocaleOfLanguage(const QString& language);

// Qt's own translations for the active language, installed in the application while this object
// lives, so that a German question gets "Ja" and "Nein" buttons.
class QtTranslation {
  public:
    QtTranslation() = default;
    ~QtTranslation();
    QtTranslation(const QtTranslation&) = delete;
    QtTranslation& operator=(const QtTranslation&) = delete;

    // Installs the translations for the language; false when none are installed on the system
    // (Qt's English texts are shown then).
    bool follow(const QString& language);

  private:
    QTranslator translator_;
    QString locale_;
};

}  // namespace korvex
