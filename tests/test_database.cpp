// The patient database against real Firebird 3: the embedded engine and a private server.

#include "DbFixture.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTcpServer>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <pthread.h>
#include <set>
#include <thread>

using namespace zud;
using namespace zud::test;
using db::DbError;

namespace {} // namespace

TEST_P(DbTest, FreshDatabaseHasTheSchema) {
    auto& c = dm->Db();
    for (const char* table : {"ZUDDATA", "QALPATIENT", "QALGERAETE"}) {
        EXPECT_EQ(c.Query(QStringLiteral("select 1 from RDB$RELATIONS where RDB$RELATION_NAME = ?"),
                          {QString::fromLatin1(table)})
                      .size(),
                  1u)
            << table;
    }
    EXPECT_EQ(
        c.Query(QStringLiteral("select 1 from RDB$GENERATORS where RDB$GENERATOR_NAME starting with 'GEN_'"))
            .size(),
        3u);
    EXPECT_EQ(c.Query(QStringLiteral("select 1 from RDB$ROLES where RDB$ROLE_NAME = 'BENUTZER'")).size(), 1u);
    EXPECT_EQ(
        c.Query(QStringLiteral("select 1 from RDB$INDICES where RDB$INDEX_NAME = 'QALPATIENT_IDX1'")).size(),
        1u);
    const auto dialect = c.Query(QStringLiteral("select MON$SQL_DIALECT from MON$DATABASE"));
    EXPECT_EQ(dialect.front().At(0).toLongLong(), 1);
    const auto cs = c.Query(QStringLiteral("select RDB$CHARACTER_SET_NAME from RDB$DATABASE"));
    EXPECT_EQ(cs.front().At(0).toString().trimmed(), QStringLiteral("UTF8"));
    // Installing again is not needed and not done.
    EXPECT_FALSE(dm->EnsureInstalled());
    if (Server()) {
        // A refused password is an error, never a reason to create the database anew.
        EXPECT_THROW(PatientDatabase(loc).EnsureInstalled(QStringLiteral("falsch")), DbError);
    }
}

TEST_P(DbTest, PatientsMandatoryDuplicatesAndKeys) {
    // The key comes from the generator before the row is posted.
    const qint64 peek = dm->Db()
                            .Query(QStringLiteral("select GEN_ID(GEN_QALPATIENT_ID, 0) from RDB$DATABASE"))
                            .front()
                            .At(0)
                            .toLongLong();
    const qint64 id =
        dm->AddPatient(Person(QStringLiteral("Müller"), QStringLiteral("Jürgen"), QDate(1970, 4, 12)));
    EXPECT_EQ(id, peek + 1);
    const auto p = dm->GetPatient(id);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Name, QStringLiteral("Müller"));
    EXPECT_EQ(p->Geburtstag, QDate(1970, 4, 12));
    EXPECT_EQ(p->Geschlecht, -1);
    EXPECT_TRUE(p->LetzterZugriff.isValid());

    auto expectError = [&](const Patient& q, const QString& text) {
        try {
            dm->AddPatient(q);
            ADD_FAILURE() << "accepted: " << q.Name.toStdString();
        } catch (const DataError& e) {
            EXPECT_EQ(e.Message(), text);
        }
    };
    expectError(Person(QStringLiteral("Müller"), QStringLiteral("Jürgen"), QDate(1970, 4, 12)),
                QStringLiteral("Fehler: Patient bereits vorhanden!"));
    expectError(Person(QString(), QStringLiteral("A"), QDate(1970, 1, 1)),
                QStringLiteral("Fehler: Die fettgedruckten Felder sind Pflichtfelder!"));
    expectError(Person(QStringLiteral("A"), QString(), QDate(1970, 1, 1)),
                QStringLiteral("Fehler: Die fettgedruckten Felder sind Pflichtfelder!"));
    // A birth date of today counts as not given.
    expectError(Person(QStringLiteral("A"), QStringLiteral("B"), QDate::currentDate()),
                QStringLiteral("Fehler: Die fettgedruckten Felder sind Pflichtfelder!"));
    // The same person in another letter case is somebody else.
    const qint64 other =
        dm->AddPatient(Person(QStringLiteral("MÜLLER"), QStringLiteral("Jürgen"), QDate(1970, 4, 12)));
    EXPECT_NE(other, id);
    // An edit may make two patients equal.
    Patient e = *dm->GetPatient(other);
    e.Name = QStringLiteral("Müller");
    e.Geschlecht = 1;
    e.Groesse = QStringLiteral("180");
    dm->UpdatePatient(e);
    EXPECT_EQ(dm->GetPatient(other)->Name, QStringLiteral("Müller"));
    EXPECT_EQ(dm->GetPatient(other)->Geschlecht, 1);

    // Text longer than its column is refused, naming the field, before the server would.
    Patient lang = Person(QString(51, QLatin1Char('x')), QStringLiteral("A"), QDate(1980, 1, 1));
    EXPECT_THROW(dm->AddPatient(lang), DataError);
    lang = Person(QStringLiteral("Kurz"), QStringLiteral("A"), QDate(1980, 1, 1));
    lang.Plz = QStringLiteral("12345678901");
    EXPECT_THROW(dm->AddPatient(lang), DataError);
    lang.Plz = QStringLiteral("1234567890");
    lang.Nummer = QString(21, QLatin1Char('9'));
    EXPECT_THROW(dm->AddPatient(lang), DataError);
    // Fifty Polish letters fit: widths count characters.
    lang.Nummer.clear();
    lang.Name = QString(50, QChar(0x0142));
    EXPECT_GT(dm->AddPatient(lang), 0);
}

TEST_P(DbTest, SearchRecentAndHostileText) {
    const QStringList names = {QStringLiteral("Bauer"),      QStringLiteral("Berger"),
                               QStringLiteral("Schröder"),   QStringLiteral("Öztürk"),
                               QStringLiteral("O'Neill"),    QStringLiteral("x'; DROP TABLE QALPATIENT; --"),
                               QStringLiteral("100%_sicher")};
    std::vector<qint64> ids;
    for (const QString& n : names) {
        ids.push_back(dm->AddPatient(Person(n, QStringLiteral("Test"), QDate(1960, 1, 1))));
    }
    auto found = [&](const QString& text) {
        QStringList out;
        for (const Patient& p : dm->SearchPatients(text)) {
            out << p.Name;
        }
        return out;
    };
    // Any part of the surname in any case.
    EXPECT_EQ(found(QStringLiteral("ER")),
              (QStringList{QStringLiteral("100%_sicher"), QStringLiteral("Bauer"), QStringLiteral("Berger"),
                           QStringLiteral("Schröder")}));
    EXPECT_EQ(found(QStringLiteral("ÖZT")), QStringList{QStringLiteral("Öztürk")});
    EXPECT_EQ(found(QStringLiteral("o'n")), QStringList{QStringLiteral("O'Neill")});
    EXPECT_EQ(found(QStringLiteral("'; drop")), QStringList{QStringLiteral("x'; DROP TABLE QALPATIENT; --")});
    // % and _ are letters here, not wildcards.
    EXPECT_EQ(found(QStringLiteral("0%_")), QStringList{QStringLiteral("100%_sicher")});
    EXPECT_TRUE(found(QStringLiteral("_")).size() == 1);
    EXPECT_EQ(found(QString()).size(), names.size());
    EXPECT_EQ(dm->AllPatients().size(), names.size());

    // Recent: at most ten, the most recently selected first.
    for (int i = 0; i < 12; ++i) {
        ids.push_back(dm->AddPatient(
            Person(QStringLiteral("Zeh%1").arg(i), QStringLiteral("A"), QDate(1950, 1, 1 + i))));
        QThread::msleep(2);
    }
    QThread::msleep(5);
    ASSERT_TRUE(dm->SelectPatient(ids[0]));
    const auto recent = dm->RecentPatients();
    ASSERT_EQ(recent.size(), 10u);
    EXPECT_EQ(recent.front().Identifikation, ids[0]);
    EXPECT_EQ(recent[1].Name, QStringLiteral("Zeh11"));
    EXPECT_FALSE(dm->SelectPatient(999999));
}

