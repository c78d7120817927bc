#include "app/core/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <array>
#include <utility>

namespace korvex {

QString qtLocaleOfLanguage(const QString& language) {
    static constexpr std::array<std::pair<const char16_t*, const char*>, 8> kLocales = {{
        {u"German", "de"},
        {u"English", "en"},
        {u"French", "fr"},
        {u"Italian", "it"},
        {u"Spanish", "es"},
        {u"Portuguese", "pt"},
        {u"Czech", "cs"},
        {u"Hungary", "hu"},
    }};
    for (const auto& [name, locale] : kLocales) {
        if (language == name) {
            return QString::fromLatin1(locale);
        }
    }
    return QStringLiteral("de");
}

QtTranslation::~QtTranslation() {
    QCoreApplication::removeTranslator(&translator_);
}

bool QtTranslation::follow(const QString& language) {
    const QString locale = qtLocaleOfLanguage(language);
    if (locale == locale_) {
        return !translator_.isEmpty();
    }
    locale_ = locale;
    QCoreApplication::removeTranslator(&translator_);
    if (!translator_.load(QStringLiteral("qtbase_") + locale,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    return QCoreApplication::installTranslator(&translator_);
}

}  // namespace korvex
