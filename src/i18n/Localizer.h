#pragma once

// The program's language: the five languages it speaks, the current one, and the switch that
// replaces the installed translators (ours and Qt's own, so that standard dialog texts follow).
// German is the source language of every text, so German needs no translation file of ours.

#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>

#include <memory>

class QTranslator;

namespace zud::i18n {

struct Language {
    QString code;        // "de"
    QString nativeName;  // "Deutsch"
    QString englishName; // "German": also names the electrode picture file "epos.German"
};

class Localizer : public QObject {
    Q_OBJECT
public:
    // The program's one localizer.
    static Localizer& Instance();

    // A localizer of its own (tests); it shares the application's translator list with every
    // other localizer, so only one should be switching at a time.
    explicit Localizer(QObject* parent = nullptr);
    ~Localizer() override;

    // de, en, fr, it, pl.
    QList<Language> Languages() const;
    // The code of the language switched to last; "de" before any switch.
    QString Current() const;
    // The language of that code, or an empty Language for an unknown code.
    Language Find(const QString& code) const;

    // Installs the translations of `code` in place of the previous ones, stores the choice in
    // the per-user settings (key "Language") and emits Changed(). False for an unknown code or a
    // missing or unreadable translation file of ours; then nothing changes. A missing Qt
    // translation (package qt6-translations-l10n) leaves Qt's texts English and is no failure.
    bool Switch(const QString& code);
    // The same without storing the choice.
    bool Use(const QString& code);
    // At start: the stored choice, German when none is stored or it cannot be loaded.
    void LoadSaved();

    // Folder of our .qm files: ShareDir() + "translations/".
    static QString TranslationsDir();

    // The locale for dates and numbers: the system's, unless the system has none (C or POSIX,
    // as on a machine without LANG); then the program's language `code`, so that a German
    // program writes "09.12.2026" and "12,5" and not "9 Dec 2026" and "12.5".
    static QLocale LocaleFor(const QString& code, const QLocale& system);

signals:
    void Changed();

private:
    void RemoveTranslators();

    QString FCurrent = QStringLiteral("de");
    std::unique_ptr<QTranslator> FOwn;
    std::unique_ptr<QTranslator> FQt;
};

} // namespace zud::i18n
