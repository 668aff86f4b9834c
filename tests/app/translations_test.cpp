#include "app/app_translations.h"
#include "main_window_fixture.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <map>

namespace {

// The language the test's environment chose (ctest runs this binary under a
// German and under the C locale).
bool ExpectGerman() {
    return qEnvironmentVariable("LUMVANE_EXPECTED_LANGUAGE") == QLatin1String("de");
}

QStringList MenuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* action : bar->actions())
        titles.append(action->text());
    return titles;
}

// The mnemonic letter of a menu text ("Speichern &unter..." -> 'u'), or 0.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return QChar();
}

} // namespace

// The real window, started the way the program starts: translations for the
// system's locale installed before the window is built.
class WindowLanguage : public MainWindowTest {
protected:
    static void SetUpTestSuite() { InstallTranslations(QLocale::system()); }
};

TEST_F(WindowLanguage, MenusAndStatusBarSpeakTheSystemsLanguage) {
    QMenuBar* bar = frame->menuBar();
    if (ExpectGerman()) {
        EXPECT_EQ(MenuTitles(bar), QStringList({"&Datei", "&Bearbeiten", "&Ansicht", "&Objekt",
                                                "Aus&richten", "&Z-Reihenfolge", "&Hilfe"}));
        EXPECT_EQ(Action(CommandId::kFileSaveAs)->text(), "Speichern &unter...");
        EXPECT_EQ(Action(CommandId::kPaste)->statusTip(),
                  "Objekte, Text oder Bild aus der Zwischenablage einfügen");
        EXPECT_EQ(frame->statusBar()->currentMessage(), "Bereit");
    } else {
        EXPECT_EQ(MenuTitles(bar), QStringList({"&File", "&Edit", "&View", "&Object", "&Align",
                                                "&Z-order", "&Help"}));
        EXPECT_EQ(Action(CommandId::kFileSaveAs)->text(), "Save &As...");
        EXPECT_EQ(Action(CommandId::kPaste)->statusTip(),
                  "Insert the clipboard's objects, text or picture");
        EXPECT_EQ(frame->statusBar()->currentMessage(), "Ready");
    }
}

TEST_F(WindowLanguage, StandardDialogButtonsFollowWhenQtHasTheLanguage) {
    const QString qtCatalogue =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    if (ExpectGerman() && !QFile::exists(qtCatalogue))
        GTEST_SKIP() << "Qt's own translations are not installed";
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    // Some platform themes give the buttons a mnemonic, some do not.
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&'),
              ExpectGerman() ? "Abbrechen" : "Cancel");
}

// Within one menu no two items may answer to the same Alt letter, or the
// keyboard reaches only the first of them. The English texts are given as
// they are; the German ones are ours to choose.
TEST_F(WindowLanguage, EveryMenuGivesItsItemsDistinctMnemonics) {
    if (!ExpectGerman())
        GTEST_SKIP() << "the English menu texts are kept as they are";
    QList<QWidget*> menus{frame->menuBar()};
    for (QMenu* menu : frame->findChildren<QMenu*>())
        menus.append(menu);
    ASSERT_GT(menus.size(), 8);
    for (QWidget* menu : menus) {
        std::map<QChar, QString> owner;
        for (QAction* action : menu->actions()) {
            const QChar letter = Mnemonic(action->text());
            if (letter.isNull())
                continue;
            const auto [it, inserted] = owner.emplace(letter, action->text());
            EXPECT_TRUE(inserted) << "'" << it->second.toStdString() << "' and '"
                                  << action->text().toStdString() << "' share &"
                                  << QString(letter).toStdString();
        }
    }
}

namespace {

struct CatalogueEntry {
    QString context;
    QString source;
    QStringList translations; // one, or one per plural form
    QString type;             // "unfinished", "vanished", "obsolete" or empty
};

QList<CatalogueEntry> ReadCatalogue(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<CatalogueEntry> entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            entries.append({context, {}, {}, {}});
        } else if (xml.name() == u"source" && !entries.isEmpty()) {
            entries.last().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !entries.isEmpty()) {
            CatalogueEntry& entry = entries.last();
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            QString text;
            while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::EndElement &&
                                     xml.name() == u"translation")) {
                if (xml.isStartElement() && xml.name() == u"numerusform")
                    entry.translations.append(xml.readElementText());
                else if (xml.isCharacters())
                    text += xml.text();
            }
            if (entry.translations.isEmpty())
                entry.translations.append(text);
        }
    }
    return entries;
}

// What a translation must carry over unchanged: the %1 and %n arguments and the
// <tags> (markup, and the album placeholders such as <title01>).
QStringList Tokens(const QString& text) {
    static const QRegularExpression token(QStringLiteral("%L?(?:\\d+|n)|<[^<>]+>"));
    QStringList tokens;
    for (auto it = token.globalMatch(text); it.hasNext();)
        tokens.append(it.next().captured());
    tokens.sort();
    return tokens;
}

} // namespace

