#include "GdtFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace zud::gdt {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("Gdt", text);
}

// Code page 437, bytes 0x80..0xFF.
constexpr std::array<char16_t, 128> kCp437 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320,
    0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0};

// ISO 8859-15 is Latin-1 but for eight places.
constexpr std::array<std::pair<unsigned char, char16_t>, 8> kIso15 = {{{0xA4, 0x20AC},
                                                                       {0xA6, 0x0160},
                                                                       {0xA8, 0x0161},
                                                                       {0xB4, 0x017D},
                                                                       {0xB8, 0x017E},
                                                                       {0xBC, 0x0152},
                                                                       {0xBD, 0x0153},
                                                                       {0xBE, 0x0178}}};

// The German reference version of the 7-bit code.
constexpr std::array<std::pair<unsigned char, char16_t>, 8> kDin66003 = {{{'@', 0x00A7},
                                                                          {'[', 0x00C4},
                                                                          {'\\', 0x00D6},
                                                                          {']', 0x00DC},
                                                                          {'{', 0x00E4},
                                                                          {'|', 0x00F6},
                                                                          {'}', 0x00FC},
                                                                          {'~', 0x00DF}}};

char16_t ZeichenVon(unsigned char b, Zeichensatz zs) {
    switch (zs) {
    case Zeichensatz::Bit7:
        for (const auto& [code, c] : kDin66003) {
            if (code == b) {
                return c;
            }
        }
        // An eighth bit has no meaning in a 7-bit file.
        return b < 0x80 ? char16_t(b) : char16_t(QChar::ReplacementCharacter);
    case Zeichensatz::Cp437:
        return b < 0x80 ? char16_t(b) : kCp437[b - 0x80];
    case Zeichensatz::Iso8859_15:
        for (const auto& [code, c] : kIso15) {
            if (code == b) {
                return c;
            }
        }
        return char16_t(b);
    }
    return char16_t(b);
}

std::optional<unsigned char> ByteVon(char16_t c, Zeichensatz zs) {
    switch (zs) {
    case Zeichensatz::Bit7:
        for (const auto& [code, z] : kDin66003) {
            if (z == c) {
                return code;
            }
            if (code == c) {
                return std::nullopt; // the place is taken by an umlaut
            }
        }
        return c < 0x80 ? std::optional<unsigned char>(static_cast<unsigned char>(c)) : std::nullopt;
    case Zeichensatz::Cp437:
        if (c < 0x80) {
            return static_cast<unsigned char>(c);
        }
        for (size_t i = 0; i < kCp437.size(); ++i) {
            if (kCp437[i] == c) {
                return static_cast<unsigned char>(0x80 + i);
            }
        }
        return std::nullopt;
    case Zeichensatz::Iso8859_15:
        for (const auto& [code, z] : kIso15) {
            if (z == c) {
                return code;
            }
            if (code == c) {
                return std::nullopt; // replaced in this set
            }
        }
        return c < 0x100 ? std::optional<unsigned char>(static_cast<unsigned char>(c)) : std::nullopt;
    }
    return std::nullopt;
}

