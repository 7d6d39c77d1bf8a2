#include "Readout.h"

#include "Handshake.h"
#include "RecordingCheck.h"

#include "Recording.h"

#include <QCoreApplication>
#include <QHash>

#include <csignal>
#include <cstdlib>
#include <limits>
#include <thread>

namespace zud::wf {

namespace {

QString CommError() {
    return QCoreApplication::translate("Geraet", "Während der Kommunikation ist ein Fehler aufgetreten!");
}

const QDate kBasis(1900, 1, 1);

void Progress(const Callbacks& cb, const QString& text, int position, int maximum) {
    if (cb.progress) {
        cb.progress(text, position, maximum);
    }
}

// The bytes of the file being read reach the callbacks for as long as the object lives.
class BytesToCallback {
public:
    BytesToCallback(TZUD12& dev, const Callbacks& cb)
        : FDev(dev), FOld(dev.Transferred), FOldCancel(dev.CancelRequested) {
        if (cb.fileBytes) {
            FDev.Transferred = cb.fileBytes;
        }
        // A cancel gives the recording up within the block under way.
        if (cb.cancelRequested) {
            FDev.CancelRequested = [this, ask = cb.cancelRequested] { return FGivenUp = FGivenUp || ask(); };
        }
    }
    ~BytesToCallback() {
        FDev.Transferred = FOld;
        FDev.CancelRequested = FOldCancel;
    }
    BytesToCallback(const BytesToCallback&) = delete;
    BytesToCallback& operator=(const BytesToCallback&) = delete;

private:
    TZUD12& FDev;
    std::function<void(qint64, qint64)> FOld;
    std::function<bool()> FOldCancel;

public:
    // The read was given up on the user's word.
    bool FGivenUp = false;
};

// A second progress window for as long as the object lives.
class Second {
public:
    Second(const Callbacks& cb, const QString& text, int maximum) : FCb(cb) {
        if (FCb.openSecond) {
            FBar = FCb.openSecond(text, maximum);
        }
    }
    ~Second() {
        if (FCb.openSecond && FCb.closeSecond) {
            FCb.closeSecond();
        }
    }
    TProgressBar* Bar() const { return FBar; }

private:
    const Callbacks& FCb;
    TProgressBar* FBar = nullptr;
};

size_t Slot(int t, int p) {
    return static_cast<size_t>(t * TZUD12::kPatienten + p);
}

} // namespace

QDate GeburtsdatumZuDatum(int64_t sekunden) {
    return kBasis.addDays(sekunden / 86400);
}

int64_t DatumZuGeburtsdatum(const QDate& datum) {
    return kBasis.daysTo(datum) * 86400;
}

QString Name(const Stammsatz& s) {
    return QString::fromStdU16String(FeldText(s.Name.data(), s.Name.size()));
}

QString Vorname(const Stammsatz& s) {
    return QString::fromStdU16String(FeldText(s.Vorname.data(), s.Vorname.size()));
}

bool IstVollstaendig(const Stammsatz& s) {
    return !Name(s).isEmpty() && !Vorname(s).isEmpty() && s.Geburtsdatum != 0;
}

bool IstZuordenbar(const Stammsatz& s) {
    return !Name(s).isEmpty() && !Vorname(s).isEmpty() && s.Geburtsdatum != kGeburtsdatumLeer;
}

QString GeraeteName(const TZUD12& dev) {
    const std::string m = ModellName(dev.Typ);
    return m.empty() ? QStringLiteral("ZUD12") : QString::fromStdString(m);
}

std::optional<qint64> BesterTreffer(PatientDatabase& dm, const QString& vorname, const QString& name,
                                    const QDate& geburtstag) {
    const QString n = name.trimmed();
    const QString v = vorname.trimmed();
    if (n.isEmpty() && v.isEmpty()) {
        return std::nullopt;
    }
    if (geburtstag.isValid()) {
        if (const auto exact = dm.FindPatient(n, v, geburtstag)) {
            return exact;
        }
    }
    std::optional<qint64> best;
    qint64 bestDistance = 0;
    for (const Patient& p : dm.AllPatients()) {
        if (p.Name.trimmed().compare(n, Qt::CaseInsensitive) != 0 ||
            p.Vorname.trimmed().compare(v, Qt::CaseInsensitive) != 0) {
            continue;
        }
        const qint64 distance = geburtstag.isValid() && p.Geburtstag.isValid()
                                    ? std::abs(p.Geburtstag.daysTo(geburtstag))
                                    : std::numeric_limits<qint64>::max() / 2;
        if (!best || distance < bestDistance) {
            best = p.Identifikation;
            bestDistance = distance;
        }
    }
    return best;
}

QString GeraeteAnzeigename(int typ) {
    if (ModellName(typ).empty()) {
        return QStringLiteral("ZUD12");
    }
    return QCoreApplication::translate("Geraet", "ZUD12 Typ %1").arg(typ);
}

void Zuweisen(TZUD12& dev, int therapeut, int patient, const Patient& p) {
    Stammsatz& s = dev.Patienten[Slot(therapeut, patient)];
    SetFeldText(s.Name.data(), s.Name.size(), p.Name.left(30).toStdU16String());
    SetFeldText(s.Vorname.data(), s.Vorname.size(), p.Vorname.left(30).toStdU16String());
    s.Geburtsdatum = DatumZuGeburtsdatum(p.Geburtstag);
}

QDate DatenbankGeburtstag(const Stammsatz& s) {
    const QDate d = GeburtsdatumZuDatum(s.Geburtsdatum);
    return d.isValid() && d >= kBasis && d < QDate::currentDate() ? d : QDate();
}

namespace {

// "first name surname" of a database patient; empty when he is gone.
QString PatientName(PatientDatabase& dm, qint64 id, QHash<qint64, QString>& cache) {
    const auto it = cache.constFind(id);
    if (it != cache.constEnd()) {
        return *it;
    }
    const auto p = dm.GetPatient(id);
    const QString name = p ? QStringLiteral("%1 %2").arg(p->Vorname, p->Name) : QString();
    cache.insert(id, name);
    return name;
}

} // namespace

void CheckMessungen(TZUD12& dev, PatientDatabase& dm, int therapeut, int patient) {
    const size_t i = Slot(therapeut, patient);
    auto& list = dev.MessHeaders[i];
    const Stammsatz& s = dev.Patienten[i];
    for (auto& e : list) {
        e.Gespeichert = false;
        e.GespeichertBei.clear();
    }
    if (!IstZuordenbar(s)) {
        for (auto& e : list) {
            e.Checked = false;
        }
        return;
    }
    std::optional<qint64> id;
    try {
        id = dm.FindPatient(Name(s), Vorname(s), DatenbankGeburtstag(s));
    } catch (const db::DbError&) {
        return; // the selection stays as it is
    }
    QHash<qint64, QString> names;
    for (auto& e : list) {
        if (!e.Datum.isValid() || !e.Zeit.isValid()) {
            if (!id) {
                e.Checked = true; // the transfer reports it
            }
            continue;
        }
        try {
            // The same exercise under this patient: stored. Another patient's recording of the
            // same second may be this one moved or cropped there, or just another exercise that
            // began at that second: the transfer compares the bytes, so it stays ticked and
            // only names that patient.
            QString other;
            bool stored = false;
            for (const auto& row : dm.RecordingsAt(e.Datum, e.Zeit)) {
                if (id && row.patient == *id) {
                    stored = true;
                    other.clear();
                    break;
                }
                const QString name = PatientName(dm, row.patient, names);
                if (!name.isEmpty() && other.isEmpty()) {
                    other = name;
                }
            }
            e.Gespeichert = stored;
            e.GespeichertBei = other;
            e.Checked = !stored;
        } catch (const db::DbError&) {
            // this entry stays as it is
        }
    }
}

void LeseMessungen(TZUD12& dev, PatientDatabase& dm, const Callbacks& cb) {
    const Handshake h = RunHandshake(dev, HandshakeOptions{true, false});
    if (!h.ok()) {
        EndConversation(dev, h.screenSet);
        const WorkflowError::Kind kind =
            h.result == HandshakeResult::Unsupported || h.result == HandshakeResult::FirmwareTooOld
                ? WorkflowError::ENotSup
            : h.result == HandshakeResult::CommError || h.result == HandshakeResult::ConversionError
                ? WorkflowError::EComErr
                : WorkflowError::ENoDev;
        throw WorkflowError(kind, h.message);
    }
    InConversation(dev, [&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        Progress(cb, QString(), 0, 69);
        auto fail = [] { throw WorkflowError(WorkflowError::EComErr, CommError()); };
        if (!dev.GetDeviceInfo()) {
            fail();
        }
        Progress(cb, QString(), 1, 69);
        if (!dev.ReadSystemParams()) {
            fail();
        }
        Progress(cb, QString(), 2, 69);
        if (!dev.ReadTherapeutData()) {
            fail();
        }
        Progress(cb, QCoreApplication::translate("Auslesen", "Lade Patientendaten ..."), 3, 69);
        for (int t = 0; t < TZUD12::kTherapeuten; ++t) {
            if (!dev.ReadPatientData(t)) {
                fail();
            }
            // Slots 7 to 10 have no names on the device: whatever an earlier read-out assigned
            // to them is gone, only their exercise count is known.
            for (int p = 6; p < TZUD12::kPatienten; ++p) {
                Stammsatz leer{};
                leer.Anzahl = dev.Patienten_ZUD12[Slot(t, p)].Anzahl;
                dev.Patienten[Slot(t, p)] = leer;
            }
            Progress(cb, QCoreApplication::translate("Auslesen", "Lade Patientendaten ..."), 4 + t, 69);
        }
        bool any = false;
        for (int t = 0; t < TZUD12::kTherapeuten; ++t) {
            for (int p = 0; p < TZUD12::kPatienten; ++p) {
                Progress(cb, QCoreApplication::translate("Auslesen", "Lade Kopfdaten ..."), t * 10 + p + 9,
                         69);
                const int anzahl = dev.Patienten_ZUD12[Slot(t, p)].Anzahl;
                bool ok;
                if (anzahl > 20) {
                    Second second(cb,
                                  QCoreApplication::translate("Auslesen",
                                                              "Lade Kopfdaten (Therapeut %1, Patient %2) ...")
                                      .arg(t + 1)
                                      .arg(p + 1),
                                  anzahl);
                    ok = dev.GetMessHeaders(second.Bar(), t, p);
                } else {
                    ok = dev.GetMessHeaders(nullptr, t, p);
                }
                if (!ok) {
                    fail();
                }
                any = any || !dev.MessHeaders[Slot(t, p)].isEmpty();
                CheckMessungen(dev, dm, t, p);
                Progress(cb, QCoreApplication::translate("Auslesen", "Lade Kopfdaten ..."), t * 10 + p + 10,
                         69);
            }
        }
        if (!any) {
            throw WorkflowError(WorkflowError::ENoExercises,
                                QCoreApplication::translate("Auslesen", "Es sind keine Übungen gespeichert"));
        }
    });
}

int TransferResult::Stored() const {
    int n = 0;
    for (const auto& s : perSlot) {
        n += s.stored;
    }
    return n;
}

namespace {

// Deletes the safely stored recordings of one slot on the device: all at once when every
// recording of the slot is stored, else one by one with the exercise count lowered.
void Loesche(TZUD12& dev, int t, int p, const QList<int>& stored, const Callbacks& cb, SlotResult& result) {
    const size_t i = Slot(t, p);
    const int total = static_cast<int>(dev.MessHeaders[i].size());
    if (stored.size() == total) {
        bool ok;
        if (total <= 50) {
            ok = dev.DeleteExercises(nullptr, t, QStringLiteral("*.*"), p);
        } else {
            Second second(cb,
                          QCoreApplication::translate("Auslesen", "Lösche Übungen (Therapeut %1, Patient %2)")
                              .arg(t + 1)
                              .arg(p + 1),
                          dev.Patienten_ZUD12[i].Anzahl);
            ok = dev.DeleteExercises(second.Bar(), t, QStringLiteral("*.*"), p);
        }
        // A failed delete leaves the recordings on the device: stored twice is no loss.
        if (ok) {
            result.deleted = total;
        }
        return;
    }
    // The patient list is read again so that only the exercise count changes on the device; what
    // the user assigned to the other perSlot of this therapist stays in memory for their turn.
    std::array<Stammsatz, TZUD12::kPatienten> assigned{};
    std::copy_n(dev.Patienten.begin() + static_cast<std::ptrdiff_t>(Slot(t, 0)), TZUD12::kPatienten,
                assigned.begin());
    if (!dev.ReadPatientData(t)) {
        throw WorkflowError(WorkflowError::EComErr, CommError());
    }
    for (int j : stored) {
        if (!dev.DeleteFile(nullptr, t, j, p)) {
            throw WorkflowError(WorkflowError::EComErr, CommError());
        }
        ++result.deleted;
        // Slots 7 to 10 live in the device image only.
        auto& image = dev.Patienten_ZUD12[i].Anzahl;
        auto& memory = dev.Patienten[i].Anzahl;
        if (p < 6) {
            memory = memory > 0 ? memory - 1 : 0;
        } else {
            image = image > 0 ? image - 1 : 0;
        }
    }
    const uint16_t anzahl = dev.Patienten[i].Anzahl;
    const bool ok = dev.WritePatientData(t);
    std::copy(assigned.begin(), assigned.end(),
              dev.Patienten.begin() + static_cast<std::ptrdiff_t>(Slot(t, 0)));
    dev.Patienten[i].Anzahl = anzahl;
    if (!ok) {
        throw WorkflowError(WorkflowError::EComErr, CommError());
    }
}

} // namespace

namespace {

// One device conversation and the database unit of a transfer: whatever ends the transfer
// (its end, a failure, a cancel, any exception), what was stored is committed and the device
// gets its normal screen back with the port closed.
class Gespraech {
public:
    Gespraech(TZUD12& dev, PatientDatabase& dm) : FDev(dev), FDm(dm) {
        FDev.open();
        FDev.SetDownloadScreen(199);
    }
    ~Gespraech() {
        try {
            FDm.Db().CommitRetaining();
        } catch (...) {
            // every stored row was committed on its own already
        }
        try {
            EndConversation(FDev, true);
        } catch (...) {
            FDev.close();
        }
    }
    Gespraech(const Gespraech&) = delete;
    Gespraech& operator=(const Gespraech&) = delete;

private:
    TZUD12& FDev;
    PatientDatabase& FDm;
};

QString Abgebrochen() {
    return QCoreApplication::translate("Auslesen", "Übertragung abgebrochen.");
}

} // namespace

QString FehlerText(std::exception_ptr e) {
    try {
        if (e) {
            std::rethrow_exception(e);
        }
    } catch (const WorkflowError& w) {
        return w.Message();
    } catch (const db::DbError& d) {
        return db::DescribeError(d);
    } catch (const DataError& d) {
        return d.Message();
    } catch (const std::exception& x) {
        return QCoreApplication::translate("Auslesen", "Unerwarteter Fehler: %1")
            .arg(QString::fromLocal8Bit(x.what()));
    } catch (...) {
    }
    return QCoreApplication::translate("Auslesen", "Unerwarteter Fehler.");
}

int TransferResult::Skipped() const {
    int n = 0;
    for (const auto& s : perSlot) {
        n += s.already + s.elsewhere;
    }
    return n;
}

namespace {

// One transfer: walks the slots, stores each chosen recording that is new, and deletes what
// is stored safely when asked to. It holds the result, the progress count and the cancel.
class Uebertragung {
public:
    Uebertragung(TZUD12& dev, PatientDatabase& dm, bool loeschen, const Callbacks& cb)
        : FDev(dev), FDm(dm), FLoeschen(loeschen), FCb(cb), FTotal(CountChecked(dev)) {}

