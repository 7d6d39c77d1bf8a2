#include "CheckedFile.h"
#include "Localizer.h"
#include "Settings.h"
#include "Share.h"
#include "TestEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cerrno>

using zud::i18n::Localizer;

namespace {

const QStringList kLanguages = {"de", "en", "fr", "it", "pl"};

struct TsEntry {
    QString context;
    QString source;
    QString type;      // attribute of <translation>
    QStringList texts; // the translation, or its plural forms
    bool numerus = false;
};

QList<TsEntry> ReadTs(const QString& path, QString* error) {
    QList<TsEntry> entries;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = "cannot open " + path;
        return entries;
    }
    QXmlStreamReader xml(&f);
    QString context;
    TsEntry cur;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            cur = TsEntry{context, {}, {}, {}, xml.attributes().value("numerus") == QLatin1String("yes")};
        } else if (name == QLatin1String("source")) {
            cur.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            cur.type = xml.attributes().value("type").toString();
            if (cur.numerus) {
                while (xml.readNextStartElement()) {
                    cur.texts << xml.readElementText();
                }
            } else {
                cur.texts << xml.readElementText();
            }
            entries << cur;
        }
    }
    if (xml.hasError()) {
        *error = path + ": " + xml.errorString();
    }
    return entries;
}

QString TsPath(const QString& lang) {
    return QStringLiteral(ZUD_SOURCE_DIR "/src/i18n/zud_%1.ts").arg(lang);
}

class LocalizerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        zud::test::IsolateProgramFolders(dir);
        qunsetenv("ZUD_SHARE_DIR");
    }
    void TearDown() override {
        Localizer l;
        l.Switch("de");
        qunsetenv("ZUD_SHARE_DIR");
    }
    QTemporaryDir dir;
};

} // namespace