TEST_P(DbTest, RecordingsStoredListedOpenedMovedDeleted) {
    const qint64 a = dm->AddPatient(Person(QStringLiteral("Alt"), QStringLiteral("A"), QDate(1950, 1, 1)));
    const qint64 b = dm->AddPatient(Person(QStringLiteral("Berg"), QStringLiteral("B"), QDate(1951, 1, 1)));

    // The device row: 1 in an empty table, max + 1 for a new name, the same for a known name.
    const qint64 r1 = dm->InsertRecording(a, QDate(2026, 11, 4), QTime(10, 15, 30), Stream(0, 2617),
                                          QStringLiteral("ZUD12 Typ 1"));
    const qint64 r2 = dm->InsertRecording(a, QDate(2026, 11, 4), QTime(9, 0, 0), Stream(4, 3000),
                                          QStringLiteral("ZUD12 Typ 4"));
    const qint64 r3 = dm->InsertRecording(a, QDate(2026, 11, 5), QTime(8, 0, 0), Stream(9, 4000),
                                          QStringLiteral("ZUD12 Typ 1"));
    EXPECT_EQ(dm->GetRecording(r1)->Typ, 1);
    EXPECT_EQ(dm->GetRecording(r2)->Typ, 2);
    EXPECT_EQ(dm->GetRecording(r3)->Typ, 1);
    EXPECT_EQ(dm->GetRecording(r2)->Betriebsart, 5);
    EXPECT_EQ(dm->GetRecording(r3)->Betriebsart, 10);
    EXPECT_EQ(dm->GetRecording(r1)->Uhrzeit, QTime(10, 15, 30));

    // Date descending, time ascending, and both the other way.
    auto order = [&](const QString& d, const QString& t) {
        std::vector<qint64> out;
        for (const Recording& r : dm->ListRecordings(a, d, t)) {
            out.push_back(r.Counter);
        }
        return out;
    };
    // Anything but ASC or DESC falls back to the defaults: date descending, time ascending.
    EXPECT_EQ(order(QStringLiteral("DESC"), QStringLiteral("ASC")), (std::vector<qint64>{r3, r2, r1}));
    EXPECT_EQ(order(QStringLiteral("ASC"), QStringLiteral("DESC")), (std::vector<qint64>{r1, r2, r3}));
    EXPECT_EQ(order(QStringLiteral("asc; drop"), QStringLiteral("x")), (std::vector<qint64>{r3, r2, r1}));
    EXPECT_EQ(order(QStringLiteral("asc"), QStringLiteral("desc")), (std::vector<qint64>{r1, r2, r3}));
    const auto list = dm->ListRecordings(a);
    EXPECT_EQ(list.front().Groesse, 4000);
    EXPECT_EQ(list.front().Daten.size(), 89); // the program header only

    // Opening touches it and names the device.
    QString device;
    const auto opened = dm->OpenRecording(r2, &device);
    ASSERT_TRUE(opened);
    EXPECT_EQ(device, QStringLiteral("ZUD12 Typ 4"));
    EXPECT_EQ(opened->Daten, Stream(4, 3000));
    ASSERT_EQ(dm->RecentRecordings(a).size(), 3u); // inserted recordings count as opened now
    EXPECT_FALSE(dm->OpenRecording(424242));

    EXPECT_EQ(dm->FindRecording(a, QDate(2026, 11, 4), QTime(9, 0, 0)), r2);
    EXPECT_FALSE(dm->FindRecording(a, QDate(2026, 11, 4), QTime(9, 0, 2)));

    dm->SetRemarks(r1, QStringLiteral("Gut mitgearbeitet.\nÜbung wiederholen."));
    EXPECT_EQ(dm->GetRecording(r1)->Bemerkungen, QStringLiteral("Gut mitgearbeitet.\nÜbung wiederholen."));
    dm->ReplaceRecordingData(r1, Stream(0, 1000));
    EXPECT_EQ(dm->GetRecording(r1)->Daten, Stream(0, 1000));
    EXPECT_THROW(dm->ReplaceRecordingData(r1, QByteArray(10, 'x')), DataError);

    ASSERT_NO_THROW(dm->MoveRecording(r1, b));
    EXPECT_EQ(dm->ListRecordings(a).size(), 2u);
    EXPECT_EQ(dm->ListRecordings(b).size(), 1u);
    ASSERT_NO_THROW(dm->DeleteRecording(r1));
    EXPECT_THROW(dm->DeleteRecording(r1), DataError);
    EXPECT_TRUE(dm->ListRecordings(b).empty());

    // Deleting a patient keeps the recordings.
    dm->DeletePatient(a);
    EXPECT_FALSE(dm->GetPatient(a));
    EXPECT_TRUE(dm->GetRecording(r2));
}

TEST_P(DbTest, LargeBlobByteIdentical) {
    const qint64 a = dm->AddPatient(Person(QStringLiteral("Blob"), QStringLiteral("B"), QDate(1950, 1, 1)));
    QByteArray big(1 << 20, '\0');
    uint32_t x = 99;
    for (auto& c : big) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
    }
    big[2] = 7;
    const qint64 r = dm->InsertRecording(a, QDate(2026, 1, 1), QTime(12, 0), big, QStringLiteral("ZUD12"));
    auto second = Second();
    const auto rows = second->Query(QStringLiteral("select DATEN from ZUDDATA where COUNTER = ?"), {r});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.front().At(0).toByteArray(), big);
}