    TransferResult Run() {
        try {
            const Gespraech gespraech(FDev, FDm);
            FDevice = GeraeteName(FDev);
            for (int t = 0; t < TZUD12::kTherapeuten; ++t) {
                for (int p = 0; p < TZUD12::kPatienten; ++p) {
                    TransferSlot(t, p);
                }
            }
        } catch (...) {
            FResult.failed = true;
            FResult.error = FehlerText(std::current_exception());
        }
        return FResult;
    }

private:
    // What one slot's recordings share: its device patient and what became of them.
    struct SlotState {
        int t;
        int p;
        Stammsatz s;
        SlotResult& slot;
        QDate geburt;
        QList<int> deletable; // stored safely: may go on the device
        std::optional<qint64> patient;
        bool looked = false;
    };

    static int CountChecked(const TZUD12& dev) {
        int total = 0;
        for (const auto& list : dev.MessHeaders) {
            for (const auto& e : list) {
                total += e.Checked;
            }
        }
        return total;
    }

    void TransferSlot(int t, int p) {
        const size_t i = Slot(t, p);
        const auto& list = FDev.MessHeaders[i];
        if (list.isEmpty()) {
            return;
        }
        SlotState st{t, p, FDev.Patienten[i], FResult.perSlot[i], {}, {}, {}, false};
        st.slot.name = QStringLiteral("%1 %2").arg(Vorname(st.s), Name(st.s)).trimmed();
        st.geburt = DatenbankGeburtstag(st.s);
        for (int j = 0; j < list.size(); ++j) {
            if (!list[j].Checked) {
                continue;
            }
            ReportProgress();
            TransferRecording(st, list[j], j);
            NextOrCancel();
        }
        if (FLoeschen && !st.deletable.isEmpty()) {
            DeleteStored(st);
        }
    }

