// The patient and recording windows with a large database, offscreen and in process: from
// "Patienten" to the filled selection window with 10,000 patients, a search, filling the
// recording list of a patient with 2,000 recordings, and opening a recording into a new tab.

#include "ChartFrame.h"
#include "Demo.h"
#include "Emulator.h"
#include "MainWindow.h"
#include "PatientDatabase.h"
#include "PatientModels.h"
#include "PatientSelectionWindow.h"
#include "Settings.h"
#include "Smoke.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace zud;
using namespace zud::ui;

struct World {
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> form;
    qint64 many = -1; // the patient with 2,000 recordings
    std::vector<qint64> counters;
};

World& Prepared() {
    static World* w = [] {
        auto* w = new World;
        Settings::RedirectForTests(w->dir.filePath(QStringLiteral("user")),
                                   w->dir.filePath(QStringLiteral("system")));
        qputenv("ZUD_DATA_DIR", w->dir.filePath(QStringLiteral("data")).toLocal8Bit());
        db::SetLockFolder(w->dir.filePath(QStringLiteral("data/lock")));
        emu::Emulator emu;
        emu::LoadDemo(emu);
        const auto bytes = emu.GetFile("0:\\Daten\\Th_0\\Pat_0\\M0001.hdf");
        const QByteArray rec(reinterpret_cast<const char*>(bytes->data()), qsizetype(bytes->size()));
        {
            DbLocation loc;
            loc.dir = w->dir.filePath(QStringLiteral("data/DB"));
            PatientDatabase dm(loc);
            dm.EnsureInstalled();
            dm.Login(QStringLiteral("sysdba"), QString::fromLatin1(kAdminPassword));
            const QStringList names{QStringLiteral("Berger"),  QStringLiteral("Schmidt"),
                                    QStringLiteral("Meier"),   QStringLiteral("Wójcik"),
                                    QStringLiteral("Fischer"), QStringLiteral("Rossi"),
                                    QStringLiteral("Dubois"),  QStringLiteral("Koch")};
            for (int i = 0; i < zud::bench::Size(10000, 20); ++i) {
                Patient p;
                p.Name = names[i % names.size()] + QString::number(i / names.size());
                p.Vorname = QStringLiteral("Vorname%1").arg(i);
                p.Geburtstag = QDate(1930, 1, 1).addDays(i * 3);
                p.Wohnort = QStringLiteral("Ort");
                const qint64 id = dm.AddPatient(p);
                if (i == zud::bench::Size(5000, 10))
                    w->many = id;
            }
            for (int k = 0; k < zud::bench::Size(2000, 20); ++k)
                w->counters.push_back(dm.InsertRecording(w->many, QDate(2020, 1, 1).addDays(k / 4),
                                                         QTime(8, 0).addSecs(k % 4 * 3600), rec,
                                                         QStringLiteral("ZUD12")));
        }
        w->form = std::make_unique<MainWindow>();
        w->form->Create();
        if (!w->form->OpenDatabase())
            std::abort();
        w->form->SetLeftPanel(true);
        w->form->show();
        QApplication::processEvents();
        return w;
    }();
    return *w;
}

void Patienten(benchmark::State& state) {
    World& w = Prepared();
    PatientSelectionWindow& s = *w.form->PatientSelection();
    for (auto _ : state) {
        s.SetDM(*w.form->DM(), w.many);
        s.Fill();
        s.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(s.Model()->rowCount());
        state.PauseTiming();
        s.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = s.Model()->rowCount();
}
BENCHMARK(Patienten)->Unit(benchmark::kMillisecond)->UseRealTime();

void Suche(benchmark::State& state) {
    World& w = Prepared();
    PatientSelectionWindow& s = *w.form->PatientSelection();
    s.SetDM(*w.form->DM(), w.many);
    s.show();
    for (auto _ : state) {
        s.SetSearch(true, QStringLiteral("er"));
        QApplication::processEvents();
    }
    state.counters["rows"] = s.Model()->rowCount();
    s.SetSearch(false, QString());
    s.hide();
}
BENCHMARK(Suche)->Unit(benchmark::kMillisecond)->UseRealTime();

void Uebungsliste(benchmark::State& state) {
    World& w = Prepared();
    for (auto _ : state) {
        w.form->FillMessList(w.many);
        QApplication::processEvents();
    }
    state.counters["rows"] = w.form->RecordingListModel()->rowCount();
}
BENCHMARK(Uebungsliste)->Unit(benchmark::kMillisecond)->UseRealTime();

void UebungOeffnen(benchmark::State& state) {
    World& w = Prepared();
    size_t k = 0;
    for (auto _ : state) {
        w.form->OpenRecording(w.counters[k++ % w.counters.size()]); // a new tab each time
        w.form->Frame(w.form->ActiveTab())->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        w.form->CloseRecording();
        state.ResumeTiming();
    }
}
BENCHMARK(UebungOeffnen)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