// A save repeated because the program ended before it could say it was done stores nothing
// twice; another recording at the same time, or the same one at another time or for another
// patient, is stored.
TEST_P(DbTest, TheSameRecordingSavedAgainIsStoredOnce) {
    const qint64 a =
        dm->AddPatient(Person(QStringLiteral("Zweimal"), QStringLiteral("Z"), QDate(1950, 1, 1)));
    const qint64 b = dm->AddPatient(Person(QStringLiteral("Andere"), QStringLiteral("A"), QDate(1951, 1, 1)));
    const QByteArray live = Stream(2, 5000);
    const qint64 first =
        dm->InsertRecording(a, QDate(2026, 3, 3), QTime(10, 0, 5), live, QStringLiteral("ZUD12"));
    EXPECT_EQ(dm->InsertRecording(a, QDate(2026, 3, 3), QTime(10, 0, 5), live, QStringLiteral("ZUD12")),
              first);
    QByteArray other = live;
    other[4000] = static_cast<char>(other[4000] ^ 1);
    const qint64 differs =
        dm->InsertRecording(a, QDate(2026, 3, 3), QTime(10, 0, 5), other, QStringLiteral("ZUD12"));
    const qint64 later =
        dm->InsertRecording(a, QDate(2026, 3, 3), QTime(10, 0, 6), live, QStringLiteral("ZUD12"));
    const qint64 elsewhere =
        dm->InsertRecording(b, QDate(2026, 3, 3), QTime(10, 0, 5), live, QStringLiteral("ZUD12"));
    EXPECT_EQ((std::set<qint64>{first, differs, later, elsewhere}).size(), 4u);
    EXPECT_EQ(Second()->Query(QStringLiteral("select count(*) from ZUDDATA")).front().At(0).toInt(), 4);
    EXPECT_EQ(dm->GetRecording(differs)->Daten, other);
}

TEST_P(DbTest, BadRecordsGoAtLogin) {
    const qint64 a = dm->AddPatient(Person(QStringLiteral("Rest"), QStringLiteral("R"), QDate(1950, 1, 1)));
    const qint64 good =
        dm->InsertRecording(a, QDate(2026, 1, 1), QTime(12, 0), Stream(0, 300), QStringLiteral("ZUD12"));
    const qint64 bad =
        dm->InsertRecording(a, QDate(2026, 1, 2), QTime(12, 0), Stream(0, 300), QStringLiteral("ZUD12"));
    dm->Db().Exec(QStringLiteral("update ZUDDATA set BETRIEBSART = -100 where COUNTER = ?"), {bad});
    dm->Db().Exec(QStringLiteral("update ZUDDATA set BETRIEBSART = -11 where COUNTER = ?"), {good});
    dm->Db().CommitRetaining();
    dm->Logout();
    dm->Login(QStringLiteral("SYSDBA"), QString::fromLatin1(kAdminPassword));
    EXPECT_FALSE(dm->GetRecording(bad));
    ASSERT_TRUE(dm->GetRecording(good));
    EXPECT_EQ(dm->GetRecording(good)->Betriebsart, -11);
    EXPECT_EQ(DisplayedMode(-11), 8);
}

TEST_P(DbTest, ConcurrentUpdateFailsAtOnceAndLosesNothing) {
    const qint64 a = dm->AddPatient(Person(QStringLiteral("Zwei"), QStringLiteral("Z"), QDate(1950, 1, 1)));
    auto second = Second();
    dm->Db().Exec(QStringLiteral("update QALPATIENT set WOHNORT = ? where IDENTIFIKATION = ?"),
                  {QStringLiteral("Erster"), a});
    const auto start = std::chrono::steady_clock::now();
    try {
        second->Exec(QStringLiteral("update QALPATIENT set WOHNORT = ? where IDENTIFIKATION = ?"),
                     {QStringLiteral("Zweiter"), a});
        ADD_FAILURE() << "second update went through";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.IsUpdateConflict()) << e.SqlCode() << " " << e.GdsCode() << " " << e.what();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    dm->Db().CommitRetaining();
    second->Rollback();
    EXPECT_EQ(second->Query(QStringLiteral("select WOHNORT from QALPATIENT where IDENTIFIKATION = ?"), {a})
                  .front()
                  .At(0)
                  .toString(),
              QStringLiteral("Erster"));
}

INSTANTIATE_TEST_SUITE_P(Firebird, DbTest, ::testing::Values(Mode::Embedded, Mode::Server), ModeName);

// ---------------------------------------------------------------- server only: accounts

class ServerAccounts : public DbTest {};

TEST_P(ServerAccounts, LoginRoleRepairAndUsers) {
    // An account without the role: the first table access fails, the login grants it once.
    dm->Db().Exec(QStringLiteral("CREATE USER ohnerolle PASSWORD 'pw1'"));
    dm->Db().Commit();
    {
        auto bare = db::Connection::Attach({loc.ConnectionString(), QStringLiteral("OHNEROLLE"),
                                            QStringLiteral("pw1"), QString::fromLatin1(kRole)});
        try {
            bare->Query(QStringLiteral("select first 1 * from QALPATIENT"));
            ADD_FAILURE() << "read without role";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.IsRoleError()) << e.SqlCode();
        }
    }
    PatientDatabase user(loc);
    user.Login(QStringLiteral("ohnerolle"), QStringLiteral("pw1")); // typed in lower case
    EXPECT_EQ(user.UserName(), QStringLiteral("OHNEROLLE"));
    EXPECT_TRUE(user.AllPatients().empty());
    user.Logout();
    EXPECT_FALSE(user.LoggedIn());

    EXPECT_THROW(user.Login(QStringLiteral("ohnerolle"), QStringLiteral("falsch")), DbError);
    // A wrong administrator password: the repair fails and so does the login.
    dm->Db().Exec(QStringLiteral("CREATE USER zweiter PASSWORD 'pw2'"));
    dm->Db().Commit();
    EXPECT_THROW(user.Login(QStringLiteral("zweiter"), QStringLiteral("pw2"), QStringLiteral("falsch")),
                 DbError);

    // User management with the administrator account.
    const QString admin = QString::fromLatin1(kAdminPassword);
    PatientDatabase::CreateUser(loc, admin, QStringLiteral("anna"), QStringLiteral("it's \"secret\""));
    PatientDatabase::CreateUser(loc, admin, QStringLiteral("SUPERUSER"), QStringLiteral("x"));
    const QStringList users = PatientDatabase::Users(loc, admin);
    EXPECT_TRUE(users.contains(QStringLiteral("ANNA")));
    EXPECT_FALSE(users.contains(QStringLiteral("SYSDBA")));
    EXPECT_FALSE(users.contains(QStringLiteral("SUPERUSER")));
    PatientDatabase anna(loc);
    anna.Login(QStringLiteral("Anna"), QStringLiteral("it's \"secret\""));
    anna.ChangePassword(QStringLiteral("neu"));
    anna.Logout();
    anna.Login(QStringLiteral("anna"), QStringLiteral("neu"));
    anna.Logout();
    PatientDatabase::AlterUser(loc, admin, QStringLiteral("anna"), QStringLiteral("wieder"));
    anna.Login(QStringLiteral("anna"), QStringLiteral("wieder"));
    anna.Logout();
    PatientDatabase::DropUser(loc, admin, QStringLiteral("anna"));
    EXPECT_FALSE(PatientDatabase::Users(loc, admin).contains(QStringLiteral("ANNA")));

    // Names are identifiers, never SQL.
    for (const char* bad :
         {"x; DROP USER SYSDBA", "a b", "1abc", "", "name'--", "sehr_langer_name_mit_mehr_als_31_z"}) {
        EXPECT_THROW(PatientDatabase::CreateUser(loc, admin, QString::fromLatin1(bad), QStringLiteral("pw")),
                     DataError)
            << bad;
    }
    EXPECT_THROW(PatientDatabase::CreateUser(loc, admin, QStringLiteral("leer"), QString()), DataError);
}