    void ReportProgress() {
        ++FDone;
        Progress(
            FCb,
            QCoreApplication::translate("Auslesen", "Übertrage Übungen %1 von %2 ...").arg(FDone).arg(FTotal),
            FDone, FTotal);
    }

    // Closing the progress window ends the transfer: a recording under way is given up within
    // its block (see ReadRecording), else the next one is not begun.
    void NextOrCancel() const {
        if (FCb.cancelRequested && FCb.cancelRequested()) {
            throw WorkflowError(WorkflowError::EComErr, Abgebrochen());
        }
    }

    void Skip(SlotState& st, const DateiInfo& e, const QString& why) {
        FResult.problems << QCoreApplication::translate("Auslesen", "Therapeut %1, Patient %2, %3: %4")
                                .arg(st.t + 1)
                                .arg(st.p + 1)
                                .arg(e.Filename, why);
        ++st.slot.skipped;
    }

    void TransferRecording(SlotState& st, const DateiInfo& e, int j) {
        if (!IstZuordenbar(st.s)) {
            Skip(st, e, QCoreApplication::translate("Auslesen", "kein Patient zugewiesen"));
            return;
        }
        if (!e.Datum.isValid() || !e.Zeit.isValid()) {
            Skip(st, e, QCoreApplication::translate("Auslesen", "Datum oder Uhrzeit am Gerät ungültig"));
            return;
        }
        if (!st.looked) {
            st.patient = FDm.FindPatient(Name(st.s), Vorname(st.s), st.geburt);
            st.looked = true;
        }
        const auto rows = FDm.RecordingsAt(e.Datum, e.Zeit);
        std::optional<qint64> here;
        for (const auto& row : rows) {
            if (st.patient && row.patient == *st.patient) {
                here = row.counter;
            }
        }
        // Stored under this patient: the row stays as it is (remarks, crop, key).
        if (here && !FLoeschen) {
            ++st.slot.already;
            return;
        }
        const QByteArray stream = ReadRecording(st, j);
        if (here) {
            ++st.slot.already;
            const auto row = FDm.GetRecording(*here);
            if (row && IstAusschnitt(row->Daten, stream)) {
                st.deletable << j;
            } else {
                ++st.slot.kept; // another recording of the same minute: the device keeps it
            }
            return;
        }
        QString why;
        if (!IstAufzeichnung(stream, &why)) {
            Skip(st, e, why);
            return;
        }
        if (StoredElsewhere(st, rows, stream)) {
            st.deletable << j;
            return;
        }
        Store(st, e, stream, j);
    }

