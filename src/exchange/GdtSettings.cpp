#include "GdtSettings.h"

#include "Settings.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zud {

namespace {

// The per-user value, else the machine-wide one, else the default.
QString Value(const Settings& s, const char* key, const QString& fallback) {
    const QString k = QString::fromLatin1(key);
    return s.ReadString(k, s.ReadString(k, fallback, true));
}

bool Flag(const Settings& s, const char* key, bool fallback) {
    const QString k = QString::fromLatin1(key);
    return s.ReadBool(k, s.ReadBool(k, fallback, true));
}

QString Tr(const char* text) {
    return QCoreApplication::translate("Gdt", text);
}

} // namespace

GdtSettings GdtSettings::Read(const Settings& s) {
    GdtSettings g;
    g.On = Flag(s, "GdtOn", g.On);
    g.Folder = Value(s, "GdtFolder", g.Folder).trimmed();
    g.OwnId = Value(s, "GdtOwnId", g.OwnId).trimmed();
    g.PvsId = Value(s, "GdtPvsId", g.PvsId).trimmed();
    const QString v = Value(s, "GdtVersion", g.Version).trimmed();
    g.Version = v == QLatin1String("03.00") ? v : QStringLiteral("02.10");
    const QString c = Value(s, "GdtCharset", QStringLiteral("2")).trimmed();
    g.Charset = c == QLatin1String("1")   ? gdt::Zeichensatz::Bit7
                : c == QLatin1String("3") ? gdt::Zeichensatz::Iso8859_15
                                          : gdt::Zeichensatz::Cp437;
    g.Auto = Flag(s, "GdtAuto", g.Auto);
    g.Pdf = Flag(s, "GdtPdf", g.Pdf);
    g.TestCode = Value(s, "GdtTestCode", g.TestCode).trimmed();
    g.Numbered = Flag(s, "GdtNumbered", g.Numbered);
    return g;
}

void GdtSettings::Write(Settings& s) const {
    s.WriteBool(QStringLiteral("GdtOn"), On);
    s.WriteString(QStringLiteral("GdtFolder"), Folder);
    s.WriteString(QStringLiteral("GdtOwnId"), OwnId);
    s.WriteString(QStringLiteral("GdtPvsId"), PvsId);
    s.WriteString(QStringLiteral("GdtVersion"), Version);
    s.WriteString(QStringLiteral("GdtCharset"), QString::number(static_cast<int>(Charset)));
    s.WriteBool(QStringLiteral("GdtAuto"), Auto);
    s.WriteBool(QStringLiteral("GdtPdf"), Pdf);
    s.WriteString(QStringLiteral("GdtTestCode"), TestCode);
    s.WriteBool(QStringLiteral("GdtNumbered"), Numbered);
}

QString GdtSettings::Check() const {
    const auto gueltigeId = [](const QString& id) {
        if (id.isEmpty() || id.size() > 8) {
            return false;
        }
        for (const QChar c : id) {
            if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != QLatin1Char('_') &&
                c != QLatin1Char('-')) {
                return false;
            }
        }
        return true;
    };
    if (Folder.isEmpty()) {
        return Tr(QT_TRANSLATE_NOOP("Gdt", "Bitte geben Sie den GDT-Austauschordner an."));
    }
    if (!QFileInfo(Folder).isDir()) {
        return Tr(QT_TRANSLATE_NOOP("Gdt", "Der GDT-Austauschordner „%1“ ist nicht vorhanden. Bitte legen "
                                           "Sie ihn an oder wählen Sie "
                                           "einen anderen."))
            .arg(Folder);
    }
    if (!gueltigeId(OwnId) || !gueltigeId(PvsId)) {
        return Tr(
            QT_TRANSLATE_NOOP("Gdt", "Die GDT-Kennungen müssen 1 bis 8 Buchstaben oder Ziffern lang sein."));
    }
    if (OwnId.compare(PvsId, Qt::CaseInsensitive) == 0) {
        return Tr(QT_TRANSLATE_NOOP(
            "Gdt", "Die eigene GDT-Kennung und die der Praxissoftware müssen sich unterscheiden."));
    }
    if (TestCode.size() > 60) {
        return Tr(QT_TRANSLATE_NOOP("Gdt", "Der Untersuchungscode ist zu lang."));
    }
    return QString();
}

QString GdtSettings::RequestFileName() const {
    return OwnId + PvsId + QStringLiteral(".GDT");
}

QString GdtSettings::ResultFileName() const {
    return PvsId + OwnId + QStringLiteral(".GDT");
}

} // namespace zud