INSTANTIATE_TEST_SUITE_P(Firebird, ServerAccounts, ::testing::Values(Mode::Server), ModeName);

TEST(EmbeddedAccounts, UserManagementNeedsAServer) {
    DbLocation loc;
    loc.dir = QStringLiteral("/tmp");
    try {
        PatientDatabase::Users(loc, QString::fromLatin1(kAdminPassword));
        ADD_FAILURE();
    } catch (const DataError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("Datenbankserver")));
    }
}

namespace {

std::atomic<int> gTerms{0};
extern "C" void CountTerm(int) {
    ++gTerms;
}

bool TermBlocked() {
    sigset_t now;
    ::pthread_sigmask(SIG_BLOCK, nullptr, &now);
    return sigismember(&now, SIGTERM) == 1;
}

} // namespace

// A signal that comes during a call into the database client waits for the end of the
// outermost call of the thread (or for the caller's own work in between); errno starts at zero
// in every call and after such work; a thread that held the signal back already keeps it so.
TEST(ClientCalls, HoldSignalsAndStartWithACleanErrno) {
    struct sigaction sa {
    }, old{};
    sa.sa_handler = CountTerm;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ASSERT_EQ(::sigaction(SIGTERM, &sa, &old), 0);
    ASSERT_FALSE(TermBlocked());
    gTerms = 0;
    {
        errno = EINTR;
        const db::ClientCall call;
        EXPECT_EQ(errno, 0);
        EXPECT_TRUE(TermBlocked());
        ::raise(SIGTERM);
        EXPECT_EQ(gTerms, 0);
        {
            errno = EINTR;
            const db::ClientCall inner;
            EXPECT_EQ(errno, 0);
        }
        EXPECT_EQ(gTerms, 0) << "an inner call let the signal through";
        {
            const db::ClientCall::Pause pause;
            EXPECT_EQ(gTerms, 1);
            EXPECT_FALSE(TermBlocked());
            {
                // A call that the event loop makes meanwhile holds the signal for its own time.
                const db::ClientCall meanwhile;
                EXPECT_TRUE(TermBlocked());
                ::raise(SIGTERM);
                EXPECT_EQ(gTerms, 1);
            }
            EXPECT_EQ(gTerms, 2);
            EXPECT_FALSE(TermBlocked());
            errno = EINTR; // a wait of the event loop that the signal interrupted
        }
        EXPECT_EQ(errno, 0);
        EXPECT_TRUE(TermBlocked());
        ::raise(SIGTERM);
        EXPECT_EQ(gTerms, 2);
    }
    EXPECT_EQ(gTerms, 3);
    EXPECT_FALSE(TermBlocked());

    // Outside a call the pause changes nothing.
    {
        const db::ClientCall::Pause pause;
        EXPECT_FALSE(TermBlocked());
    }
    EXPECT_FALSE(TermBlocked());

    sigset_t term;
    sigemptyset(&term);
    sigaddset(&term, SIGTERM);
    ::pthread_sigmask(SIG_BLOCK, &term, nullptr);
    {
        const db::ClientCall call;
        const db::ClientCall::Pause pause;
        EXPECT_TRUE(TermBlocked());
    }
    EXPECT_TRUE(TermBlocked());
    ::pthread_sigmask(SIG_UNBLOCK, &term, nullptr);
    ::sigaction(SIGTERM, &old, nullptr);
}

// The embedded engine repeats the status check of a shared file it creates for as long as
// errno says "interrupted", and a check that succeeds leaves errno alone: calls made while errno
// still held that value from an earlier interrupted wait (Ctrl+C during a device transfer) looped
// for ever, the first attach on a fresh lock folder as well as the detach. They end now.
TEST(ClientCalls, EndAfterAnInterruptedWait) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    IsolateProgramFolders(dir);
    db::SetLockFolder(dir.filePath(QStringLiteral("lock")));
    DbLocation loc;
    loc.dir = dir.filePath(QStringLiteral("db"));
    QDir().mkpath(loc.dir);
    // A call that loops never returns: the watchdog ends the test program with a failure.
    std::mutex m;
    std::condition_variable cv;
    bool done = false;
    std::thread watchdog([&] {
        std::unique_lock lock(m);
        if (!cv.wait_for(lock, std::chrono::seconds(60), [&] { return done; })) {
            std::fprintf(stderr, "a database call did not end within 60 s\n");
            std::_Exit(1);
        }
    });
    {
        PatientDatabase dm(loc);
        errno = EINTR;
        EXPECT_TRUE(dm.EnsureInstalled());
        for (int round = 0; round < 2; ++round) {
            errno = EINTR;
            dm.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
            errno = EINTR;
            EXPECT_EQ(dm.Db().Query(QStringLiteral("select count(*) from ZUDData")).size(), 1u);
            errno = EINTR;
            dm.Logout();
        }
    }
    {
        std::lock_guard lock(m);
        done = true;
    }
    cv.notify_one();
    watchdog.join();
}

TEST(Location, ConnectionStrings) {
    DbLocation l;
    l.dir = QStringLiteral("/var/lib/zud/DB/");
    EXPECT_TRUE(l.Embedded());
    EXPECT_EQ(l.ConnectionString(), QStringLiteral("/var/lib/zud/DB/ZUDData3.gdb"));
    l.server = QStringLiteral("none");
    l.port = QStringLiteral("3052");
    l.dir = QStringLiteral("/srv/db");
    EXPECT_EQ(l.ConnectionString(), QStringLiteral("127.0.0.1/3052:/srv/db/ZUDData3.gdb"));
    l.server.clear();
    EXPECT_EQ(l.ConnectionString(), QStringLiteral("127.0.0.1/3052:/srv/db/ZUDData3.gdb"));
    l.server = QStringLiteral("praxis-server");
    EXPECT_EQ(l.ConnectionString(), QStringLiteral("praxis-server/3052:/srv/db/ZUDData3.gdb"));
    EXPECT_EQ(DisplayedMode(3), 3);
    EXPECT_EQ(DisplayedMode(-9), 5);
    EXPECT_EQ(DisplayedMode(-112), 6);
    EXPECT_EQ(DisplayedMode(-1), 1);
}

// ---------------------------------------------------------------- zudctl db, as a program

