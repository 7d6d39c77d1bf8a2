// Two workstations on one database: a change of a row that the other is changing at this moment,
// or changed after it was read here, fails at once with a German message; nothing that either
// committed is lost, and both connections go on. Also the operations the patient and recording
// windows need.

#include "DbFixture.h"

#include <chrono>
#include <functional>

using namespace zud;
using namespace zud::test;
using db::DbError;

namespace {

const QString kConflict = QStringLiteral(
    "Der Datensatz wird gerade an einem anderen Arbeitsplatz bearbeitet oder wurde dort soeben geändert. "
    "Ihre Änderung wurde nicht gespeichert. Bitte laden Sie die Liste neu und versuchen Sie es noch "
    "einmal.\n(");

// The call fails at once with an update conflict that DescribeError explains.
::testing::AssertionResult Conflicts(const std::function<void()>& f) {
    const auto start = std::chrono::steady_clock::now();
    try {
        f();
    } catch (const DbError& e) {
        const auto took = std::chrono::steady_clock::now() - start;
        if (!e.IsUpdateConflict()) {
            return ::testing::AssertionFailure() << "other error: " << e.what();
        }
        if (!db::DescribeError(e).startsWith(kConflict)) {
            return ::testing::AssertionFailure() << "message: " << db::DescribeError(e).toStdString();
        }
        if (took > std::chrono::seconds(2)) {
            return ::testing::AssertionFailure() << "waited";
        }
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "no conflict";
}

class TwoWorkstations : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        if (HasFatalFailure()) {
            return;
        }
        other = std::make_unique<PatientDatabase>(loc);
        other->Login(QStringLiteral("SYSDBA"), QString::fromLatin1(kAdminPassword));
    }
    void TearDown() override {
        other.reset();
        DbTest::TearDown();
    }
    std::unique_ptr<PatientDatabase> other;
};

} // namespace

TEST_P(TwoWorkstations, PatientChangedOrDeletedAtTheSameTime) {
    const qint64 id =
        dm->AddPatient(Person(QStringLiteral("Zwei"), QStringLiteral("Zora"), QDate(1950, 1, 1)));
    Patient mine = *dm->GetPatient(id);
    mine.Wohnort = QStringLiteral("Hamburg");

    // The other workstation is saving this patient right now (not yet committed).
    other->Db().Exec(QStringLiteral("update QALPATIENT set WOHNORT = ? where IDENTIFIKATION = ?"),
                     {QStringLiteral("Bremen"), id});
    EXPECT_TRUE(Conflicts([&] { dm->UpdatePatient(mine); }));
    EXPECT_TRUE(Conflicts([&] { dm->DeletePatient(id); }));
    // Choosing the patient works all the same (only its access time is not set).
    EXPECT_TRUE(dm->SelectPatient(id));
    // This connection goes on and changed nothing.
    ASSERT_TRUE(dm->GetPatient(id));
    EXPECT_TRUE(dm->GetPatient(id)->Wohnort.isEmpty());
    other->Db().CommitRetaining();
    // A reload shows the other's change.
    EXPECT_EQ(dm->GetPatient(id)->Wohnort, QStringLiteral("Bremen"));

    // Read before the other's commit, saved after it: read committed alone would let the later
    // save overwrite Bremen; the comparison with what was read refuses it.
    EXPECT_TRUE(Conflicts([&] { dm->UpdatePatient(mine); }));
    EXPECT_EQ(other->GetPatient(id)->Wohnort, QStringLiteral("Bremen"));
    // The failed attempt holds no lock: the other saves at once.
    Patient theirs = *other->GetPatient(id);
    theirs.Telefon = QStringLiteral("0421 123");
    other->UpdatePatient(theirs);

    // Reloaded and saved again: both changes are there.
    Patient again = *dm->GetPatient(id);
    again.Nummer = QStringLiteral("P-7");
    dm->UpdatePatient(again);
    const Patient both = *other->GetPatient(id);
    EXPECT_EQ(both.Wohnort, QStringLiteral("Bremen"));
    EXPECT_EQ(both.Telefon, QStringLiteral("0421 123"));
    EXPECT_EQ(both.Nummer, QStringLiteral("P-7"));
    // Only the data fields count: the other merely selecting the patient is no change.
    Patient afterSelect = *dm->GetPatient(id);
    ASSERT_TRUE(other->SelectPatient(id));
    afterSelect.Fax = QStringLiteral("0421 124");
    dm->UpdatePatient(afterSelect);
    EXPECT_EQ(other->GetPatient(id)->Fax, QStringLiteral("0421 124"));

    // What read committed with no-wait does by itself: a change the other committed after our
    // read is no conflict for the server. Without what was read (a patient put together by
    // hand) the later save wins; that is why the windows save the patient they read.
    Patient blind = *dm->GetPatient(id);
    Patient meanwhile = *other->GetPatient(id);
    meanwhile.Fax = QStringLiteral("999");
    other->UpdatePatient(meanwhile);
    blind.Geladen.clear();
    blind.Email = QStringLiteral("zora@example.org");
    EXPECT_NO_THROW(dm->UpdatePatient(blind));
    EXPECT_EQ(other->GetPatient(id)->Fax, QStringLiteral("0421 124"));
    EXPECT_EQ(other->GetPatient(id)->Email, QStringLiteral("zora@example.org"));

    // Deleted by the other: an edit says so, a delete finds nothing.
    Patient stale = *dm->GetPatient(id);
    ASSERT_NO_THROW(other->DeletePatient(id));
    stale.Plz = QStringLiteral("28195");
    try {
        dm->UpdatePatient(stale);
        ADD_FAILURE() << "saved a deleted patient";
    } catch (const DataError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Der Patient wurde inzwischen an einem anderen Arbeitsplatz "
                                              "gelöscht. Bitte laden Sie die Liste neu."));
    }
    stale.Geladen.clear();
    EXPECT_THROW(dm->UpdatePatient(stale), DataError);
    EXPECT_THROW(dm->DeletePatient(id), DataError);
    EXPECT_FALSE(dm->GetPatient(id));
}