bool NurZiffern(const QByteArray& b) {
    return !b.isEmpty() && std::all_of(b.begin(), b.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct Rohzeile {
    int Kennung = 0;
    QByteArray Inhalt;
    int Zeile = 0;
};

Leseergebnis Fehler(int zeile, const QString& text) {
    Leseergebnis r;
    r.Fehler = {zeile, text};
    return r;
}

} // namespace

QString Dekodiere(const QByteArray& bytes, Zeichensatz zs) {
    QString s;
    s.reserve(bytes.size());
    for (const char b : bytes) {
        s.append(QChar(ZeichenVon(static_cast<unsigned char>(b), zs)));
    }
    return s;
}

bool Kodiere(const QString& text, Zeichensatz zs, QByteArray* out, QChar* bad) {
    QByteArray b;
    b.reserve(text.size());
    for (const QChar c : text) {
        const auto byte = ByteVon(c.unicode(), zs);
        if (!byte || *byte == '\r' || *byte == '\n') {
            if (bad) {
                *bad = c;
            }
            return false;
        }
        b.append(static_cast<char>(*byte));
    }
    if (out) {
        *out = b;
    }
    return true;
}

const Feld* Satz::Finde(int kennung) const {
    const auto it =
        std::find_if(Felder.begin(), Felder.end(), [&](const Feld& f) { return f.Kennung == kennung; });
    return it == Felder.end() ? nullptr : &*it;
}

QString Satz::Wert(int kennung) const {
    const Feld* f = Finde(kennung);
    return f ? f->Inhalt : QString();
}

int Satz::Zeile(int kennung) const {
    const Feld* f = Finde(kennung);
    return f ? f->Zeile : 0;
}

void Satz::Add(int kennung, const QString& inhalt) {
    Felder.push_back({kennung, inhalt, 0});
}

QString FehlerText(const Lesefehler& f) {
    return f.Zeile > 0 ? Tr(QT_TRANSLATE_NOOP("Gdt", "Zeile %1: %2")).arg(f.Zeile).arg(f.Text) : f.Text;
}

namespace {

// A check of the record: nothing, or the failure with its line.
using Befund = std::optional<Lesefehler>;

Befund Mangel(int zeile, const QString& text) {
    return Lesefehler{zeile, text};
}

// One line: its length, its field number and its content, ended by CR LF.
Befund PruefeZeile(const QByteArray& z, bool mitLf, int nr) {
    if (!mitLf || z.size() < 2 || z[z.size() - 2] != '\r') {
        return Mangel(
            nr, Tr(QT_TRANSLATE_NOOP("Gdt", "Die Zeile endet nicht mit CR LF (Datei unvollständig?).")));
    }
    if (z.size() < 9 || !NurZiffern(z.left(3)) || !NurZiffern(z.mid(3, 4))) {
        return Mangel(
            nr, Tr(QT_TRANSLATE_NOOP("Gdt", "Die Zeile hat nicht die Form Länge, Feldkennung, Inhalt.")));
    }
    const int laenge = z.left(3).toInt();
    if (laenge != z.size()) {
        return Mangel(
            nr, Tr(QT_TRANSLATE_NOOP("Gdt", "Die Zeilenlänge %1 stimmt nicht (tatsächlich %2 Zeichen)."))
                    .arg(laenge)
                    .arg(z.size()));
    }
    if (z.mid(7, z.size() - 9).contains('\r')) {
        return Mangel(nr, Tr(QT_TRANSLATE_NOOP("Gdt", "Die Zeile enthält ein CR.")));
    }
    return std::nullopt;
}

// The lines of the file up to `ende`, each checked.
Befund Zerlege(const QByteArray& bytes, qsizetype ende, std::vector<Rohzeile>& zeilen) {
    qsizetype pos = 0;
    int nr = 0;
    while (pos < ende) {
        ++nr;
        const qsizetype lf = bytes.indexOf('\n', pos);
        const bool mitLf = lf >= 0 && lf < ende;
        const qsizetype zeilenende = mitLf ? lf + 1 : ende;
        const QByteArray z = bytes.mid(pos, zeilenende - pos);
        if (Befund b = PruefeZeile(z, mitLf, nr)) {
            return b;
        }
        zeilen.push_back({z.mid(3, 4).toInt(), z.mid(7, z.size() - 9), nr});
        pos = zeilenende;
    }
    return std::nullopt;
}

// One record: it starts with its type, four digits, and no other type follows.
Befund PruefeSatzart(const std::vector<Rohzeile>& zeilen) {
    if (zeilen.empty() || zeilen.front().Kennung != 8000) {
        return Mangel(1, Tr(QT_TRANSLATE_NOOP("Gdt", "Der Satz beginnt nicht mit der Satzart (Feld 8000).")));
    }
    if (!NurZiffern(zeilen.front().Inhalt) || zeilen.front().Inhalt.size() != 4) {
        return Mangel(1, Tr(QT_TRANSLATE_NOOP("Gdt", "Die Satzart ist keine vierstellige Zahl.")));
    }
    for (size_t i = 1; i < zeilen.size(); ++i) {
        if (zeilen[i].Kennung == 8000) {
            return Mangel(zeilen[i].Zeile,
                          Tr(QT_TRANSLATE_NOOP("Gdt", "Die Datei enthält mehr als einen Satz.")));
        }
    }
    return std::nullopt;
}

const Rohzeile* FindeZeile(const std::vector<Rohzeile>& zeilen, int k) {
    for (const Rohzeile& z : zeilen) {
        if (z.Kennung == k) {
            return &z;
        }
    }
    return nullptr;
}

Befund PruefeSatzlaenge(const std::vector<Rohzeile>& zeilen, qsizetype ende) {
    const Rohzeile* laenge = FindeZeile(zeilen, 8100);
    if (!laenge) {
        return Mangel(0, Tr(QT_TRANSLATE_NOOP("Gdt", "Die Satzlänge (Feld 8100) fehlt.")));
    }
    if (!NurZiffern(laenge->Inhalt) || laenge->Inhalt.size() > 9 || laenge->Inhalt.toLongLong() != ende) {
        return Mangel(
            laenge->Zeile,
            Tr(QT_TRANSLATE_NOOP("Gdt", "Die Satzlänge %1 stimmt nicht mit der Dateigröße %2 überein."))
                .arg(QString::fromLatin1(laenge->Inhalt))
                .arg(ende));
    }
    return std::nullopt;
}

// The character set of field 9206; `zs` stays as it is without the field.
Befund LeseZeichensatz(const std::vector<Rohzeile>& zeilen, Zeichensatz& zs) {
    const Rohzeile* z = FindeZeile(zeilen, 9206);
    if (!z) {
        return std::nullopt;
    }
    const QByteArray v = z->Inhalt.trimmed();
    if (v == "1") {
        zs = Zeichensatz::Bit7;
    } else if (v == "2") {
        zs = Zeichensatz::Cp437;
    } else if (v == "3") {
        zs = Zeichensatz::Iso8859_15;
    } else {
        return Mangel(
            z->Zeile,
            Tr(QT_TRANSLATE_NOOP("Gdt", "Unbekannter Zeichensatz „%1“.")).arg(QString::fromLatin1(v)));
    }
    return std::nullopt;
}

Befund PruefeVersion(const std::vector<Rohzeile>& zeilen) {
    const Rohzeile* version = FindeZeile(zeilen, 9218);
    if (!version) {
        return Mangel(0, Tr(QT_TRANSLATE_NOOP("Gdt", "Die GDT-Version (Feld 9218) fehlt.")));
    }
    const QByteArray v = version->Inhalt.trimmed();
    if (!(v.startsWith("02.") || v.startsWith("03.")) || v.size() != 5 || !NurZiffern(v.mid(3))) {
        return Mangel(
            version->Zeile,
            Tr(QT_TRANSLATE_NOOP("Gdt", "Die GDT-Version „%1“ wird nicht unterstützt (2.x oder 3.x)."))
                .arg(QString::fromLatin1(v)));
    }
    return std::nullopt;
}

// With an own id, the record must be addressed to it (field 8315).
Befund PruefeEmpfaenger(const std::vector<Rohzeile>& zeilen, const QString& eigeneId, Zeichensatz zs) {
    if (eigeneId.isEmpty()) {
        return std::nullopt;
    }
    const Rohzeile* empfaenger = FindeZeile(zeilen, 8315);
    const QString e = empfaenger ? Dekodiere(empfaenger->Inhalt, zs).trimmed() : QString();
    if (e.compare(eigeneId.trimmed(), Qt::CaseInsensitive) != 0) {
        return Mangel(empfaenger ? empfaenger->Zeile : 0,
                      Tr(QT_TRANSLATE_NOOP("Gdt", "Die Datei ist an „%1“ gerichtet, nicht an „%2“."))
                          .arg(e, eigeneId.trimmed()));
    }
    return std::nullopt;
}

Satz BaueSatz(const std::vector<Rohzeile>& zeilen, Zeichensatz zs) {
    Satz s;
    s.Satzart = zeilen.front().Inhalt.toInt();
    s.Felder.reserve(zeilen.size());
    for (const Rohzeile& z : zeilen) {
        s.Felder.push_back({z.Kennung, Dekodiere(z.Inhalt, zs), z.Zeile});
    }
    return s;
}

} // namespace

Leseergebnis LeseSatz(const QByteArray& bytes, const QString& eigeneId) {
    if (bytes.isEmpty()) {
        return Fehler(0, Tr(QT_TRANSLATE_NOOP("Gdt", "Die GDT-Datei ist leer.")));
    }
    if (bytes.size() > kMaxDateigroesse) {
        return Fehler(0, Tr(QT_TRANSLATE_NOOP("Gdt", "Die GDT-Datei ist zu groß für einen Satz.")));
    }
    // Some practice programs end the file with the DOS end-of-file mark.
    qsizetype ende = bytes.size();
    if (bytes.back() == '\x1A') {
        --ende;
    }
    Leseergebnis r;
    std::vector<Rohzeile> zeilen;
    Befund b = Zerlege(bytes, ende, zeilen);
    if (!b) {
        b = PruefeSatzart(zeilen);
    }
    if (!b) {
        b = PruefeSatzlaenge(zeilen, ende);
    }
    if (!b) {
        b = LeseZeichensatz(zeilen, r.Zs);
    }
    if (!b) {
        b = PruefeVersion(zeilen);
    }
    if (!b) {
        b = PruefeEmpfaenger(zeilen, eigeneId, r.Zs);
    }
    if (b) {
        return Fehler(b->Zeile, b->Text);
    }
    r.Record = BaueSatz(zeilen, r.Zs);
    return r;
}

bool SchreibeSatz(const Satz& satz, Zeichensatz zs, QByteArray* out, QString* fehler) {
    // The 8100 line has a fixed width: five digits of length, 14 bytes in all.
    constexpr int kLaengenzeile = 3 + 4 + 5 + 2;
    std::vector<std::pair<int, QByteArray>> zeilen;
    bool mitLaenge = false;
    for (const Feld& f : satz.Felder) {
        if (f.Kennung == 8100) {
            mitLaenge = true;
            zeilen.emplace_back(8100, QByteArray());
            continue;
        }
        QByteArray b;
        QChar bad;
        if (!Kodiere(f.Inhalt, zs, &b, &bad)) {
            if (fehler) {
                *fehler = Tr(QT_TRANSLATE_NOOP(
                                 "Gdt",
                                 "Das Zeichen „%1“ in Feld %2 („%3“) kann im gewählten GDT-Zeichensatz nicht "
                                 "übertragen werden. Bitte wählen Sie in den Einstellungen einen anderen "
                                 "Zeichensatz oder ändern Sie den Text."))
                              .arg(bad)
                              .arg(f.Kennung)
                              .arg(f.Inhalt);
            }
            return false;
        }
        if (b.size() + 9 > 999) {
            if (fehler) {
                *fehler =
                    Tr(QT_TRANSLATE_NOOP("Gdt", "Der Inhalt von Feld %1 ist zu lang für eine GDT-Zeile."))
                        .arg(f.Kennung);
            }
            return false;
        }
        zeilen.emplace_back(f.Kennung, b);
    }
    if (!mitLaenge) {
        const auto nach = zeilen.empty() ? zeilen.end() : zeilen.begin() + 1;
        zeilen.insert(nach, {8100, QByteArray()});
    }
    qint64 gesamt = 0;
    for (const auto& [k, b] : zeilen) {
        gesamt += k == 8100 ? kLaengenzeile : b.size() + 9;
    }
    if (gesamt > 99999) {
        if (fehler) {
            *fehler = Tr(QT_TRANSLATE_NOOP("Gdt", "Der GDT-Satz ist länger als 99999 Zeichen."));
        }
        return false;
    }
    QByteArray datei;
    datei.reserve(static_cast<qsizetype>(gesamt));
    for (const auto& [k, b] : zeilen) {
        const QByteArray inhalt = k == 8100 ? QByteArray::number(gesamt).rightJustified(5, '0') : b;
        datei += QByteArray::number(inhalt.size() + 9).rightJustified(3, '0');
        datei += QByteArray::number(k).rightJustified(4, '0');
        datei += inhalt;
        datei += "\r\n";
    }
    if (out) {
        *out = datei;
    }
    return true;
}

QString Datumsfeld(const QDate& d) {
    return d.isValid() ? d.toString(QStringLiteral("ddMMyyyy")) : QString();
}

QString Zeitfeld(const QTime& t) {
    return t.isValid() ? t.toString(QStringLiteral("HHmmss")) : QString();
}

std::optional<QDate> LeseDatum(const QString& s) {
    const QString t = s.trimmed();
    if (t.size() != 8 || !std::all_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); })) {
        return std::nullopt;
    }
    const QDate d(t.mid(4, 4).toInt(), t.mid(2, 2).toInt(), t.left(2).toInt());
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}