namespace {

struct Ctl {
    int rc = -1;
    QString out, err;
};

class ZudctlDb : public DbTest {
protected:
    Ctl Run(QStringList args, const QString& lockFolder = QString(), QStringList prefix = {},
            const QProcessEnvironment& extra = {}) {
        QStringList global = {QStringLiteral("--db-dir"), loc.dir};
        if (Server()) {
            global << QStringLiteral("--db-server") << loc.server << QStringLiteral("--db-port") << loc.port;
        }
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("ZUD_DATA_DIR"), dir.filePath(QStringLiteral("ctl")));
        env.insert(QStringLiteral("FIREBIRD_LOCK"),
                   lockFolder.isEmpty() ? dir.filePath(QStringLiteral("lock")) : lockFolder);
        env.insert(extra);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZUD_BIN_DIR "/zudctl"),
                prefix + global + QStringList{QStringLiteral("db")} + args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
};

} // namespace

TEST_P(ZudctlDb, PatientsAndRecordings) {
    // The program's own connection must not hold an embedded file while zudctl works on it.
    dm.reset();
    Ctl r = Run({QStringLiteral("create")});
    EXPECT_EQ(r.rc, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("vorhanden: ")));

    r = Run({QStringLiteral("add-patient"), QStringLiteral("--name"), QStringLiteral("O'Hara; --"),
             QStringLiteral("--vorname"), QStringLiteral("Zoë"), QStringLiteral("--geburtstag"),
             QStringLiteral("1961-02-03"), QStringLiteral("--nummer"), QStringLiteral("P-17")});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    const QString id = r.out.trimmed();
    r = Run({QStringLiteral("add-patient"), QStringLiteral("--name"), QStringLiteral("O'Hara; --"),
             QStringLiteral("--vorname"), QStringLiteral("Zoë"), QStringLiteral("--geburtstag"),
             QStringLiteral("1961-02-03")});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.err, QStringLiteral("Fehler: Patient bereits vorhanden!\n"));
    r = Run({QStringLiteral("add-patient"), QStringLiteral("--name"), QStringLiteral("Zweite"),
             QStringLiteral("--vorname"), QStringLiteral("B"), QStringLiteral("--geburtstag"),
             QStringLiteral("1970-01-01")});
    const QString id2 = r.out.trimmed();
    r = Run({QStringLiteral("patients"), QStringLiteral("--search"), QStringLiteral("hara;")});
    EXPECT_EQ(r.out, id + QStringLiteral(";\"O'Hara; --\";Zoë;1961-02-03\n"));

    const QString file = dir.filePath(QStringLiteral("rec.hdf"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const QByteArray data = Stream(6, 12345);
    f.write(data);
    f.close();
    r = Run({QStringLiteral("store"), id, file, QStringLiteral("--date"), QStringLiteral("2026-11-04"),
             QStringLiteral("--time"), QStringLiteral("10:15:30"), QStringLiteral("--device"),
             QStringLiteral("ZUD12 Typ 3")});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    const QString counter = r.out.trimmed();
    r = Run({QStringLiteral("recordings"), id});
    EXPECT_EQ(r.out, counter + QStringLiteral(";2026-11-04;10:15:30;7;12345\n"));
    const QString back = dir.filePath(QStringLiteral("back.hdf"));
    ASSERT_EQ(Run({QStringLiteral("fetch"), counter, back}).rc, 0);
    QFile b(back);
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(b.readAll(), data);
    EXPECT_EQ(Run({QStringLiteral("move"), counter, id2}).rc, 0);
    EXPECT_TRUE(Run({QStringLiteral("recordings"), id}).out.isEmpty());
    EXPECT_EQ(Run({QStringLiteral("move"), counter, QStringLiteral("99999")}).rc, 1);
    EXPECT_EQ(Run({QStringLiteral("delete-recording"), counter}).rc, 0);
    EXPECT_EQ(Run({QStringLiteral("delete-recording"), counter}).rc, 1);
    EXPECT_EQ(Run({QStringLiteral("fetch"), counter, back}).rc, 1);
    EXPECT_EQ(Run({QStringLiteral("store"), QStringLiteral("x"), file}).rc, 2);
    EXPECT_EQ(Run({QStringLiteral("frobnicate")}).rc, 2);

    if (Server()) {
        EXPECT_EQ(Run({QStringLiteral("add-user"), QStringLiteral("berta"), QStringLiteral("pw'1")}).rc, 0);
        r = Run({QStringLiteral("users")});
        EXPECT_EQ(r.out, QStringLiteral("BERTA\n"));
        EXPECT_EQ(Run({QStringLiteral("set-password"), QStringLiteral("berta"), QStringLiteral("neu")}).rc,
                  0);
        EXPECT_EQ(Run({QStringLiteral("add-user"), QStringLiteral("x;drop"), QStringLiteral("pw")}).rc, 1);
        EXPECT_EQ(Run({QStringLiteral("drop-user"), QStringLiteral("berta")}).rc, 0);
        EXPECT_TRUE(Run({QStringLiteral("users")}).out.isEmpty());
    } else {
        r = Run({QStringLiteral("users")});
        EXPECT_EQ(r.rc, 1);
        EXPECT_TRUE(r.err.contains(QStringLiteral("Datenbankserver")));
    }
}

// The embedded engine opens a file in one process at a time: a second program is refused
// cleanly, whichever lock folder it uses, and the first one goes on undisturbed.
TEST_P(ZudctlDb, SecondProcessOnTheEmbeddedFile) {
    if (Server()) {
        GTEST_SKIP() << "a server shares its files by design";
    }
    const qint64 a = dm->AddPatient(Person(QStringLiteral("Halter"), QStringLiteral("H"), QDate(1950, 1, 1)));
    for (const QString& lock : {QString(), dir.filePath(QStringLiteral("other-lock"))}) {
        const Ctl r = Run({QStringLiteral("patients")}, lock);
        EXPECT_EQ(r.rc, 1);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.startsWith(
            QStringLiteral("Die Datenbankdatei wird gerade von einem anderen Programm benutzt.")))
            << r.err.toStdString();
    }
    EXPECT_TRUE(dm->GetPatient(a));
    dm->InsertRecording(a, QDate(2026, 1, 1), QTime(8, 0), Stream(0, 500), QStringLiteral("ZUD12"));
    dm.reset();
    const Ctl r = Run({QStringLiteral("recordings"), QString::number(a)});
    EXPECT_EQ(r.rc, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral(";2026-01-01;08:00:00;1;500\n")));
}

INSTANTIATE_TEST_SUITE_P(Firebird, ZudctlDb, ::testing::Values(Mode::Embedded, Mode::Server), ModeName);

// ---------------------------------------------------------------- failures in clear words

