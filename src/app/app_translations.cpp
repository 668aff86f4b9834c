#include "app_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The translators hang on the application object under this name, so a
// second install can find and drop the first.
constexpr char kTranslatorName[] = "LumvaneTranslator";

bool Install(const QLocale& locale, const QString& catalogue, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(QLatin1String(kTranslatorName));
    if (!translator->load(locale, catalogue, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

bool InstallTranslations(const QLocale& locale) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr)
        return false;
    for (QTranslator* old : app->findChildren<QTranslator*>(QLatin1String(kTranslatorName),
                                                            Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    // English plural forms ("1 track" for "%n track(s)") under every language:
    // installed first, so that a language's own catalogue comes before them.
    Install(QLocale(QLocale::English), QStringLiteral("lumvane"), QStringLiteral(":/i18n"));
    // The C locale asks for no translation, whatever LANGUAGE lists (as
    // gettext has it); English has its plurals already. Otherwise the
    // locale's UI languages are tried in turn.
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return false;
    // Without a Lumvane translation Qt's own would only make a mixed window.
    if (!Install(locale, QStringLiteral("lumvane"), QStringLiteral(":/i18n")))
        return false;
    Install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}
