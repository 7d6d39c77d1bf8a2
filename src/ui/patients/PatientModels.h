#pragma once

// Table models of patients and recordings for the selection windows and the main window's
// lists: thousands of rows without one widget per cell.

#include "PatientDatabase.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QString>

#include <vector>

namespace zud::ui {

// The user's short date with a four-digit year ("08.12.2026" in German): birth dates span
// more than a century.
QString ShortDateFormat();
QString FormatDate(const QDate& d);
QDate ParseDate(const QString& text);
// "%s, %s, *%s": first name, surname, birth date.
QString PatientCaption(const Patient& p);
// The program name of a recording: bytes 42..66 of its 89-byte header, zero-padded text in
// the device character set of device language `sprache` (German unless told otherwise).
QString ProgramName(const QByteArray& kopf, int sprache = 0);
// The short and the long mode name of a stored BETRIEBSART (older rows mapped).
QString ModeShortName(int betriebsart);
QString ModeLongName(int betriebsart);

class PatientModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Name,
        Vorname,
        Geburtstag,
        Plz,
        Wohnort,
        Strasse,
        Nummer,
        Krankenkasse,
        VNummer,
        Telefon,
        Fax,
        Email,
        Groesse,
        Gewicht,
        Geschlecht
    };
    // The main window's list shows the first three columns, the selection window all.
    PatientModel(bool allColumns, QObject* parent = nullptr);
    void SetPatients(std::vector<Patient> patients);
    const Patient& At(int row) const { return FRows.at(size_t(row)); }
    // The row of a patient key, -1 when not listed.
    int RowOf(qint64 id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void Retranslate();

private:
    bool FAll;
    std::vector<Patient> FRows;
};

class RecordingModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The main window's list ("#", "Datum", "Uhrzeit", "Programmname", "Betriebsart") or the
    // selection window's ("Datum", "Uhrzeit", "Betriebsart" with the long name).
    enum Kind { MainList, Selection };
    // The main list's column of the program name.
    static constexpr int kProgramColumn = 3;
    RecordingModel(Kind kind, QObject* parent = nullptr);
    void SetRecordings(std::vector<Recording> recordings);
    const Recording& At(int row) const { return FRows.at(size_t(row)).r; }
    int RowOf(qint64 counter) const;
    // Column of "Datum" and "Uhrzeit".
    int DateColumn() const { return FKind == MainList ? 1 : 0; }
    int TimeColumn() const { return FKind == MainList ? 2 : 1; }
    // The headers of "Datum" and "Uhrzeit" show their sort direction ("ASC" or "DESC") as an arrow.
    void SetSortDirections(const QString& date, const QString& time);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    void Retranslate();

private:
    struct Row {
        Recording r;
        QString program, mode;
    };
    Kind FKind;
    std::vector<Row> FRows;
    QString FSortDate, FSortTime;
};

// The drag of a recording from the recording list: its COUNTER.
inline constexpr const char* kRecordingMime = "application/x-zud-recording";

} // namespace zud::ui