TEST_P(DbTest, ClosedAndUnwoundConnections) {
    // After Close every call fails cleanly.
    auto c = Second();
    c->Close();
    EXPECT_FALSE(c->IsOpen());
    EXPECT_THROW(c->Query(QStringLiteral("select 1 from RDB$DATABASE")), DbError);
    EXPECT_THROW(c->Exec(QStringLiteral("delete from QALGeraete")), DbError);
    EXPECT_THROW(c->CommitRetaining(), DbError);
    EXPECT_THROW(c->Commit(), DbError);
    EXPECT_THROW(c->NextId(QStringLiteral("GEN_GERAETE_ID")), DbError);
    c.reset();
    dm->Logout();
    EXPECT_THROW(dm->AllPatients(), DataError);
    dm->Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));

    auto insert = [this](int id) {
        auto other = Second();
        other->Exec(
            QStringLiteral("insert into QALGeraete (ZAEHLER, GERAETEID, GERAETENAME) values (?, ?, ?)"),
            {id, id, QStringLiteral("Gerät %1").arg(id)});
        if (id == 2) {
            throw std::runtime_error("the work stops half-way");
        }
    };
    auto count = [this](int id) {
        return dm->Db().Query(QStringLiteral("select 1 from QALGeraete where ZAEHLER = %1").arg(id)).size();
    };
    insert(1); // destroyed normally: committed
    EXPECT_THROW(insert(2), std::runtime_error);
    EXPECT_EQ(count(1), 1u);
    EXPECT_EQ(count(2), 0u); // destroyed by the exception: rolled back
}

TEST_P(DbTest, ErrorsSayWhatHappenedAndWhatToDo) {
    auto expectData = [this](const Patient& p, const QString& message) {
        try {
            dm->AddPatient(p);
            ADD_FAILURE() << "accepted: " << message.toStdString();
        } catch (const DataError& e) {
            EXPECT_EQ(e.Message(), message);
        }
    };
    Patient p = Person(QString(51, QLatin1Char('M')), QStringLiteral("A"), QDate(1960, 1, 1));
    expectData(p, QStringLiteral("Fehler: Der Text im Feld „Name“ ist länger als 50 Zeichen."));
    p = Person(QStringLiteral("M"), QStringLiteral("A"), QDate(1960, 1, 1));
    p.Plz = QStringLiteral("12345678901");
    expectData(p, QStringLiteral("Fehler: Der Text im Feld „PLZ“ ist länger als 10 Zeichen."));
    p.Plz.clear();
    p.Geburtstag = QDate(1899, 12, 31);
    expectData(p, QStringLiteral("Fehler: Das Geburtsdatum muss zwischen dem 01.01.1900 und heute liegen!"));
    p.Geburtstag = QDate::currentDate().addDays(1);
    expectData(p, QStringLiteral("Fehler: Das Geburtsdatum muss zwischen dem 01.01.1900 und heute liegen!"));
    p.Geburtstag = QDate(1900, 1, 1);
    EXPECT_GT(dm->AddPatient(p), 0);

    auto describe = [](const std::function<void()>& f) {
        try {
            f();
        } catch (const DbError& e) {
            return db::DescribeError(e);
        }
        return QString();
    };
    // The server refuses a text too long for its column.
    QString m = describe([this] {
        dm->Db().Exec(QStringLiteral("insert into QALPatient (IDENTIFIKATION, NAME) values (999, ?)"),
                      {QString(60, QLatin1Char('x'))});
    });
    EXPECT_TRUE(
        m.startsWith(QStringLiteral("Ein Text ist länger, als sein Feld in der Datenbank erlaubt.\n(")))
        << m.toStdString();

    DbLocation missing = loc;
    missing.dir = dir.filePath(QStringLiteral("leer"));
    m = describe([&] {
        PatientDatabase(missing).Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    });
    EXPECT_TRUE(m.startsWith(QStringLiteral("Die Datenbank wurde nicht gefunden."))) << m.toStdString();

    DbLocation garbage = loc;
    garbage.dir = dir.filePath(QStringLiteral("kaputt"));
    QDir().mkpath(garbage.dir);
    QFile g(garbage.FilePath());
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write(QByteArray(65536, 'Z'));
    g.close();
    if (Server()) {
        // The server runs as this user and reads the same file.
        ASSERT_TRUE(g.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    }
    m = describe([&] {
        PatientDatabase(garbage).Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
    });
    EXPECT_TRUE(m.startsWith(
        QStringLiteral("Die Datei ist keine Datenbank dieses Programms oder sie ist beschädigt.")))
        << m.toStdString();

    if (Server()) {
        m = describe(
            [this] { PatientDatabase(loc).Login(QStringLiteral("sysdba"), QStringLiteral("falsch")); });
        EXPECT_TRUE(m.startsWith(QStringLiteral("Benutzername oder Passwort ist falsch.\n(")))
            << m.toStdString();
        DbLocation closed = loc;
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closed.port = QString::number(probe.serverPort());
        probe.close();
        m = describe([&] {
            PatientDatabase(closed).Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
        });
        EXPECT_TRUE(
            m.startsWith(QStringLiteral("Der Datenbankserver „127.0.0.1“ (Port %1) ist nicht erreichbar.")
                             .arg(closed.port)))
            << m.toStdString();
    }
}

TEST_P(ZudctlDb, WrongUsageAndBadInputAreNeverASuccess) {
    dm.reset();
    Ctl r = Run({QStringLiteral("recordings"), QStringLiteral("4711")});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.err, QStringLiteral("Patient nicht gefunden: 4711\n"));
    EXPECT_EQ(Run({QStringLiteral("patients"), QStringLiteral("zuviel")}).rc, 2);
    EXPECT_EQ(Run({QStringLiteral("patients"), QStringLiteral("--date"), QStringLiteral("2020-01-01")}).rc,
              2);
    EXPECT_EQ(Run({QStringLiteral("recordings")}).rc, 2);
    EXPECT_EQ(Run({QStringLiteral("recordings"), QStringLiteral("1"), QStringLiteral("2")}).rc, 2);
    EXPECT_EQ(Run({QStringLiteral("create"), QStringLiteral("x")}).rc, 2);
    EXPECT_EQ(Run({QStringLiteral("delete-recording"), QStringLiteral("1"), QStringLiteral("--name"),
                   QStringLiteral("x")})
                  .rc,
              2);
    r = Run({QStringLiteral("add-patient"), QStringLiteral("--name"), QStringLiteral("Alt"),
             QStringLiteral("--vorname"), QStringLiteral("A"), QStringLiteral("--geburtstag"),
             QStringLiteral("1899-12-31")});
    EXPECT_EQ(r.rc, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Geburtsdatum"))) << r.err.toStdString();
    r = Run({QStringLiteral("add-patient"), QStringLiteral("--name"), QStringLiteral("Neu;er"),
             QStringLiteral("--vorname"), QStringLiteral("Zeile\"1"), QStringLiteral("--geburtstag"),
             QStringLiteral("2001-02-03")});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    const QString id = r.out.trimmed();
    EXPECT_EQ(Run({QStringLiteral("patients")}).out,
              id + QStringLiteral(";\"Neu;er\";\"Zeile\"\"1\";2001-02-03\n"));

    // Not a recording: nothing is stored.
    const QString junk = dir.filePath(QStringLiteral("junk.hdf"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(300, '\x08')); // mode 8 has no samples
    f.close();
    r = Run({QStringLiteral("store"), id, junk, QStringLiteral("--date"), QStringLiteral("2026-01-01"),
             QStringLiteral("--time"), QStringLiteral("08:00:00")});
    EXPECT_EQ(r.rc, 1);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("Keine Aufzeichnung: die Betriebsart 8")))
        << r.err.toStdString();
    EXPECT_TRUE(Run({QStringLiteral("recordings"), id}).out.isEmpty());

    // A fetch into a folder in the way fails before anything is read.
    QDir().mkpath(dir.filePath(QStringLiteral("im-weg")));
    r = Run({QStringLiteral("fetch"), QStringLiteral("1"), dir.filePath(QStringLiteral("im-weg"))});
    EXPECT_EQ(r.rc, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("(ein Ordner dieses Namens ist im Weg)")))
        << r.err.toStdString();

    if (Server()) {
        // Passwords from a file or the environment; a wrong one says so in German.
        const QString pwFile = dir.filePath(QStringLiteral("pw"));
        QFile pw(pwFile);
        ASSERT_TRUE(pw.open(QIODevice::WriteOnly));
        pw.write("falsch\n");
        pw.close();
        r = Run({QStringLiteral("patients")}, {}, {QStringLiteral("--db-password-file"), pwFile});
        EXPECT_EQ(r.rc, 1);
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("Benutzername oder Passwort ist falsch.")))
            << r.err.toStdString();
        QProcessEnvironment env;
        env.insert(QStringLiteral("ZUD_DB_PASSWORD"), QStringLiteral("falsch"));
        EXPECT_EQ(Run({QStringLiteral("patients")}, {}, {}, env).rc, 1);
        env.insert(QStringLiteral("ZUD_DB_PASSWORD"), QString::fromLatin1(kAdminPassword));
        EXPECT_EQ(Run({QStringLiteral("patients")}, {}, {}, env).rc, 0);
    }
}