    QByteArray ReadRecording(const SlotState& st, int j) {
        QByteArray stream;
        bool got = false;
        bool givenUp = false;
        {
            BytesToCallback bytes(FDev, FCb);
            got = FDev.GetMessung(st.t, st.p, stream, j);
            givenUp = bytes.FGivenUp;
        }
        if (!got) {
            // Given up within the recording: nothing of it is stored.
            if (givenUp) {
                throw WorkflowError(WorkflowError::EComErr, Abgebrochen());
            }
            throw WorkflowError(WorkflowError::EComErr, CommError());
        }
        return stream;
    }

    // The same bytes (or a crop of them) under another patient: moved there.
    template <typename Rows> bool StoredElsewhere(SlotState& st, const Rows& rows, const QByteArray& stream) {
        for (const auto& row : rows) {
            const QString name = PatientName(FDm, row.patient, FNames);
            if (name.isEmpty()) {
                continue; // a recording whose patient is gone is found by nobody
            }
            const auto rec = FDm.GetRecording(row.counter);
            if (rec && IstAusschnitt(rec->Daten, stream)) {
                ++st.slot.elsewhere;
                if (!st.slot.elsewhereNames.contains(name)) {
                    st.slot.elsewhereNames << name;
                }
                return true;
            }
        }
        return false;
    }

