#pragma once

// The GDT file format (device data transfer with the practice software): one record a file,
// lines "LLLFFFFcontent" + CR LF, where LLL is the line's whole length in bytes and FFFF the
// field number. Reading is a pure function of the bytes and never trusts them: every line's
// length, the record length (8100), the version (9218) and the receiver (8315) are checked, and
// a file that breaks the format is refused with the number of the offending line. Writing
// computes every length itself and refuses a text the chosen character set cannot hold.
// Only QtCore: the fuzz target links this file alone.

#include <QByteArray>
#include <QChar>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>
#include <vector>

namespace zud::gdt {

// Field 9206, the character set of a file.
enum class Zeichensatz {
    Bit7 = 1,       // 7-bit, German reference version (umlauts on [ \ ] { | } ~)
    Cp437 = 2,      // IBM code page 437, the default
    Iso8859_15 = 3, // ISO 8859-15
};

QString Dekodiere(const QByteArray& bytes, Zeichensatz zs);
// False, with the first character it cannot hold in *bad, when `text` does not fit `zs`.
bool Kodiere(const QString& text, Zeichensatz zs, QByteArray* out, QChar* bad = nullptr);

struct Feld {
    int Kennung = 0;
    QString Inhalt;
    int Zeile = 0; // 1-based line number in the file
};

struct Satz {
    int Satzart = 0;
    std::vector<Feld> Felder; // every line, 8000 included, in file order

    // The first field `kennung`, if any.
    const Feld* Finde(int kennung) const;
    QString Wert(int kennung) const;
    // The line of the first field `kennung`; 0 when there is none.
    int Zeile(int kennung) const;
    void Add(int kennung, const QString& inhalt);
};

// What went wrong, in German, and where (line 0: the file as a whole).
struct Lesefehler {
    int Zeile = 0;
    QString Text;
};

struct Leseergebnis {
    std::optional<Satz> Record;
    Zeichensatz Zs = Zeichensatz::Cp437;
    Lesefehler Fehler;
    bool Ok() const { return Record.has_value(); }
};

// Files above this size are no GDT record.
constexpr qsizetype kMaxDateigroesse = 1 << 20;

// Reads one record: line structure and lengths, 8000 first, 8100 equal to the file's size,
// 9218 a version 02.xx or 03.xx, 9206 (default CP 437). With `eigeneId` given, 8315 must name it.
Leseergebnis LeseSatz(const QByteArray& bytes, const QString& eigeneId = QString());

// The line of the German message: "Zeile 3: …", or the text alone for line 0.
QString FehlerText(const Lesefehler& f);

// The whole file: every line with its length, 8100 set to the file's length (inserted after
// 8000 when the record has none). False with the German reason in *fehler when a text does
// not fit the character set or a line would be longer than 999 bytes.
bool SchreibeSatz(const Satz& satz, Zeichensatz zs, QByteArray* out, QString* fehler);

// --- requests of the practice software ---

constexpr int kStammdatenAnfordern = 6301;
constexpr int kUntersuchungAnfordern = 6302;
constexpr int kDatenUebermitteln = 6310;
constexpr int kUntersuchungZeigen = 6311;

struct Anfrage {
    int Satzart = 0;
    QString Sender;     // 8316, the practice software's ID
    QString Empfaenger; // 8315
    QString Version;    // 9218
    Zeichensatz Zs = Zeichensatz::Cp437;
    QString Nummer; // 3000
    QString Name, Vorname;
    QDate Geburtstag;    // invalid when not given
    int Geschlecht = -1; // 0 weiblich, 1 männlich, -1 not given
    // 6311: the examination to show.
    QDate Datum;
    QTime Uhrzeit;
};

struct Anfrageergebnis {
    std::optional<Anfrage> Request;
    Lesefehler Fehler;
    bool Ok() const { return Request.has_value(); }
};

// A request of type 6301, 6302 or 6311 addressed to `eigeneId`. A file reference (6305) that
// points outside `ordner` (the exchange folder) makes the file invalid; none is ever opened.
Anfrageergebnis LeseAnfrage(const QByteArray& bytes, const QString& eigeneId, const QString& ordner);

// --- results ---

struct Testwert {
    QString Ident;   // 8410
    QString Name;    // 8411
    QString Wert;    // 8420
    QString Einheit; // 8421, empty: none
};

struct Ergebnis {
    QString EigeneId, PvsId;
    QString Version = QStringLiteral("02.10");
    QString Testcode; // 8402
    QString Nummer, Name, Vorname;
    QDate Geburtstag;
    QDate Datum;
    QTime Uhrzeit;
    std::vector<Testwert> Werte;
    QStringList Bemerkungen; // 6227, one line each
    // The report file (6302..6305); empty: none.
    QString PdfPfad;
    QString PdfBeschreibung;
};

// The record 6310 of a result (without 8100 and 9206; SchreibeSatz and the caller add them).
Satz ErgebnisSatz(const Ergebnis& e, Zeichensatz zs);

// DDMMYYYY and HHMMSS as the fields carry them.
QString Datumsfeld(const QDate& d);
QString Zeitfeld(const QTime& t);
std::optional<QDate> LeseDatum(const QString& s);
std::optional<QTime> LeseZeit(const QString& s);

} // namespace zud::gdt
