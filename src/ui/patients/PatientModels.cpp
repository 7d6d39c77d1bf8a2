#include "PatientModels.h"

#include "DeviceFiles.h"
#include "RecordingCheck.h"
#include "Statistics.h"

#include <QLocale>
#include <QMimeData>

namespace zud::ui {

QString ShortDateFormat() {
    // Only digits and separators, days and months with two digits so that lists line up.
    return DatumsFormat();
}

QString FormatDate(const QDate& d) {
    return d.isValid() ? QLocale().toString(d, ShortDateFormat()) : QString();
}

QDate ParseDate(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    QDate d = QLocale().toDate(t, ShortDateFormat());
    if (!d.isValid()) {
        // Day and month typed with one digit ("1.2.1960").
        QString f = ShortDateFormat();
        f.replace(QLatin1String("dd"), QLatin1String("d")).replace(QLatin1String("MM"), QLatin1String("M"));
        d = QLocale().toDate(t, f);
    }
    return d;
}

QString PatientCaption(const Patient& p) {
    return QStringLiteral("%1, %2, *%3").arg(p.Vorname, p.Name, FormatDate(p.Geburtstag));
}

QString ProgramName(const QByteArray& kopf, int sprache) {
    if (kopf.size() < 67)
        return {};
    // The device character set: codes 1..31 are the national letters of the device language,
    // every other byte is ISO 8859-1.
    QString s;
    for (int i = 42; i < 67; ++i) {
        const auto b = uint8_t(kopf.at(i));
        if (b == 0)
            break;
        s += QChar(GeraetZuUnicode(b, sprache));
    }
    return s.trimmed();
}

QString ModeShortName(int betriebsart) {
    return BetriebsartKurzname(DisplayedMode(betriebsart) - 1);
}

QString ModeLongName(int betriebsart) {
    return BetriebsartName(DisplayedMode(betriebsart) - 1);
}

// ---------------------------------------------------------------- patients

PatientModel::PatientModel(bool allColumns, QObject* parent)
    : QAbstractTableModel(parent), FAll(allColumns) {}

void PatientModel::SetPatients(std::vector<Patient> patients) {
    beginResetModel();
    FRows = std::move(patients);
    endResetModel();
}

int PatientModel::RowOf(qint64 id) const {
    for (size_t i = 0; i < FRows.size(); ++i)
        if (FRows[i].Identifikation == id)
            return int(i);
    return -1;
}

int PatientModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(FRows.size());
}

int PatientModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : (FAll ? Geschlecht + 1 : Geburtstag + 1);
}

QVariant PatientModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(FRows.size()))
        return {};
    const Patient& p = FRows[size_t(index.row())];
    if (role == Qt::UserRole)
        return p.Identifikation;
    if (role != Qt::DisplayRole)
        return {};
    switch (Column(index.column())) {
    case Name:
        return p.Name;
    case Vorname:
        return p.Vorname;
    case Geburtstag:
        return FormatDate(p.Geburtstag);
    case Plz:
        return p.Plz;
    case Wohnort:
        return p.Wohnort;
    case Strasse:
        return p.Strasse;
    case Nummer:
        return p.Nummer;
    case Krankenkasse:
        return p.Krankenkasse;
    case VNummer:
        return p.VNummer;
    case Telefon:
        return p.Telefon;
    case Fax:
        return p.Fax;
    case Email:
        return p.Email;
    case Groesse:
        return p.Groesse.isEmpty() ? QString() : p.Groesse + QStringLiteral(" cm");
    case Gewicht:
        return p.Gewicht.isEmpty() ? QString() : p.Gewicht + QStringLiteral(" kg");
    case Geschlecht:
        return p.Geschlecht == 0 ? tr("weiblich") : p.Geschlecht == 1 ? tr("männlich") : QString();
    }
    return {};
}

QVariant PatientModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, o, role);
    switch (Column(section)) {
    case Name:
        return tr("Name");
    case Vorname:
        return tr("Vorname");
    case Geburtstag:
        return tr("Geburtstag");
    case Plz:
        return tr("PLZ");
    case Wohnort:
        return tr("Wohnort");
    case Strasse:
        return tr("Straße");
    case Nummer:
        return tr("Patientennummer");
    case Krankenkasse:
        return tr("Krankenkasse");
    case VNummer:
        return tr("Versicherungsnummer");
    case Telefon:
        return tr("Telefon");
    case Fax:
        return tr("Fax");
    case Email:
        return tr("E-Mail");
    case Groesse:
        return tr("Größe");
    case Gewicht:
        return tr("Gewicht");
    case Geschlecht:
        return tr("Geschlecht");
    }
    return {};
}