    // A new recording: its patient is created when the database has none, and the row is read
    // back before the device copy counts as stored.
    void Store(SlotState& st, const DateiInfo& e, const QByteArray& stream, int j) {
        if (!st.patient) {
            st.patient = FDm.AddDevicePatient(Name(st.s), Vorname(st.s), st.geburt);
            st.slot.newPatient = true;
        }
        if (!st.geburt.isValid()) {
            st.slot.impossibleBirthday = GeburtsdatumZuDatum(st.s.Geburtsdatum);
        }
        FDm.SelectPatient(*st.patient);
        const qint64 counter = FDm.InsertRecording(*st.patient, e.Datum, e.Zeit, stream, FDevice, 100);
        const auto back = FDm.GetRecording(counter);
        if (!back || back->Daten != stream) {
            Skip(st, e, QCoreApplication::translate("Auslesen", "in der Datenbank nicht gleich gespeichert"));
            return;
        }
        st.deletable << j;
        ++st.slot.stored;
        FResult.lastPatient = *st.patient;
        FResult.counters << counter;
    }

    void DeleteStored(SlotState& st) {
        // Every row of this patient is committed before the first file goes.
        FDm.Db().CommitRetaining();
        if (FCb.slotCommitted) {
            FCb.slotCommitted(st.t, st.p);
        }
        // Crash tests end the process right here, between storing and deleting.
        if (qEnvironmentVariableIsSet("ZUD_TEST_KILL_AFTER_COMMIT")) {
            std::raise(SIGKILL);
        }
        Progress(FCb, QCoreApplication::translate("Auslesen", "Lösche..."), FDone, FTotal);
        Loesche(FDev, st.t, st.p, st.deletable, FCb, st.slot);
    }