// lupdate merges the texts of today's sources into a copy of the German
// catalogue: every one of them needs a finished translation, so a new text
// without one fails here, not in front of a German user.
TEST(TranslationCatalogue, EveryTextOfTheSourcesHasAFinishedGermanTranslation) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("lumvane_de.ts"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(LUMVANE_TS_FILE), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUMVANE_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("@" LUMVANE_TR_SOURCES_LIST), QStringLiteral("-ts"), copy});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const QList<CatalogueEntry> entries = ReadCatalogue(copy);
    ASSERT_GT(entries.size(), 200);
    int live = 0;
    for (const CatalogueEntry& entry : entries) {
        if (entry.type == u"vanished" || entry.type == u"obsolete")
            continue;
        ++live;
        const std::string where =
            entry.context.toStdString() + ": \"" + entry.source.toStdString() + "\"";
        EXPECT_TRUE(entry.type.isEmpty()) << "no finished German text for " << where;
        for (const QString& translation : entry.translations) {
            EXPECT_FALSE(translation.isEmpty()) << "no German text for " << where;
            EXPECT_EQ(Tokens(translation), Tokens(entry.source)) << where;
            if (!Mnemonic(entry.source).isNull()) {
                EXPECT_FALSE(Mnemonic(translation).isNull()) << "mnemonic lost in " << where;
            }
        }
    }
    EXPECT_GT(live, 200);
}

// The English catalogue holds the plural forms of every text with a count, so
// a new "%n thing(s)" fails here rather than reading "(s)" to English users.
TEST(TranslationCatalogue, EveryCountedTextHasItsEnglishPluralForms) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("lumvane_en.ts"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(LUMVANE_TS_PLURALS_FILE), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUMVANE_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-pluralonly"),
                   QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("@" LUMVANE_TR_SOURCES_LIST), QStringLiteral("-ts"), copy});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    int live = 0;
    for (const CatalogueEntry& entry : ReadCatalogue(copy)) {
        if (entry.type == u"vanished" || entry.type == u"obsolete")
            continue;
        ++live;
        const std::string where =
            entry.context.toStdString() + ": \"" + entry.source.toStdString() + "\"";
        EXPECT_TRUE(entry.type.isEmpty()) << "no finished English plurals for " << where;
        ASSERT_EQ(entry.translations.size(), 2) << where;
        for (const QString& form : entry.translations)
            EXPECT_EQ(Tokens(form), Tokens(entry.source)) << where;
        EXPECT_NE(entry.translations[0], entry.translations[1]) << where;
    }
    EXPECT_GE(live, 3);
}

// Counts read as English under the C locale and under a language Lumvane has
// no catalogue for; a language's own catalogue still has the last word.
TEST(Translator, CountsReadAsEnglishWhereNoLanguageTakesOver) {
    auto tracks = [](int n) {
        return QCoreApplication::translate("CTrackInfoDialog", "%n track(s) from music files.",
                                           nullptr, n);
    };
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::French, QLocale::France),
                                  QLocale(QLocale::English, QLocale::UnitedStates)}) {
        InstallTranslations(locale);
        EXPECT_EQ(tracks(1), "1 track from music files.") << locale.name().toStdString();
        EXPECT_EQ(tracks(2), "2 tracks from music files.") << locale.name().toStdString();
    }
    InstallTranslations(QLocale(QLocale::German));
    EXPECT_EQ(tracks(2), "2 Titel aus Musikdateien.");
    InstallTranslations(QLocale::system());
}

// Installing for another locale replaces the translation before it; a locale
// Lumvane has no translation for gets English throughout, not English menus
// beside the standard buttons in the other language.
TEST(Translator, InstallsOnlyLanguagesLumvaneSpeaksAndReplacesTheLastOne) {
    auto file = [] { return QCoreApplication::translate("WindowMenus", "&File"); };
    auto cancel = [] {
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        return buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&');
    };
    EXPECT_TRUE(InstallTranslations(QLocale(QLocale::German, QLocale::Austria)));
    EXPECT_EQ(file(), "&Datei");
    EXPECT_FALSE(InstallTranslations(QLocale(QLocale::French, QLocale::France)));
    EXPECT_EQ(file(), "&File");
    EXPECT_EQ(cancel(), "Cancel");
    EXPECT_TRUE(InstallTranslations(QLocale(QLocale::German)));
    EXPECT_FALSE(InstallTranslations(QLocale::c()));
    EXPECT_EQ(file(), "&File");
    InstallTranslations(QLocale::system());
}