// An ordinary user (root may open anything) without the rights the embedded engine needs.
TEST_P(ZudctlDb, NoPermissionOnTheDataOrTheLockFolder) {
    if (Server() || QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty()) {
        GTEST_SKIP() << "the embedded engine, as another user";
    }
    dm.reset();
    const QString open = dir.filePath(QStringLiteral("offen"));
    for (const QString& d : {open, open + QStringLiteral("/cfg"), open + QStringLiteral("/ctl"),
                             open + QStringLiteral("/lock")}) {
        QDir().mkpath(d);
        QFile::setPermissions(d, QFileDevice::Permissions(0x7777));
    }
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755));
    QFile::setPermissions(loc.dir, QFileDevice::Permissions(0x7700)); // the database folder: root's
    const QString readOnlyLock = open + QStringLiteral("/lock-ro");
    QDir().mkpath(readOnlyLock);
    QFile::setPermissions(readOnlyLock, QFileDevice::Permissions(0x5555));
    auto asNobody = [&](const QString& lock) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), open + QStringLiteral("/cfg"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), open + QStringLiteral("/cfg"));
        env.insert(QStringLiteral("ZUD_DATA_DIR"), open + QStringLiteral("/ctl"));
        env.insert(QStringLiteral("FIREBIRD_LOCK"), lock);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                 QStringLiteral("--clear-groups"), QStringLiteral(ZUD_BIN_DIR "/zudctl"),
                 QStringLiteral("--db-dir"), loc.dir, QStringLiteral("db"), QStringLiteral("patients")});
        p.waitForFinished(60000);
        return std::make_pair(p.exitCode(), QString::fromUtf8(p.readAllStandardError()));
    };
    auto [rc, err] = asNobody(open + QStringLiteral("/lock"));
    EXPECT_EQ(rc, 1);
    EXPECT_TRUE(
        err.startsWith(QStringLiteral("Keine Berechtigung für die Datenbankdatei oder ihren Ordner.")))
        << err.toStdString();
    QFile::setPermissions(loc.dir, QFileDevice::Permissions(0x7755));
    QFile::setPermissions(loc.FilePath(), QFileDevice::Permissions(0x6666));
    std::tie(rc, err) = asNobody(readOnlyLock);
    EXPECT_EQ(rc, 1);
    EXPECT_TRUE(err.startsWith(QStringLiteral("Keine Berechtigung für den Sperr-Ordner der Datenbank")))
        << err.toStdString();
    std::tie(rc, err) = asNobody(open + QStringLiteral("/lock"));
    EXPECT_EQ(rc, 0) << err.toStdString();
}

