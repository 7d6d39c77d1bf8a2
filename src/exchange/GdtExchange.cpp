#include "GdtExchange.h"

#include "Units.h"

#include "CheckedFile.h"
#include "Paths.h"
#include "Reports.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <QTemporaryFile>
#include <algorithm>

namespace zud {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("Gdt", text);
}

void Log(const QString& line) {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    QFile f(LogFilePath());
    if (f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        f.write(QStringLiteral("%1 %2 %3\n")
                    .arg(locale.toString(now.time(), QLocale::ShortFormat),
                         locale.toString(now.date(), QLocale::ShortFormat), line)
                    .toUtf8());
    }
}

// Moves a refused file into "fehler" below its folder.
QString PutAside(const QString& path) {
    const QFileInfo info(path);
    QDir dir = info.dir();
    if (!dir.mkpath(QStringLiteral("fehler"))) {
        return QString();
    }
    // A name already there gets the time, and a number when that is taken too.
    QString target = dir.filePath(QStringLiteral("fehler/") + info.fileName());
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; QFileInfo::exists(target) && n < 10000; ++n) {
        target = dir.filePath(QStringLiteral("fehler/%1-%2-%3").arg(info.fileName(), stamp).arg(n));
    }
    return QFile::rename(path, target) ? target : QString();
}

GdtRequestOutcome Refuse(const QString& path, const QString& why) {
    GdtRequestOutcome r;
    r.MovedTo = PutAside(path);
    const QString name = QFileInfo(path).fileName();
    r.Message =
        r.MovedTo.isEmpty()
            ? Tr(QT_TRANSLATE_NOOP(
                     "Gdt", "Die GDT-Datei %1 wurde abgelehnt: %2 Sie konnte nicht in den Ordner „fehler“ "
                            "verschoben werden; bitte entfernen Sie sie von Hand."))
                  .arg(name, why)
            : Tr(QT_TRANSLATE_NOOP(
                     "Gdt", "Die GDT-Datei %1 wurde abgelehnt und in den Ordner „fehler“ verschoben: %2"))
                  .arg(name, why);
    Log(QStringLiteral("GDT: %1").arg(r.Message));
    return r;
}

std::optional<qint64> PatientByNumber(PatientDatabase& dm, const QString& nummer) {
    const auto rows = dm.Db().Query(
        QStringLiteral("select IDENTIFIKATION from QALPatient where NUMMER = ? order by IDENTIFIKATION"),
        {nummer});
    if (rows.empty()) {
        return std::nullopt;
    }
    return rows.front().Int(QStringLiteral("IDENTIFIKATION"));
}

QString Zahl(double v) {
    return QString::number(v, 'f', 1);
}

} // namespace