TEST_P(TwoWorkstations, RecordingChangedOrDeletedAtTheSameTime) {
    const qint64 a = dm->AddPatient(Person(QStringLiteral("Alt"), QStringLiteral("A"), QDate(1950, 1, 1)));
    const qint64 b = dm->AddPatient(Person(QStringLiteral("Berg"), QStringLiteral("B"), QDate(1951, 1, 1)));
    const qint64 r1 =
        dm->InsertRecording(a, QDate(2026, 1, 1), QTime(8, 0), Stream(0, 500), QStringLiteral("ZUD12"));
    const qint64 r2 =
        dm->InsertRecording(a, QDate(2026, 1, 2), QTime(8, 0), Stream(1, 600), QStringLiteral("ZUD12"));
    const QString loaded = *dm->Remarks(r1);

    // The other is writing remarks of r1 right now.
    other->Db().Exec(QStringLiteral("update ZUDDATA set BEMERKUNGEN = ? where COUNTER = ?"),
                     {QByteArray("von dort"), r1});
    // Opening works all the same (only its access time is not set).
    const auto opened = dm->OpenRecording(r1);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->Daten, Stream(0, 500));
    EXPECT_TRUE(Conflicts([&] { dm->SetRemarks(r1, QStringLiteral("von hier")); }));
    EXPECT_TRUE(Conflicts([&] { dm->SetRemarks(r1, QStringLiteral("von hier"), loaded); }));
    EXPECT_TRUE(Conflicts([&] { dm->MoveRecording(r1, b); }));
    EXPECT_TRUE(Conflicts([&] { dm->DeleteRecording(r1); }));
    EXPECT_TRUE(Conflicts([&] { dm->ReplaceRecordingData(r1, Stream(0, 700)); }));
    // Deleting the patient with his recordings fails whole: patient and both recordings stay.
    EXPECT_TRUE(Conflicts([&] { dm->DeletePatient(a, true); }));
    EXPECT_TRUE(dm->GetPatient(a));
    EXPECT_EQ(dm->RecordingCount(a), 2);
    EXPECT_TRUE(dm->GetRecording(r2));
    other->Db().CommitRetaining();
    EXPECT_EQ(dm->Remarks(r1), QStringLiteral("von dort"));

    // Remarks read before the other's commit are not written over it.
    EXPECT_TRUE(Conflicts([&] { dm->SetRemarks(r1, QStringLiteral("von hier"), loaded); }));
    EXPECT_EQ(other->Remarks(r1), QStringLiteral("von dort"));
    ASSERT_NO_THROW(dm->SetRemarks(r1, QStringLiteral("von hier"), *dm->Remarks(r1)));
    EXPECT_EQ(other->Remarks(r1), QStringLiteral("von hier"));
    EXPECT_EQ(other->GetRecording(r1)->Daten, Stream(0, 500));

    // Deleted by the other: every change by key fails with a German message, nothing changes
    // and nothing is reported as done (a crop included).
    ASSERT_NO_THROW(other->DeleteRecording(r2));
    try {
        dm->ReplaceRecordingData(r2, Stream(1, 300));
        ADD_FAILURE() << "cropped a recording that is gone";
    } catch (const DataError& e) {
        EXPECT_EQ(e.Message(), PatientDatabase::RecordingGoneText());
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Die Übung ist nicht mehr vorhanden")));
    }
    EXPECT_FALSE(dm->GetRecording(r2));
    EXPECT_THROW(dm->DeleteRecording(r2), DataError);
    EXPECT_THROW(dm->SetRemarks(r2, QStringLiteral("x")), DataError);
    EXPECT_THROW(dm->SetRemarks(r2, QStringLiteral("x"), QString()), DataError);
    EXPECT_THROW(dm->MoveRecording(r2, b), DataError);
    EXPECT_FALSE(dm->OpenRecording(r2));
    EXPECT_EQ(dm->Remarks(r2), std::nullopt);

    // A move to a patient the other deleted meanwhile files nothing under him.
    const qint64 gone =
        other->AddPatient(Person(QStringLiteral("Weg"), QStringLiteral("W"), QDate(1952, 1, 1)));
    ASSERT_NO_THROW(other->DeletePatient(gone));
    EXPECT_THROW(dm->MoveRecording(r1, gone), DataError);
    EXPECT_EQ(other->GetRecording(r1)->Patient, a);

    // Moved by the other: the list here shows it after a reload.
    ASSERT_NO_THROW(other->MoveRecording(r1, b));
    EXPECT_EQ(dm->RecordingCount(a), 0);
    EXPECT_EQ(dm->RecordingCount(b), 1);
}

