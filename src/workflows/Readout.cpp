#include "Readout.h"

#include "Handshake.h"
#include "RecordingCheck.h"

#include <QCoreApplication>

#include <csignal>
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

void Zuweisen(TZUD12& dev, int therapeut, int patient, const Patient& p) {
    Stammsatz& s = dev.Patienten[Slot(therapeut, patient)];
    SetFeldText(s.Name.data(), s.Name.size(), p.Name.left(30).toStdU16String());
    SetFeldText(s.Vorname.data(), s.Vorname.size(), p.Vorname.left(30).toStdU16String());
    s.Geburtsdatum = DatumZuGeburtsdatum(p.Geburtstag);
}

void CheckMessungen(TZUD12& dev, TDM1& dm, int therapeut, int patient) {
    const size_t i = Slot(therapeut, patient);
    auto& list = dev.MessHeaders[i];
    const Stammsatz& s = dev.Patienten[i];
    if (!IstZuordenbar(s)) {
        for (auto& e : list) {
            e.Checked = false;
        }
        return;
    }
    std::optional<qint64> id;
    try {
        id = dm.FindPatient(Name(s), Vorname(s), GeburtsdatumZuDatum(s.Geburtsdatum));
    } catch (const db::DbError&) {
        return; // the selection stays as it is
    }
    for (auto& e : list) {
        if (!id) {
            e.Checked = true; // the patient comes into the database with the first recording
            continue;
        }
        if (!e.Datum.isValid() || !e.Zeit.isValid()) {
            continue;
        }
        try {
            if (!dm.FindRecording(*id, e.Datum, e.Zeit)) {
                e.Checked = true;
            }
        } catch (const db::DbError&) {
            // this entry stays as it is
        }
    }
}

void LeseMessungen(TZUD12& dev, TDM1& dm, const Callbacks& cb) {
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
    try {
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
    } catch (...) {
        EndConversation(dev, true);
        throw;
    }
    EndConversation(dev, true);
}

int TransferResult::Stored() const {
    int n = 0;
    for (const auto& s : perSlot) {
        n += s.stored;
    }
    return n;
}

namespace {

// Deletes the stored recordings of one slot on the device: all at once when every recording of
// the slot was stored, else one by one with the exercise count lowered.
void Loesche(TZUD12& dev, int t, int p, const QList<int>& stored, bool alle, const Callbacks& cb,
             SlotResult& result) {
    const size_t i = Slot(t, p);
    const int total = static_cast<int>(dev.MessHeaders[i].size());
    if (alle && stored.size() == total) {
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

TransferResult Uebertrage(TZUD12& dev, TDM1& dm, bool loeschen, const Callbacks& cb) {
    TransferResult result;
    dev.open();
    dev.SetDownloadScreen(199);
    int total = 0;
    for (const auto& list : dev.MessHeaders) {
        for (const auto& e : list) {
            total += e.Checked;
        }
    }
    int n = 0;
    const QString device = GeraeteName(dev);
    try {
        for (int t = 0; t < TZUD12::kTherapeuten; ++t) {
            for (int p = 0; p < TZUD12::kPatienten; ++p) {
                const size_t i = Slot(t, p);
                const auto& list = dev.MessHeaders[i];
                if (list.isEmpty()) {
                    continue;
                }
                const Stammsatz s = dev.Patienten[i];
                bool alle = true;
                QList<int> stored;
                std::optional<qint64> patient;
                for (int j = 0; j < list.size(); ++j) {
                    const DateiInfo& e = list[j];
                    if (!e.Checked) {
                        alle = false;
                        continue;
                    }
                    ++n;
                    Progress(cb,
                             QCoreApplication::translate("Auslesen", "Übertrage Übungen %1 von %2 ...")
                                 .arg(n)
                                 .arg(total),
                             n, total);
                    auto skip = [&](const QString& why) {
                        result.problems << QStringLiteral("%1,%2 %3: %4").arg(t).arg(p).arg(e.Filename, why);
                        ++result.perSlot[i].skipped;
                        alle = false;
                    };
                    if (!IstZuordenbar(s)) {
                        skip(QCoreApplication::translate("Auslesen", "kein Patient zugewiesen"));
                        continue;
                    }
                    if (!e.Datum.isValid() || !e.Zeit.isValid()) {
                        skip(QCoreApplication::translate("Auslesen", "Datum oder Uhrzeit am Gerät ungültig"));
                        continue;
                    }
                    if (!patient) {
                        const QDate geburt = GeburtsdatumZuDatum(s.Geburtsdatum);
                        patient = dm.FindPatient(Name(s), Vorname(s), geburt);
                        if (!patient) {
                            Patient neu;
                            neu.Name = Name(s);
                            neu.Vorname = Vorname(s);
                            neu.Geburtstag = geburt;
                            patient = dm.AddPatient(neu);
                        }
                    }
                    dm.SelectPatient(*patient);
                    QByteArray stream;
                    if (!dev.GetMessung(t, p, stream, j)) {
                        throw WorkflowError(WorkflowError::EComErr, CommError());
                    }
                    QString why;
                    if (!IstAufzeichnung(stream, &why)) {
                        skip(why);
                        continue;
                    }
                    // The new copy goes in first and is read back; only then does an older
                    // copy of the same exercise go.
                    const auto older = dm.FindRecording(*patient, e.Datum, e.Zeit);
                    const qint64 counter = dm.InsertRecording(*patient, e.Datum, e.Zeit, stream, device, 100);
                    const auto back = dm.GetRecording(counter);
                    if (!back || back->Daten != stream) {
                        skip(QCoreApplication::translate("Auslesen",
                                                         "in der Datenbank nicht gleich gespeichert"));
                        continue;
                    }
                    if (older) {
                        dm.DeleteRecording(*older);
                    }
                    stored << j;
                    ++result.perSlot[i].stored;
                    result.lastPatient = *patient;
                    if (cb.cancelRequested && cb.cancelRequested()) {
                        throw WorkflowError(
                            WorkflowError::EComErr,
                            QCoreApplication::translate("Auslesen", "Übertragung abgebrochen."));
                    }
                }
                if (loeschen && !stored.isEmpty()) {
                    // Every row of this patient is committed before the first file goes.
                    dm.Db().CommitRetaining();
                    if (cb.slotCommitted) {
                        cb.slotCommitted(t, p);
                    }
                    // Crash tests end the process right here, between storing and deleting.
                    if (qEnvironmentVariableIsSet("ZUD_TEST_KILL_AFTER_COMMIT")) {
                        std::raise(SIGKILL);
                    }
                    Progress(cb, QCoreApplication::translate("Auslesen", "Lösche..."), n, total);
                    Loesche(dev, t, p, stored, alle, cb, result.perSlot[i]);
                }
            }
        }
    } catch (const WorkflowError& e) {
        result.failed = true;
        result.error = e.Message();
    } catch (const db::DbError& e) {
        result.failed = true;
        result.error = db::DescribeError(e);
    } catch (const DataError& e) {
        result.failed = true;
        result.error = e.Message();
    }
    try {
        dm.Db().CommitRetaining();
    } catch (const std::exception&) {
        // every stored row was committed on its own already
    }
    EndConversation(dev, true);
    return result;
}

} // namespace zud::wf