GdtRequestOutcome TakeGdtRequest(PatientDatabase& dm, const QString& path, const GdtSettings& s) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        GdtRequestOutcome r;
        r.Message = Tr(QT_TRANSLATE_NOOP("Gdt", "Die GDT-Datei %1 kann nicht gelesen werden: %2"))
                        .arg(path, f.errorString());
        return r;
    }
    const QByteArray bytes = f.read(gdt::kMaxDateigroesse + 1);
    f.close();
    const gdt::Anfrageergebnis a = gdt::LeseAnfrage(bytes, s.OwnId, QFileInfo(path).absolutePath());
    if (!a.Ok()) {
        return Refuse(path, gdt::FehlerText(a.Fehler));
    }
    const gdt::Anfrage& q = *a.Request;

    GdtRequestOutcome r;
    r.Request = q;
    try {
        std::optional<qint64> id;
        if (!q.Nummer.isEmpty()) {
            id = PatientByNumber(dm, q.Nummer);
        }
        if (!id && !q.Name.isEmpty() && !q.Vorname.isEmpty() && q.Geburtstag.isValid()) {
            id = dm.FindPatient(q.Name, q.Vorname, q.Geburtstag);
            if (id && !q.Nummer.isEmpty()) {
                // The practice software's number goes to the patient found by name.
                auto p = dm.GetPatient(*id);
                if (p && p->Nummer != q.Nummer) {
                    p->Nummer = q.Nummer;
                    dm.UpdatePatient(*p);
                }
            }
        }
        if (!id) {
            Patient p;
            p.Nummer = q.Nummer;
            p.Name = q.Name;
            p.Vorname = q.Vorname;
            p.Geburtstag = q.Geburtstag;
            p.Geschlecht = q.Geschlecht;
            id = dm.AddPatient(p);
            r.Created = true;
        }
        r.Patient = *id;
        if (q.Satzart == gdt::kUntersuchungZeigen) {
            r.Recording = dm.FindRecording(*id, q.Datum, q.Uhrzeit);
        }
        dm.SelectPatient(*id);
    } catch (const DataError& e) {
        return Refuse(path, e.Message());
    } catch (const db::DbError& e) {
        return Refuse(path, db::DescribeError(e));
    }

    if (!QFile::remove(path)) {
        Log(QStringLiteral("GDT: %1 konnte nach der Übernahme nicht gelöscht werden").arg(path));
    }
    r.Ok = true;
    const QString wer = QStringLiteral("%1, %2").arg(q.Name, q.Vorname);
    if (q.Satzart == gdt::kUntersuchungZeigen && !r.Recording) {
        r.Message = Tr(QT_TRANSLATE_NOOP(
                           "Gdt", "Praxissoftware: Die Übung vom %1 um %2 von %3 ist nicht gespeichert."))
                        .arg(q.Datum.toString(QStringLiteral("dd.MM.yyyy")),
                             q.Uhrzeit.toString(QStringLiteral("HH:mm:ss")), wer);
    } else if (r.Created) {
        r.Message = Tr(QT_TRANSLATE_NOOP("Gdt", "Praxissoftware: Patient %1 wurde angelegt.")).arg(wer);
    } else {
        r.Message = Tr(QT_TRANSLATE_NOOP("Gdt", "Praxissoftware: Patient %1 ausgewählt.")).arg(wer);
    }
    Log(QStringLiteral("GDT: %1 (%2)").arg(r.Message, QFileInfo(path).fileName()));
    return r;
}

QString GdtRequestInFolder(const QString& path, const GdtSettings& s, QString* error) {
    const QFileInfo folder(s.Folder);
    const bool ordner = s.On && !s.Folder.isEmpty() && folder.isDir();
    const QFileInfo file(path);
    if (ordner && file.absoluteDir().canonicalPath() == folder.canonicalFilePath()) {
        return path;
    }
    const auto fail = [&](const QString& why) {
        if (error) {
            *error =
                Tr(QT_TRANSLATE_NOOP("Gdt", "Die GDT-Datei %1 kann nicht gelesen werden: %2")).arg(path, why);
        }
        return QString();
    };
    QFile in(path);
    if (!file.isFile() || !in.open(QIODevice::ReadOnly)) {
        return fail(file.isFile() ? in.errorString()
                                  : Tr(QT_TRANSLATE_NOOP("Gdt", "Die Datei ist nicht vorhanden.")));
    }
    // Only what looks like a record of the practice software is taken: a file of any other kind
    // (or too large for a request) is neither copied into the shared folder nor put aside.
    const QByteArray bytes = in.read(gdt::kMaxDateigroesse + 1);
    const bool ziffern = bytes.size() >= 7 && std::all_of(bytes.begin(), bytes.begin() + 3,
                                                          [](char c) { return c >= '0' && c <= '9'; });
    if (bytes.size() > gdt::kMaxDateigroesse || !ziffern || bytes.mid(3, 4) != "8000") {
        return fail(
            Tr(QT_TRANSLATE_NOOP("Gdt", "Sie ist keine GDT-Datei (sie beginnt nicht mit dem Feld 8000) "
                                        "oder größer als eine Anfrage sein kann.")));
    }
    if (!ordner) {
        return path;
    }
    QTemporaryFile copy(QDir(s.Folder).filePath(QStringLiteral("uebergeben-XXXXXX-") + file.fileName()));
    copy.setAutoRemove(false);
    if (!copy.open() || copy.write(bytes) != bytes.size() || !copy.flush()) {
        const QString why = copy.errorString();
        copy.remove();
        return fail(why);
    }
    copy.close();
    Log(QStringLiteral("GDT: %1 übergeben als %2").arg(path, copy.fileName()));
    return copy.fileName();
}