// Deleting a patient keeps his recordings unless asked; with them, all go in one transaction.
TEST_P(TwoWorkstations, DeletePatientWithOrWithoutRecordings) {
    const qint64 a = dm->AddPatient(Person(QStringLiteral("Eins"), QStringLiteral("E"), QDate(1960, 1, 1)));
    const qint64 b = dm->AddPatient(Person(QStringLiteral("Zwei"), QStringLiteral("Z"), QDate(1961, 1, 1)));
    std::vector<qint64> ra, rb;
    for (int i = 0; i < 3; ++i) {
        ra.push_back(dm->InsertRecording(a, QDate(2026, 2, 1 + i), QTime(9, 0), Stream(i, 200 + i),
                                         QStringLiteral("ZUD12")));
        rb.push_back(dm->InsertRecording(b, QDate(2026, 2, 1 + i), QTime(9, 0), Stream(i, 300 + i),
                                         QStringLiteral("ZUD12")));
    }
    EXPECT_EQ(dm->RecordingCount(a), 3);
    EXPECT_EQ(dm->RecordingCount(4711), 0);
    const auto list = dm->ListRecordings(a, QStringLiteral("ASC"), QStringLiteral("ASC"));
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].Daten, Stream(1, 201).left(89)); // the program header only, exactly
    EXPECT_EQ(list[1].Groesse, 201);

    ASSERT_NO_THROW(dm->DeletePatient(a));
    EXPECT_FALSE(other->GetPatient(a));
    EXPECT_EQ(other->RecordingCount(a), 3); // kept, without a patient
    for (qint64 r : ra) {
        EXPECT_TRUE(other->GetRecording(r));
    }
    ASSERT_NO_THROW(dm->DeletePatient(b, true));
    EXPECT_EQ(other->RecordingCount(b), 0);
    for (qint64 r : rb) {
        EXPECT_FALSE(other->GetRecording(r));
    }
    EXPECT_EQ(other->RecordingCount(a), 3); // the other patient's orphans are untouched
    // A patient that is gone: nothing happens, also not to recordings of his key.
    EXPECT_THROW(dm->DeletePatient(a, true), DataError);
    EXPECT_EQ(other->RecordingCount(a), 3);
}

INSTANTIATE_TEST_SUITE_P(Firebird, TwoWorkstations, ::testing::Values(Mode::Embedded, Mode::Server),
                         ModeName);