TEST(Translations, EveryEntryOfEveryFileIsFinished) {
    for (const QString& lang : kLanguages) {
        QString error;
        const QList<TsEntry> entries = ReadTs(TsPath(lang), &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        EXPECT_FALSE(entries.isEmpty()) << lang.toStdString();
        for (const TsEntry& e : entries) {
            const std::string where = (lang + ": " + e.context + ": " + e.source).toStdString();
            EXPECT_NE(e.type, "unfinished") << where;
            EXPECT_NE(e.type, "vanished") << where;
            EXPECT_NE(e.type, "obsolete") << where;
            ASSERT_FALSE(e.texts.isEmpty()) << where;
            for (const QString& t : e.texts) {
                EXPECT_FALSE(t.trimmed().isEmpty()) << where;
            }
            // Placeholders must survive the translation.
            for (int n = 1; n <= 9; ++n) {
                const QString ph = QStringLiteral("%%1").arg(n);
                for (const QString& t : e.texts) {
                    EXPECT_EQ(e.source.contains(ph), t.contains(ph)) << where << " " << ph.toStdString();
                }
            }
        }
        // German is the source language: its translations are the source texts.
        if (lang == "de") {
            for (const TsEntry& e : entries) {
                // A text with a number: its plural form is the source, the singular its own.
                EXPECT_EQ(e.numerus ? e.texts.value(e.texts.size() - 1) : e.texts.value(0), e.source)
                    << e.source.toStdString();
            }
        }
    }
}

TEST(Translations, EveryTextOfTheCodeIsInEveryFile) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString fresh = tmp.filePath("zud_xx.ts");
    QProcess lupdate;
    lupdate.setWorkingDirectory(ZUD_SOURCE_DIR);
    lupdate.start(ZUD_LUPDATE, {"-silent", "-no-obsolete", "-locations", "none", "-source-language", "de",
                                "src", "tools", "-ts", fresh});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    QString error;
    const QList<TsEntry> used = ReadTs(fresh, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    // The code has texts today (the file writer's messages at least).
    ASSERT_GE(used.size(), 9);
    bool sawCheckedFile = false;
    for (const TsEntry& e : used) {
        sawCheckedFile |= e.context == "CheckedFile" && e.source == "der Ordner existiert nicht";
    }
    EXPECT_TRUE(sawCheckedFile);

    for (const QString& lang : kLanguages) {
        QSet<QString> have;
        for (const TsEntry& e : ReadTs(TsPath(lang), &error)) {
            have.insert(e.context + '\n' + e.source);
        }
        for (const TsEntry& e : used) {
            EXPECT_TRUE(have.contains(e.context + '\n' + e.source))
                << "zud_" << lang.toStdString() << ".ts lacks " << e.context.toStdString() << ": "
                << e.source.toStdString() << " (run scripts/lupdate)";
        }
    }
}

TEST(Translations, BuildCompiledAllFiveIntoTheShareFolder) {
    EXPECT_EQ(zud::ShareDir(), QStringLiteral(ZUD_SHARE_BUILD_DIR "/"));
    for (const QString& lang : kLanguages) {
        const QString qm = Localizer::TranslationsDir() + "zud_" + lang + ".qm";
        EXPECT_TRUE(QFile::exists(qm)) << qm.toStdString();
    }
}

TEST(Share, EnvironmentOverridesTheFolder) {
    qputenv("ZUD_SHARE_DIR", "/some/where");
    EXPECT_EQ(zud::ShareDir(), "/some/where/");
    qputenv("ZUD_SHARE_DIR", "/some/where/");
    EXPECT_EQ(zud::ShareDir(), "/some/where/");
    qunsetenv("ZUD_SHARE_DIR");
    EXPECT_TRUE(zud::ShareDir().endsWith("/share/zud-software/"));
}

TEST_F(LocalizerTest, ListsTheFiveLanguages) {
    Localizer l;
    const auto langs = l.Languages();
    ASSERT_EQ(langs.size(), 5);
    QStringList codes, natives, english;
    for (const auto& x : langs) {
        codes << x.code;
        natives << x.nativeName;
        english << x.englishName;
    }
    EXPECT_EQ(codes, kLanguages);
    EXPECT_EQ(natives, QStringList({"Deutsch", "English", "Français", "Italiano", "Polski"}));
    EXPECT_EQ(english, QStringList({"German", "English", "French", "Italian", "Polish"}));
    EXPECT_EQ(l.Current(), "de");
}

TEST_F(LocalizerTest, SwitchTranslatesCoreTextsAndPersists) {
    Localizer l;
    int changed = 0;
    QObject::connect(&l, &Localizer::Changed, [&changed] { ++changed; });
    ASSERT_TRUE(l.Switch("en"));
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(l.Current(), "en");
    EXPECT_EQ(zud::FileErrorReason(ENOENT), "the folder does not exist");
    QString error;
    EXPECT_FALSE(zud::SaveFile(dir.filePath("missing/x.txt"), "x", &error));
    EXPECT_TRUE(error.startsWith("Cannot write file: ")) << error.toStdString();
    EXPECT_EQ(zud::Settings().ReadString("Language", ""), "en");

    ASSERT_TRUE(l.Switch("pl"));
    EXPECT_EQ(zud::FileErrorReason(EROFS), "nośnik jest zabezpieczony przed zapisem");
    ASSERT_TRUE(l.Switch("fr"));
    EXPECT_EQ(zud::FileErrorReason(ENOENT), "le dossier n'existe pas");
    ASSERT_TRUE(l.Switch("it"));
    EXPECT_EQ(zud::FileErrorReason(ENOENT), "la cartella non esiste");
    // Back to the source language: the old translator is gone.
    ASSERT_TRUE(l.Switch("de"));
    EXPECT_EQ(zud::FileErrorReason(ENOENT), "der Ordner existiert nicht");
    EXPECT_EQ(changed, 5);

    ASSERT_TRUE(l.Switch("en"));
    Localizer again;
    EXPECT_EQ(again.Current(), "de");
    again.LoadSaved();
    EXPECT_EQ(again.Current(), "en");
    EXPECT_EQ(zud::FileErrorReason(ENOENT), "the folder does not exist");
}

TEST_F(LocalizerTest, QtsOwnTextsFollow) {
    Localizer l;
    ASSERT_TRUE(l.Switch("de"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    ASSERT_TRUE(l.Switch("fr"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Annuler");
    ASSERT_TRUE(l.Switch("en"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

TEST_F(LocalizerTest, UnknownCodeOrMissingFileChangesNothing) {
    Localizer l;
    ASSERT_TRUE(l.Switch("en"));
    int changed = 0;
    QObject::connect(&l, &Localizer::Changed, [&changed] { ++changed; });
    EXPECT_FALSE(l.Switch("xx"));
    EXPECT_FALSE(l.Switch(""));
    QTemporaryDir empty;
    qputenv("ZUD_SHARE_DIR", empty.path().toLocal8Bit());
    EXPECT_FALSE(l.Switch("fr"));
    EXPECT_EQ(l.Current(), "en");
    EXPECT_EQ(zud::FileErrorReason(ENOENT), "the folder does not exist");
    EXPECT_EQ(changed, 0);
    EXPECT_EQ(zud::Settings().ReadString("Language", ""), "en");
    // German needs no file of ours.
    EXPECT_TRUE(l.Switch("de"));
    EXPECT_EQ(zud::FileErrorReason(ENOENT), "der Ordner existiert nicht");
}

TEST_F(LocalizerTest, LoadSavedDefaultsToGerman) {
    {
        Localizer l;
        l.LoadSaved();
        EXPECT_EQ(l.Current(), "de");
    }
    zud::Settings s;
    s.WriteString("Language", "klingon");
    s.Sync();
    Localizer l;
    l.LoadSaved();
    EXPECT_EQ(l.Current(), "de");
    EXPECT_EQ(zud::FileErrorReason(ENOENT), "der Ordner existiert nicht");
}

TEST(Locale, DatesAndNumbersFollowTheLanguageOnlyWhereTheSystemHasNoLocale) {
    const QDate d(2026, 12, 9);
    // A machine without LANG: the program's language decides.
    const QLocale de = Localizer::LocaleFor("de", QLocale::c());
    EXPECT_EQ(de.toString(d, "dd.MM.yyyy"), "09.12.2026");
    EXPECT_EQ(de.toString(d, QLocale::ShortFormat), "09.12.26");
    EXPECT_EQ(de.toString(12.5, 'f', 1), "12,5");
    EXPECT_EQ(Localizer::LocaleFor("pl", QLocale::c()).toString(12.5, 'f', 1), "12,5");
    EXPECT_EQ(Localizer::LocaleFor("en", QLocale::c()).toString(12.5, 'f', 1), "12.5");
    // A therapist's own system settings win over the program's language.
    const QLocale ch(QLocale::German, QLocale::Switzerland);
    EXPECT_EQ(Localizer::LocaleFor("en", ch), ch);
    EXPECT_EQ(Localizer::LocaleFor("pl", QLocale(QLocale::English, QLocale::UnitedStates)).decimalPoint(),
              ".");
}