QStringList PendingGdtRequests(const GdtSettings& s) {
    if (s.Folder.isEmpty()) {
        return {};
    }
    const QRegularExpression name(
        QStringLiteral("^%1\\.(GDT|\\d{3})$").arg(QRegularExpression::escape(s.OwnId + s.PvsId)),
        QRegularExpression::CaseInsensitiveOption);
    QStringList out;
    const QFileInfoList files = QDir(s.Folder).entryInfoList(QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo& f : files) {
        if (name.match(f.fileName()).hasMatch()) {
            out << f.absoluteFilePath();
        }
    }
    return out;
}

namespace {

// A group's mean, minimum and maximum; an empty group has no figures.
void GruppenWerte(std::vector<gdt::Testwert>& w, const UebungsFooter& f, const ReportedGroup& r,
                  const QString& einheit) {
    const PhaseGroup g = Gruppe(f, r.Source);
    if (g.count == 0) {
        return;
    }
    const QString name = ReportedGroupCaption(r);
    const QString ident = QString::fromLatin1(r.Ident);
    w.push_back({ident + QStringLiteral("_MW"), Tr(QT_TRANSLATE_NOOP("Gdt", "%1 Mittelwert")).arg(name),
                 Zahl(g.Mean()), einheit});
    w.push_back({ident + QStringLiteral("_MIN"), Tr(QT_TRANSLATE_NOOP("Gdt", "%1 Minimum")).arg(name),
                 Zahl(g.min), einheit});
    w.push_back({ident + QStringLiteral("_MAX"), Tr(QT_TRANSLATE_NOOP("Gdt", "%1 Maximum")).arg(name),
                 Zahl(g.max), einheit});
}

} // namespace

std::vector<gdt::Testwert> GdtTestValues(const Berichtsaufnahme& a, int druckEinheit) {
    const UebungsFooter& f = a.Footer;
    const QString druck = PressureUnit(druckEinheit);
    const int mode = a.Werte.Betriebsart;

    std::vector<gdt::Testwert> w;
    const Betriebsartinfo* info = Betriebsart(mode);
    w.push_back({QStringLiteral("BA"), Tr(QT_TRANSLATE_NOOP("Gdt", "Betriebsart")),
                 info ? QString::fromUtf8(info->Lang).trimmed() : QString::number(mode), QString()});
    w.push_back({QStringLiteral("DAUER"), Tr(QT_TRANSLATE_NOOP("Gdt", "Übungslänge")),
                 Zahl(a.Werte.Werte.size() / 10.0), QStringLiteral("s")});
    for (const ReportedGroup& r : ReportedGroups(mode)) {
        GruppenWerte(w, f, r, UnitOf(r.Unit, druckEinheit));
    }
    if (mode >= 4 && mode <= 7) {
        w.push_back({QStringLiteral("HALTEDAUER"), Tr(QT_TRANSLATE_NOOP("Gdt", "Haltedauer")),
                     Zahl(f.Haltedauer / 10.0), QStringLiteral("s")});
        w.push_back({QStringLiteral("BASISDRUCK"), Tr(QT_TRANSLATE_NOOP("Gdt", "Basisdruck")),
                     Zahl(f.Basisdruck), druck});
    }
    return w;
}

namespace {

// The result record's contents: who, when, the figures, the remarks and, with a report, its PDF
// file (`pdf`, in the exchange folder).
gdt::Ergebnis ResultRecord(PatientDatabase& dm, qint64 counter, const GdtSettings& s,
                           const GdtResultOptions& o, const Patient& patient, const Recording& rec,
                           const Berichtsaufnahme& a, QString* pdf) {
    const QDir dir(s.Folder);
    gdt::Ergebnis e;
    e.EigeneId = s.OwnId;
    e.PvsId = s.PvsId;
    e.Version = s.Version;
    e.Testcode = s.TestCode;
    e.Nummer = patient.Nummer;
    e.Name = patient.Name;
    e.Vorname = patient.Vorname;
    e.Geburtstag = patient.Geburtstag;
    e.Datum = rec.Datum;
    e.Uhrzeit = rec.Uhrzeit;
    e.Werte = GdtTestValues(a, o.DruckEinheit);
    const QString bemerkungen = dm.Remarks(counter).value_or(QString());
    if (!bemerkungen.trimmed().isEmpty()) {
        e.Bemerkungen = bemerkungen.split(QLatin1Char('\n'));
    }
    if (o.Pdf) {
        *pdf = QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("%1_%2.pdf").arg(s.OwnId).arg(counter)));
        e.PdfPfad = QDir::toNativeSeparators(*pdf);
        e.PdfBeschreibung = Tr(QT_TRANSLATE_NOOP("Gdt", "Bericht der Übung vom %1"))
                                .arg(rec.Datum.toString(QStringLiteral("dd.MM.yyyy")));
    }
    return e;
}