Qt::ItemFlags PatientModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Rows accept a dropped recording (moving it to this patient).
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
}

void PatientModel::Retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (!FRows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

// ---------------------------------------------------------------- recordings

RecordingModel::RecordingModel(Kind kind, QObject* parent) : QAbstractTableModel(parent), FKind(kind) {}

void RecordingModel::SetRecordings(std::vector<Recording> recordings) {
    beginResetModel();
    FRows.clear();
    FRows.reserve(recordings.size());
    for (Recording& r : recordings) {
        Row row;
        row.r = std::move(r);
        row.r.Daten.truncate(89); // the list needs the header only
        FRows.push_back(std::move(row));
    }
    endResetModel();
    Retranslate();
}

void RecordingModel::SetSortDirections(const QString& date, const QString& time) {
    FSortDate = date;
    FSortTime = time;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int RecordingModel::RowOf(qint64 counter) const {
    for (size_t i = 0; i < FRows.size(); ++i)
        if (FRows[i].r.Counter == counter)
            return int(i);
    return -1;
}

int RecordingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(FRows.size());
}

int RecordingModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : (FKind == MainList ? 5 : 3);
}

QVariant RecordingModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(FRows.size()))
        return {};
    const Row& row = FRows[size_t(index.row())];
    if (role == Qt::UserRole)
        return row.r.Counter;
    // The program name is the last column, beyond a narrow panel's edge: its tip shows it too.
    if (role == Qt::ToolTipRole && FKind == MainList && index.column() == kProgramColumn)
        return row.program;
    if (role != Qt::DisplayRole)
        return {};
    const QString date = FormatDate(row.r.Datum);
    const QString time = row.r.Uhrzeit.toString(QStringLiteral("HH:mm:ss"));
    if (FKind == Selection) {
        switch (index.column()) {
        case 0:
            return date;
        case 1:
            return time;
        default:
            return row.mode;
        }
    }
    switch (index.column()) {
    case 0:
        return index.row() + 1;
    case 1:
        return date;
    case 2:
        return time;
    case 3:
        return row.program;
    default:
        return row.mode;
    }
}

QVariant RecordingModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, o, role);
    if (FKind == Selection)
        return section == 0 ? tr("Datum") : section == 1 ? tr("Uhrzeit") : tr("Betriebsart");
    auto arrow = [](const QString& dir) {
        return dir == QLatin1String("ASC")    ? QStringLiteral(" \u25B2")
               : dir == QLatin1String("DESC") ? QStringLiteral(" \u25BC")
                                              : QString();
    };
    switch (section) {
    case 0:
        return tr("#");
    case 1:
        return tr("Datum") + arrow(FSortDate);
    case 2:
        return tr("Uhrzeit") + arrow(FSortTime);
    case 3:
        return tr("Programmname");
    default:
        return tr("Betriebsart");
    }
}

Qt::ItemFlags RecordingModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (FKind == MainList)
        f |= Qt::ItemIsDragEnabled;
    return f;
}

QStringList RecordingModel::mimeTypes() const {
    return {QString::fromLatin1(kRecordingMime)};
}

QMimeData* RecordingModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty())
        return nullptr;
    auto* m = new QMimeData;
    m->setData(QString::fromLatin1(kRecordingMime), QByteArray::number(At(indexes.first().row()).Counter));
    return m;
}

void RecordingModel::Retranslate() {
    for (Row& row : FRows) {
        const int b = row.r.Betriebsart;
        if (FKind == Selection) {
            row.mode = b >= 1 && b <= 10 ? ModeLongName(b) : QString();
        } else if (b > 0) {
            row.program = ProgramName(row.r.Daten);
            row.mode = ModeShortName(b);
        } else {
            // The older variant has no program name: both columns name the mapped mode.
            row.program = row.mode = ModeShortName(b);
        }
    }
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (!FRows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

} // namespace zud::ui
