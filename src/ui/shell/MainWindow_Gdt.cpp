// The main window's connection to the practice software (GDT) and the EDF+ export: the actions
// in the ribbon and in the context menus of the recording list and the chart, the folder
// watcher and the requests it reports, the settings dialog.

#include "MainWindow.h"

#include "EdfExport.h"
#include "GdtExchange.h"
#include "GdtHandover.h"
#include "GdtSettingsDialog.h"
#include "GdtWatcher.h"
#include "ListViews.h"
#include "MessageBox.h"
#include "PatientModels.h"
#include "RecordingTabs.h"
#include "TZUD12.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

namespace zud::ui {

namespace {

QString EdfFileName(const Patient& p, const Recording& r) {
    return EdfText(QStringLiteral("%1_%2_%3_%4.edf")
                       .arg(p.Name, p.Vorname, r.Datum.toString(QStringLiteral("yyyy-MM-dd")),
                            r.Uhrzeit.toString(QStringLiteral("HHmmss"))));
}

} // namespace

void MainWindow::SetupGdt() {
    Make(QStringLiteral("GdtSenden"), QStringLiteral("mail-send"));
    Make(QStringLiteral("EdfExport"), QStringLiteral("document-export"));
    Make(QStringLiteral("GdtEinstellungen"), QStringLiteral("preferences-other"), true);
    // The recording list: the selected recording, and every recording of the patient at once.
    Make(QStringLiteral("GdtSendenListe"), QStringLiteral("mail-send"));
    Make(QStringLiteral("EdfExportListe"), QStringLiteral("document-export"));
    Make(QStringLiteral("EdfExportAlle"), QStringLiteral("document-export"));

    if (auto* tab = FRibbon->findChild<QWidget*>(QStringLiteral("TabDaten"))) {
        RibbonGroup* g = FRibbon->AddGroup(tab, QStringLiteral("GroupPraxis"), QString());
        g->AddLarge(Action(QStringLiteral("GdtSenden")));
        g->AddLarge(Action(QStringLiteral("EdfExport")));
        g->AddLarge(Action(QStringLiteral("GdtEinstellungen")));
    }
    FRecordingList->setContextMenuPolicy(Qt::ActionsContextMenu);
    FRecordingList->addActions({Action(QStringLiteral("GdtSendenListe")),
                                Action(QStringLiteral("EdfExportListe")),
                                Action(QStringLiteral("EdfExportAlle"))});
    FTabs->setContextMenuPolicy(Qt::ActionsContextMenu);
    FTabs->addActions({Action(QStringLiteral("GdtSenden")), Action(QStringLiteral("EdfExport"))});

    const auto shown = [this] {
        const int i = ActiveTab();
        return i >= 0 ? TabCounter(i) : qint64(-1);
    };
    const auto selected = [this] {
        const QModelIndexList rows = FRecordingList->selectionModel()
                                         ? FRecordingList->selectionModel()->selectedRows()
                                         : QModelIndexList();
        return rows.isEmpty() ? qint64(-1) : FRecordingModel->At(rows.first().row()).Counter;
    };
    connect(Action(QStringLiteral("GdtSenden")), &QAction::triggered, this,
            Guarded([this, shown] { SendToPracticeSoftware(shown()); }));
    connect(Action(QStringLiteral("GdtSendenListe")), &QAction::triggered, this,
            Guarded([this, selected] { SendToPracticeSoftware(selected()); }));
    connect(Action(QStringLiteral("EdfExport")), &QAction::triggered, this,
            Guarded([this, shown] { ExportEdf({shown()}); }));
    connect(Action(QStringLiteral("EdfExportListe")), &QAction::triggered, this,
            Guarded([this, selected] { ExportEdf({selected()}); }));
    connect(Action(QStringLiteral("EdfExportAlle")), &QAction::triggered, this, Guarded([this] {
                QList<qint64> all;
                for (int r = 0; r < FRecordingModel->rowCount(); ++r)
                    all << FRecordingModel->At(r).Counter;
                ExportEdf(all);
            }));
    connect(Action(QStringLiteral("GdtEinstellungen")), &QAction::triggered, this,
            [this] { DoGdtSettings(); });
    // The actions follow the shown tab and the list's selection.
    const auto update = [this, shown, selected] {
        const bool db = FDM && FDM->LoggedIn();
        const bool gdt = GdtSettings::Read(FSettings).On;
        Action(QStringLiteral("GdtSenden"))->setEnabled(db && gdt && shown() >= 0);
        Action(QStringLiteral("EdfExport"))->setEnabled(db && shown() >= 0);
        Action(QStringLiteral("GdtSendenListe"))->setEnabled(db && gdt && selected() >= 0);
        Action(QStringLiteral("EdfExportListe"))->setEnabled(db && selected() >= 0);
        Action(QStringLiteral("EdfExportAlle"))->setEnabled(db && FRecordingModel->rowCount() > 0);
    };
    auto* timer = new QTimer(this); // cheap checks; no signal covers every way a tab or row changes
    timer->setInterval(250);
    connect(timer, &QTimer::timeout, this, update);
    timer->start();

    FGdtWatcher = new GdtWatcher(this);
    connect(FGdtWatcher, &GdtWatcher::RequestReady, this,
            [this](const QString& path) { TakeGdtRequest(path); });

    // A second start with a request file hands it over here and ends.
    FGdtOutsideTimer = new QTimer(this);
    FGdtOutsideTimer->setSingleShot(true);
    FGdtOutsideTimer->setInterval(1000);
    connect(FGdtOutsideTimer, &QTimer::timeout, this, [this] { TakeWaitingOutsideRequests(); });
    FGdtHandover = new GdtHandoverServer(this);
    if (!FGdtHandover->Listen() && FDevice)
        FDevice->AddLog(QStringLiteral("GDT: Übergabe-Socket %1 nicht verfügbar").arg(GdtHandoverName()));
    connect(FGdtHandover, &GdtHandoverServer::RequestHandedOver, this,
            [this](const QString& path) { TakeOutsideGdtRequest(path); });
}

void MainWindow::RetranslateGdt() {
    SetCommandTexts(FActions, {{"GdtSenden", tr("An Praxissoftware senden")},
                               {"GdtSendenListe", tr("An Praxissoftware senden")},
                               {"EdfExport", tr("Als EDF+ exportieren")},
                               {"EdfExportListe", tr("Als EDF+ exportieren")},
                               {"EdfExportAlle", tr("Alle Übungen als EDF+ exportieren")},
                               {"GdtEinstellungen", tr("GDT-Einstellungen")}});
    if (auto* g = FRibbon->findChild<RibbonGroup*>(QStringLiteral("GroupPraxis")))
        g->SetCaption(tr("Praxissoftware"));
}

void MainWindow::GdtLoggedIn() {
    FGdtWatcher->Start(GdtSettings::Read(FSettings));
    if (!FGdtStartFile.isEmpty()) {
        const QString file = FGdtStartFile;
        FGdtStartFile.clear();
        QTimer::singleShot(0, this, [this, file] { TakeOutsideGdtRequest(file); });
    }
}

void MainWindow::TakeOutsideGdtRequest(const QString& path) {
    FGdtOutside << path;
    TakeWaitingOutsideRequests();
}

void MainWindow::TakeWaitingOutsideRequests() {
    if (!FDM || !FDM->LoggedIn() || FLive || FEnding) {
        if (!FGdtOutside.isEmpty() && !FEnding)
            FGdtOutsideTimer->start();
        return;
    }
    while (!FGdtOutside.isEmpty()) {
        const QString original = FGdtOutside.takeFirst();
        QString error;
        const QString file = GdtRequestInFolder(original, GdtSettings::Read(FSettings), &error);
        if (file.isEmpty()) {
            LastMessage = error;
            statusBar()->showMessage(error);
            if (FDevice)
                FDevice->AddLog(QStringLiteral("GDT: %1").arg(error));
            continue;
        }
        TakeGdtRequest(file);
    }
}

bool MainWindow::TakeGdtRequest(const QString& path) {
    if (!FDM || !FDM->LoggedIn() || FLive || FEnding) {
        // The file waits for the login or the end of the live measurement.
        if (FGdtWatcher)
            FGdtWatcher->Retry(path);
        return false;
    }
    const GdtRequestOutcome r = zud::TakeGdtRequest(*FDM, path, GdtSettings::Read(FSettings));
    LastMessage = r.Message;
    statusBar()->showMessage(r.Message);
    if (!r.Ok)
        return false;
    FillPatList(true);
    OpenPatient(r.Patient);
    if (r.Recording)
        OpenRecording(*r.Recording);
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    return true;
}

bool MainWindow::SendToPracticeSoftware(qint64 counter, bool quiet) {
    if (counter < 0)
        return false;
    return SendResultsToPracticeSoftware({counter}, quiet) == 1;
}

int MainWindow::SendResultsToPracticeSoftware(const QList<qint64>& counters, bool quiet) {
    if (counters.isEmpty() || !FDM || !FDM->LoggedIn())
        return 0;
    const GdtSettings s = GdtSettings::Read(FSettings);
    GdtResultOptions o;
    o.Pdf = s.Pdf;
    o.DruckEinheit = FSettings.DruckEinheit();
    o.Chart = ChartOptions();
    // A result the practice software has not collected yet is never replaced by another one.
    o.KeepUncollected = true;
    int sent = 0;
    QString path;
    QString failure;
    for (qint64 counter : counters) {
        try {
            path = WriteGdtResult(*FDM, counter, s, o);
            ++sent;
        } catch (const std::exception& e) {
            failure = Msg::Describe(e);
            break;
        }
    }
    if (failure.isEmpty()) {
        LastMessage =
            counters.size() == 1
                ? tr("Ergebnis an die Praxissoftware gesendet: %1").arg(QDir::toNativeSeparators(path))
                : tr("%1 Ergebnisse an die Praxissoftware gesendet: %2")
                      .arg(sent)
                      .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        statusBar()->showMessage(LastMessage, 10000);
        return sent;
    }
    const QString text =
        counters.size() == 1
            ? tr("Das Ergebnis konnte nicht an die Praxissoftware gesendet werden: %1").arg(failure)
            : tr("Von %1 Ergebnissen wurden %2 an die Praxissoftware gesendet, die übrigen nicht: %3")
                  .arg(counters.size())
                  .arg(sent)
                  .arg(failure);
    if (quiet) {
        LastMessage = text;
        statusBar()->showMessage(text);
    } else {
        Error(text);
    }
    return sent;
}

bool MainWindow::AutoSendOn() const {
    const GdtSettings s = GdtSettings::Read(FSettings);
    return s.On && s.Auto && FDM && FDM->LoggedIn();
}

void MainWindow::SendNewResults(const QList<qint64>& counters) {
    if (AutoSendOn() && !counters.isEmpty())
        SendResultsToPracticeSoftware(counters, true);
}

void MainWindow::ExportEdf(const QList<qint64>& counters, const QString& target) {
    QList<qint64> list;
    for (qint64 c : counters)
        if (c >= 0)
            list << c;
    if (list.isEmpty() || !FDM || !FDM->LoggedIn())
        return;
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString dest = target;
    const auto name = [this](qint64 c) {
        const auto r = FDM->GetRecording(c);
        const auto p = r ? FDM->GetPatient(r->Patient) : std::nullopt;
        return r ? EdfFileName(p.value_or(Patient{}), *r) : QStringLiteral("%1.edf").arg(c);
    };
    if (dest.isEmpty()) {
        if (list.size() == 1) {
            QFileDialog d(this, tr("Als EDF+ exportieren"));
            d.setAcceptMode(QFileDialog::AcceptSave);
            d.setNameFilter(tr("EDF+-Dateien (*.edf)"));
            d.setDefaultSuffix(QStringLiteral("edf"));
            d.setDirectory(docs);
            d.selectFile(name(list.first()));
            d.resize(900, 560);
            if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
                return;
            dest = d.selectedFiles().first();
        } else {
            dest = QFileDialog::getExistingDirectory(this, tr("Ordner für die EDF+-Dateien"), docs);
            if (dest.isEmpty())
                return;
        }
    }
    int written = 0;
    for (qint64 c : list) {
        const QString file = QFileInfo(dest).isDir() ? QDir(dest).filePath(name(c)) : dest;
        QString error;
        if (!ExportiereEdf(*FDM, c, file, FSettings.DruckEinheit(), &error)) {
            Error(error);
            break;
        }
        ++written;
    }
    if (written > 0) {
        LastMessage =
            tr("%1 Übung(en) als EDF+ gespeichert: %2").arg(written).arg(QDir::toNativeSeparators(dest));
        statusBar()->showMessage(LastMessage, 10000);
    }
}

void MainWindow::DoGdtSettings() {
    if (!FGdtDialog)
        FGdtDialog = new GdtSettingsDialog(this);
    FGdtDialog->Load(GdtSettings::Read(FSettings));
    if (FGdtDialog->exec() != QDialog::Accepted)
        return;
    FGdtDialog->Values().Write(FSettings);
    FSettings.Sync();
    if (FDM && FDM->LoggedIn())
        FGdtWatcher->Start(GdtSettings::Read(FSettings));
}

} // namespace zud::ui