// The result file's name: the fixed one, or the first free number; never over a result the
// practice program has not collected when the settings ask to keep it.
QString ResultFilePath(const GdtSettings& s, const GdtResultOptions& o) {
    const QDir dir(s.Folder);
    QString ziel = dir.filePath(s.ResultFileName());
    if (s.Numbered) {
        ziel.clear();
        for (int n = 1; n <= 999; ++n) {
            const QString kandidat =
                dir.filePath(QStringLiteral("%1%2.%3").arg(s.PvsId, s.OwnId).arg(n, 3, 10, QLatin1Char('0')));
            if (!QFileInfo::exists(kandidat)) {
                ziel = kandidat;
                break;
            }
        }
        if (ziel.isEmpty()) {
            throw DataError(Tr(QT_TRANSLATE_NOOP(
                "Gdt", "Im GDT-Austauschordner liegen 999 unabgeholte Ergebnisdateien. Bitte prüfen "
                       "Sie, ob die Praxissoftware sie abholt.")));
        }
    }
    if (!s.Numbered && o.KeepUncollected && QFileInfo::exists(ziel)) {
        throw DataError(Tr(QT_TRANSLATE_NOOP(
                               "Gdt", "Die Praxissoftware hat das vorige Ergebnis (%1) noch nicht abgeholt. "
                                      "Bitte lassen Sie es dort einlesen oder stellen Sie in den "
                                      "GDT-Einstellungen nummerierte Ergebnisdateien ein."))
                            .arg(QDir::toNativeSeparators(ziel)));
    }
    return ziel;
}

void WriteReportPdf(const QString& pdf, const Patient& p, const Berichtsaufnahme& a,
                    const ChartOptionen& chart) {
    QString fehler;
    if (!SchreibePdf(
            pdf,
            [&](Seitenziel& z) {
                DrawAufnahmeSeite(*z.Painter, z.Seite, z.Dpi, p, a, chart);
                return true;
            },
            &fehler)) {
        throw DataError(fehler);
    }
}

} // namespace

QString WriteGdtResult(PatientDatabase& dm, qint64 counter, const GdtSettings& s, const GdtResultOptions& o) {
    if (const QString bad = s.Check(); !bad.isEmpty()) {
        throw DataError(bad);
    }
    const auto rec = dm.GetRecording(counter);
    if (!rec) {
        throw DataError(PatientDatabase::RecordingGoneText());
    }
    const auto patient = dm.GetPatient(rec->Patient);
    if (!patient) {
        throw DataError(Tr(QT_TRANSLATE_NOOP("Gdt", "Die Übung gehört zu keinem gespeicherten Patienten.")));
    }
    const Berichtsaufnahme a = LadeBerichtsaufnahme(*rec, o.DruckEinheit);
    QString pdf;
    const gdt::Ergebnis e = ResultRecord(dm, counter, s, o, *patient, *rec, a, &pdf);
    // Everything is encoded before any file is written: a text the character set cannot hold
    // leaves the folder as it was.
    QByteArray bytes;
    QString fehler;
    if (!gdt::SchreibeSatz(gdt::ErgebnisSatz(e, s.Charset), s.Charset, &bytes, &fehler)) {
        throw DataError(fehler);
    }
    const QString ziel = ResultFilePath(s, o);
    if (o.Pdf) {
        WriteReportPdf(pdf, *patient, a, o.Chart);
    }
    if (!SaveFile(ziel, bytes, &fehler)) {
        if (o.Pdf) {
            QFile::remove(pdf);
        }
        throw DataError(fehler);
    }
    Log(QStringLiteral("GDT: Ergebnis der Übung %1 geschrieben: %2").arg(counter).arg(ziel));
    return ziel;
}

} // namespace zud