std::optional<QTime> LeseZeit(const QString& s) {
    const QString t = s.trimmed();
    if ((t.size() != 4 && t.size() != 6) ||
        !std::all_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); })) {
        return std::nullopt;
    }
    const QTime z(t.left(2).toInt(), t.mid(2, 2).toInt(), t.size() == 6 ? t.mid(4, 2).toInt() : 0);
    return z.isValid() ? std::optional<QTime>(z) : std::nullopt;
}

namespace {

Befund PruefeAnfrageart(const Satz& s) {
    if (s.Satzart != kStammdatenAnfordern && s.Satzart != kUntersuchungAnfordern &&
        s.Satzart != kUntersuchungZeigen) {
        return Mangel(
            1, Tr(QT_TRANSLATE_NOOP("Gdt", "Die Satzart %1 wird nicht angenommen (6301, 6302 oder 6311)."))
                   .arg(s.Satzart));
    }
    return std::nullopt;
}

// A file reference is never opened; one that points out of the exchange folder marks a file
// that is not what it claims to be.
Befund PruefeDateiverweise(const Satz& s, const QString& ordner) {
    const QString basis = QDir::cleanPath(QFileInfo(ordner).absoluteFilePath());
    for (const Feld& f : s.Felder) {
        if (f.Kennung != 6305) {
            continue;
        }
        const QString p = f.Inhalt.trimmed();
        QString pfad = QDir::cleanPath(QDir::isAbsolutePath(p) ? p : basis + QLatin1Char('/') + p);
        if (p.contains(QLatin1Char('\\')) || p.contains(QLatin1Char(':')) || ordner.isEmpty() ||
            !(pfad.startsWith(basis + QLatin1Char('/')))) {
            return Mangel(f.Zeile,
                          Tr(QT_TRANSLATE_NOOP(
                                 "Gdt", "Der Dateiverweis „%1“ zeigt aus dem GDT-Austauschordner hinaus."))
                              .arg(p));
        }
    }
    return std::nullopt;
}

// The patient's fields; a number, or name and first name, must be there.
Befund LesePatient(const Satz& s, Anfrage& a) {
    a.Nummer = s.Wert(3000).trimmed();
    a.Name = s.Wert(3101).trimmed();
    a.Vorname = s.Wert(3102).trimmed();
    if (s.Finde(3103)) {
        const auto d = LeseDatum(s.Wert(3103));
        if (!d) {
            return Mangel(s.Zeile(3103),
                          Tr(QT_TRANSLATE_NOOP("Gdt", "Das Geburtsdatum „%1“ ist kein Datum (TTMMJJJJ)."))
                              .arg(s.Wert(3103)));
        }
        a.Geburtstag = *d;
    }
    const QString g = s.Wert(3110).trimmed().toUpper();
    if (g == QLatin1String("1") || g == QLatin1String("M")) {
        a.Geschlecht = 1;
    } else if (g == QLatin1String("2") || g == QLatin1String("W") || g == QLatin1String("F")) {
        a.Geschlecht = 0;
    }
    if (a.Nummer.isEmpty() && (a.Name.isEmpty() || a.Vorname.isEmpty())) {
        return Mangel(
            0, Tr(QT_TRANSLATE_NOOP(
                   "Gdt", "Die Anfrage nennt weder eine Patientennummer (3000) noch Name und Vorname.")));
    }
    return std::nullopt;
}

// The examination to show: its date and time.
Befund LeseUntersuchungszeit(const Satz& s, Anfrage& a) {
    const auto d = LeseDatum(s.Wert(6200));
    if (!d) {
        return Mangel(
            s.Zeile(6200),
            Tr(QT_TRANSLATE_NOOP("Gdt", "Das Datum der Untersuchung (Feld 6200) fehlt oder ist ungültig.")));
    }
    const auto t = LeseZeit(s.Wert(6201));
    if (!t) {
        return Mangel(s.Zeile(6201),
                      Tr(QT_TRANSLATE_NOOP(
                          "Gdt", "Die Uhrzeit der Untersuchung (Feld 6201) fehlt oder ist ungültig.")));
    }
    a.Datum = *d;
    a.Uhrzeit = *t;
    return std::nullopt;
}

} // namespace