// Editing and deleting patients and the remarks of recordings, as clinic IT does it.
TEST_P(ZudctlDb, EditDeletePatientsAndRemarks) {
    dm.reset();
    auto add = [&](const QString& name, const QString& vorname, const QString& geburt) {
        const Ctl r = Run({QStringLiteral("add-patient"), QStringLiteral("--name"), name,
                           QStringLiteral("--vorname"), vorname, QStringLiteral("--geburtstag"), geburt});
        EXPECT_EQ(r.rc, 0) << r.err.toStdString();
        return r.out.trimmed();
    };
    const QString id = add(QStringLiteral("O'Hara"), QStringLiteral("Zoë"), QStringLiteral("1961-02-03"));
    const QString id2 = add(QStringLiteral("Zweite"), QStringLiteral("B"), QStringLiteral("1970-01-01"));
    const QString id3 = add(QStringLiteral("Dritte"), QStringLiteral("C"), QStringLiteral("1971-01-01"));
    const QString file = dir.filePath(QStringLiteral("rec.hdf"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Stream(6, 2000));
    f.close();
    auto store = [&](const QString& patient, const QString& time) {
        const Ctl r = Run({QStringLiteral("store"), patient, file, QStringLiteral("--date"),
                           QStringLiteral("2026-11-04"), QStringLiteral("--time"), time});
        EXPECT_EQ(r.rc, 0) << r.err.toStdString();
        return r.out.trimmed();
    };
    const QString c1 = store(id, QStringLiteral("10:00:00"));
    const QString c2 = store(id, QStringLiteral("11:00:00"));
    const QString c3 = store(id2, QStringLiteral("12:00:00"));

    // Only the given fields change.
    Ctl r = Run({QStringLiteral("edit-patient"), id, QStringLiteral("--vorname"),
                 QStringLiteral("Zoë; Marie"), QStringLiteral("--nummer"), QStringLiteral("P-18")});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, id + QStringLiteral(";O'Hara;\"Zoë; Marie\";1961-02-03\n"));
    r = Run(
        {QStringLiteral("edit-patient"), id, QStringLiteral("--geburtstag"), QStringLiteral("1962-03-04")});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    EXPECT_EQ(Run({QStringLiteral("patients"), QStringLiteral("--search"), QStringLiteral("hara")}).out,
              id + QStringLiteral(";O'Hara;\"Zoë; Marie\";1962-03-04\n"));
    // The dialog's checks: mandatory fields, birth dates 1900 to today (today counts as none),
    // field widths; nothing changes then.
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    const struct {
        QStringList args;
        QString err;
    } refused[] = {
        {{QStringLiteral("--name"), QString()},
         QStringLiteral("Fehler: Die fettgedruckten Felder sind Pflichtfelder!\n")},
        {{QStringLiteral("--vorname"), QString()},
         QStringLiteral("Fehler: Die fettgedruckten Felder sind Pflichtfelder!\n")},
        {{QStringLiteral("--geburtstag"), today},
         QStringLiteral("Fehler: Die fettgedruckten Felder sind Pflichtfelder!\n")},
        {{QStringLiteral("--geburtstag"), QStringLiteral("1899-12-31")},
         QStringLiteral("Fehler: Das Geburtsdatum muss zwischen dem 01.01.1900 und heute liegen!\n")},
        {{QStringLiteral("--geburtstag"),
          QDate::currentDate().addDays(1).toString(QStringLiteral("yyyy-MM-dd"))},
         QStringLiteral("Fehler: Das Geburtsdatum muss zwischen dem 01.01.1900 und heute liegen!\n")},
        {{QStringLiteral("--name"), QString(51, QLatin1Char('N'))},
         QStringLiteral("Fehler: Der Text im Feld „Name“ ist länger als 50 Zeichen.\n")},
        {{QStringLiteral("--nummer"), QString(21, QLatin1Char('9'))},
         QStringLiteral("Fehler: Der Text im Feld „Patienten-ID“ ist länger als 20 Zeichen.\n")},
    };
    for (const auto& c : refused) {
        r = Run(QStringList{QStringLiteral("edit-patient"), id} + c.args);
        EXPECT_EQ(r.rc, 1) << c.args.join(' ').toStdString();
        EXPECT_EQ(r.err, c.err);
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_EQ(Run({QStringLiteral("patients"), QStringLiteral("--search"), QStringLiteral("hara")}).out,
              id + QStringLiteral(";O'Hara;\"Zoë; Marie\";1962-03-04\n"));
    // An edit may make two patients equal (the duplicate test is for new patients).
    r = Run({QStringLiteral("edit-patient"), id3, QStringLiteral("--name"), QStringLiteral("Zweite"),
             QStringLiteral("--vorname"), QStringLiteral("B"), QStringLiteral("--geburtstag"),
             QStringLiteral("1970-01-01")});
    EXPECT_EQ(r.rc, 0) << r.err.toStdString();
    r = Run({QStringLiteral("edit-patient"), QStringLiteral("99999"), QStringLiteral("--name"),
             QStringLiteral("X")});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.err, QStringLiteral("Patient nicht gefunden: 99999\n"));
    for (const QStringList& bad :
         {QStringList{QStringLiteral("edit-patient"), id}, QStringList{QStringLiteral("edit-patient")},
          QStringList{QStringLiteral("edit-patient"), QStringLiteral("x"), QStringLiteral("--name"),
                      QStringLiteral("A")},
          QStringList{QStringLiteral("edit-patient"), id, QStringLiteral("--geburtstag"),
                      QStringLiteral("04.03.1962")},
          QStringList{QStringLiteral("edit-patient"), id, QStringLiteral("--device"), QStringLiteral("X")},
          QStringList{QStringLiteral("edit-patient"), id, QStringLiteral("--with-recordings")},
          QStringList{QStringLiteral("remarks")},
          QStringList{QStringLiteral("remarks"), c1, QStringLiteral("a"), QStringLiteral("b")},
          QStringList{QStringLiteral("remarks"), QStringLiteral("x")},
          QStringList{QStringLiteral("delete-patient")},
          QStringList{QStringLiteral("delete-patient"), QStringLiteral("x")},
          QStringList{QStringLiteral("delete-patient"), id, id2},
          QStringList{QStringLiteral("delete-patient"), id, QStringLiteral("--name"), QStringLiteral("A")}}) {
        r = Run(bad);
        EXPECT_EQ(r.rc, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("zudctl: "))) << r.err.toStdString();
    }

    // Remarks: printed, set, cleared.
    r = Run({QStringLiteral("remarks"), c1});
    EXPECT_EQ(r.rc, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(
        Run({QStringLiteral("remarks"), c1, QStringLiteral("Gut mitgearbeitet.\nÜbung wiederholen; „bald“")})
            .rc,
        0);
    r = Run({QStringLiteral("remarks"), c1});
    EXPECT_EQ(r.out, QStringLiteral("Gut mitgearbeitet.\nÜbung wiederholen; „bald“\n"));
    EXPECT_TRUE(Run({QStringLiteral("remarks"), c2}).out.isEmpty());
    EXPECT_EQ(Run({QStringLiteral("remarks"), c2, QStringLiteral("zweite")}).rc, 0);
    EXPECT_EQ(Run({QStringLiteral("remarks"), c2, QString()}).rc, 0);
    EXPECT_TRUE(Run({QStringLiteral("remarks"), c2}).out.isEmpty());
    r = Run({QStringLiteral("remarks"), QStringLiteral("99999")});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.err, QStringLiteral("Übung nicht gefunden: 99999\n"));
    EXPECT_EQ(Run({QStringLiteral("remarks"), QStringLiteral("99999"), QStringLiteral("x")}).rc, 1);

    // Deleting keeps the recordings and names them; with --with-recordings they go too.
    r = Run({QStringLiteral("delete-patient"), id});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    EXPECT_EQ(r.out,
              QStringLiteral("Patient %1 gelöscht; seine Übungen bleiben ohne Patient in der Datenbank (2): "
                             "%2,%3\n")
                  .arg(id, c1, c2));
    EXPECT_TRUE(
        Run({QStringLiteral("patients"), QStringLiteral("--search"), QStringLiteral("hara")}).out.isEmpty());
    EXPECT_EQ(Run({QStringLiteral("remarks"), c1}).out,
              QStringLiteral("Gut mitgearbeitet.\nÜbung wiederholen; „bald“\n"));
    EXPECT_EQ(Run({QStringLiteral("move"), c1, id2}).rc, 0); // an orphan finds a new patient
    r = Run({QStringLiteral("delete-patient"), id});
    EXPECT_EQ(r.rc, 1);
    EXPECT_EQ(r.err, QStringLiteral("Patient nicht gefunden: %1\n").arg(id));
    r = Run({QStringLiteral("delete-patient"), id2, QStringLiteral("--with-recordings")});
    ASSERT_EQ(r.rc, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("Patient %1 gelöscht, mit seinen Übungen (2).\n").arg(id2));
    const QString back = dir.filePath(QStringLiteral("back.hdf"));
    EXPECT_EQ(Run({QStringLiteral("fetch"), c1, back}).rc, 1);
    EXPECT_EQ(Run({QStringLiteral("fetch"), c3, back}).rc, 1);
    EXPECT_EQ(Run({QStringLiteral("fetch"), c2, back}).rc, 0); // the first patient's other orphan stays
    r = Run({QStringLiteral("delete-patient"), id3});
    EXPECT_EQ(r.out, QStringLiteral("Patient %1 gelöscht; er hatte keine Übungen.\n").arg(id3));
    EXPECT_TRUE(Run({QStringLiteral("patients")}).out.isEmpty());
}