    TZUD12& FDev;
    PatientDatabase& FDm;
    const bool FLoeschen;
    const Callbacks& FCb;
    const int FTotal;
    int FDone = 0;
    QString FDevice;
    QHash<qint64, QString> FNames;
    TransferResult FResult;
};

} // namespace

TransferResult Uebertrage(TZUD12& dev, PatientDatabase& dm, bool loeschen, const Callbacks& cb) {
    return Uebertragung(dev, dm, loeschen, cb).Run();
}

QString Zusammenfassung(const TransferResult& r) {
    auto t = [](const char* text) { return QCoreApplication::translate("Auslesen", text); };
    QStringList lines;
    if (r.failed) {
        lines << r.error << QString();
    }
    bool any = false;
    for (int i = 0; i < TZUD12::kSlots; ++i) {
        const SlotResult& s = r.perSlot[static_cast<size_t>(i)];
        QStringList parts;
        if (s.stored > 0) {
            parts << t(QT_TRANSLATE_NOOP("Auslesen", "gespeichert: %1")).arg(s.stored);
        }
        if (s.already > 0) {
            parts << t(QT_TRANSLATE_NOOP("Auslesen", "bereits gespeichert, übersprungen: %1")).arg(s.already);
        }
        if (s.elsewhere > 0) {
            parts << t(QT_TRANSLATE_NOOP("Auslesen", "bereits bei %1 gespeichert, übersprungen: %2"))
                         .arg(s.elsewhereNames.join(QStringLiteral(", ")))
                         .arg(s.elsewhere);
        }
        if (s.skipped > 0) {
            parts << t(QT_TRANSLATE_NOOP("Auslesen", "nicht übernommen: %1")).arg(s.skipped);
        }
        if (s.deleted > 0) {
            parts << t(QT_TRANSLATE_NOOP("Auslesen", "am Gerät gelöscht: %1")).arg(s.deleted);
        }
        if (s.kept > 0) {
            parts << t(QT_TRANSLATE_NOOP("Auslesen", "am Gerät behalten, da abweichend gespeichert: %1"))
                         .arg(s.kept);
        }
        if (parts.isEmpty()) {
            continue;
        }
        any = true;
        QString who =
            t(QT_TRANSLATE_NOOP("Auslesen", "Therapeut %1, Patient %2")).arg(i / 10 + 1).arg(i % 10 + 1);
        if (!s.name.isEmpty()) {
            who = QStringLiteral("%1 (%2)").arg(s.name, who);
        }
        lines << who + QLatin1Char(':');
        for (const QString& part : parts) {
            lines << QStringLiteral("  ") + part;
        }
        if (s.newPatient) {
            lines << QStringLiteral("  ") + t(QT_TRANSLATE_NOOP("Auslesen", "als neuer Patient angelegt"));
        }
        if (s.impossibleBirthday.isValid()) {
            lines << QStringLiteral("  ") +
                         t(QT_TRANSLATE_NOOP(
                               "Auslesen",
                               "Geburtsdatum am Gerät ungültig (%1): ohne Geburtsdatum gespeichert"))
                             .arg(s.impossibleBirthday.toString(QStringLiteral("dd.MM.yyyy")));
        }
    }
    if (!any) {
        lines << t(QT_TRANSLATE_NOOP("Auslesen", "Es wurde keine Übung übertragen."));
    }
    if (!r.problems.isEmpty()) {
        lines << QString() << t(QT_TRANSLATE_NOOP("Auslesen", "Nicht übernommen:"));
        lines << r.problems;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace zud::wf