Anfrageergebnis LeseAnfrage(const QByteArray& bytes, const QString& eigeneId, const QString& ordner) {
    Anfrageergebnis r;
    const Leseergebnis l = LeseSatz(bytes, eigeneId);
    if (!l.Ok()) {
        r.Fehler = l.Fehler;
        return r;
    }
    const Satz& s = *l.Record;
    Anfrage a;
    a.Satzart = s.Satzart;
    a.Sender = s.Wert(8316).trimmed();
    a.Empfaenger = s.Wert(8315).trimmed();
    a.Version = s.Wert(9218).trimmed();
    a.Zs = l.Zs;
    Befund b = PruefeAnfrageart(s);
    if (!b) {
        b = PruefeDateiverweise(s, ordner);
    }
    if (!b) {
        b = LesePatient(s, a);
    }
    if (!b && a.Satzart == kUntersuchungZeigen) {
        b = LeseUntersuchungszeit(s, a);
    }
    if (b) {
        r.Fehler = *b;
        return r;
    }
    r.Request = a;
    return r;
}

Satz ErgebnisSatz(const Ergebnis& e, Zeichensatz zs) {
    Satz s;
    s.Satzart = kDatenUebermitteln;
    s.Add(8000, QString::number(kDatenUebermitteln));
    s.Add(8100, QString());
    s.Add(8315, e.PvsId);
    s.Add(8316, e.EigeneId);
    s.Add(9206, QString::number(static_cast<int>(zs)));
    s.Add(9218, e.Version);
    if (!e.Nummer.isEmpty()) {
        s.Add(3000, e.Nummer);
    }
    s.Add(3101, e.Name);
    s.Add(3102, e.Vorname);
    if (e.Geburtstag.isValid()) {
        s.Add(3103, Datumsfeld(e.Geburtstag));
    }
    s.Add(6200, Datumsfeld(e.Datum));
    s.Add(6201, Zeitfeld(e.Uhrzeit));
    if (!e.Testcode.isEmpty()) {
        s.Add(8402, e.Testcode);
    }
    for (const Testwert& w : e.Werte) {
        s.Add(8410, w.Ident);
        s.Add(8411, w.Name);
        s.Add(8420, w.Wert);
        if (!w.Einheit.isEmpty()) {
            s.Add(8421, w.Einheit);
        }
    }
    for (const QString& b : e.Bemerkungen) {
        // Long remark lines go on in further lines of at most 60 characters.
        QString rest = b;
        do {
            s.Add(6227, rest.left(60));
            rest = rest.mid(60);
        } while (!rest.isEmpty());
    }
    if (!e.PdfPfad.isEmpty()) {
        s.Add(6302, QStringLiteral("1"));
        s.Add(6303, QStringLiteral("PDF"));
        s.Add(6304, e.PdfBeschreibung);
        s.Add(6305, e.PdfPfad);
    }
    return s;
}

} // namespace zud::gdt
