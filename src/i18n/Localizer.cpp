#include "Localizer.h"

#include "Settings.h"
#include "Share.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zud::i18n {

namespace {

const QString kKey = QStringLiteral("Language");
const QString kSource = QStringLiteral("de");

} // namespace

Localizer& Localizer::Instance() {
    static Localizer instance;
    return instance;
}

Localizer::Localizer(QObject* parent) : QObject(parent) {}

Localizer::~Localizer() {
    RemoveTranslators();
}

QList<Language> Localizer::Languages() const {
    return {
        {QStringLiteral("de"), QStringLiteral("Deutsch"), QStringLiteral("German")},
        {QStringLiteral("en"), QStringLiteral("English"), QStringLiteral("English")},
        {QStringLiteral("fr"), QStringLiteral("Français"), QStringLiteral("French")},
        {QStringLiteral("it"), QStringLiteral("Italiano"), QStringLiteral("Italian")},
        {QStringLiteral("pl"), QStringLiteral("Polski"), QStringLiteral("Polish")},
    };
}

QString Localizer::Current() const {
    return FCurrent;
}

Language Localizer::Find(const QString& code) const {
    for (const Language& l : Languages()) {
        if (l.code == code) {
            return l;
        }
    }
    return {};
}

QString Localizer::TranslationsDir() {
    return ShareDir() + QStringLiteral("translations/");
}

void Localizer::RemoveTranslators() {
    // After the application object is gone (the instance lives until the program's end) there is
    // nothing left to remove the translators from.
    if (!QCoreApplication::instance()) {
        FOwn.reset();
        FQt.reset();
        return;
    }
    if (FOwn) {
        QCoreApplication::removeTranslator(FOwn.get());
        FOwn.reset();
    }
    if (FQt) {
        QCoreApplication::removeTranslator(FQt.get());
        FQt.reset();
    }
}

QLocale Localizer::LocaleFor(const QString& code, const QLocale& system) {
    if (system.language() == QLocale::C) {
        return QLocale(code);
    }
    return system;
}

bool Localizer::Switch(const QString& code) {
    if (!Use(code)) {
        return false;
    }
    Settings settings;
    settings.WriteString(kKey, code);
    settings.Sync();
    return true;
}

bool Localizer::Use(const QString& code) {
    if (Find(code).code.isEmpty()) {
        return false;
    }
    // Load everything first, so that a missing file leaves the current language in place.
    std::unique_ptr<QTranslator> own;
    if (code != kSource) {
        own = std::make_unique<QTranslator>();
        if (!own->load(QStringLiteral("zud_") + code, TranslationsDir())) {
            return false;
        }
    }
    auto qt = std::make_unique<QTranslator>();
    if (!qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        qt.reset();
    }

    RemoveTranslators();
    FOwn = std::move(own);
    FQt = std::move(qt);
    if (FQt) {
        QCoreApplication::installTranslator(FQt.get());
    }
    if (FOwn) {
        QCoreApplication::installTranslator(FOwn.get());
    }
    FCurrent = code;
    QLocale::setDefault(LocaleFor(code, QLocale::system()));
    emit Changed();
    return true;
}

void Localizer::LoadSaved() {
    const QString saved = Settings().ReadString(kKey, kSource);
    if (!Use(saved)) {
        Use(kSource);
    }
}

} // namespace zud::i18n
