// ZUD-Software: splash, main window, login, message loop.

#include "Allocator.h"
#include "GdtHandover.h"
#include "MainWindow.h"
#include "SignalWatcher.h"
#include "SplashScreen.h"
#include "TZUD12.h"
#include "ZudApplication.h"

#if defined(ZUD_HAVE_I18N)
#include "Localizer.h"
#endif

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    zud::KeepFreedBuffersOut();
    QElapsedTimer started;
    started.start();
    zud::ui::ZudApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ZUD-Software"));
    QCoreApplication::setApplicationVersion(zud::ui::ProgramVersionLabel());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("ZUD-Software"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Serial port for this run (the stored port stays)."),
                                  QStringLiteral("PATH"));
    const QCommandLineOption smoke(QStringLiteral("smoke-test"),
                                   QStringLiteral("Quit once the main window is shown and idle."));
    const QCommandLineOption gdt(
        QStringLiteral("gdt"),
        QStringLiteral("Request file of the practice software (GDT) to take after the login."),
        QStringLiteral("FILE"));
    parser.addOption(port);
    parser.addOption(smoke);
    parser.addOption(gdt);
    parser.process(app);

    // A request of the practice software while the program runs already: the running program
    // takes it and comes to the front; this start ends here.
    if (parser.isSet(gdt) && zud::ui::HandGdtRequestOver(parser.value(gdt))) {
        return 0;
    }

#if defined(ZUD_HAVE_I18N)
    zud::i18n::Localizer::Instance().LoadSaved();
#endif

    zud::ui::SplashScreen splash;
    splash.show();
    zud::ui::DumpScreenshot(&splash, QStringLiteral("splash"));
    QCoreApplication::processEvents();

    zud::ui::MainWindow form;
    form.SetSplash(&splash);
    form.Create(parser.value(port));
    form.SetGdtStartFile(parser.value(gdt));
    app.SetLogger([&form](const QString& m) { form.Device()->AddLog(m); });
    // From here on SIGTERM (logout, shutdown), SIGINT (Ctrl+C) and SIGHUP end the program in
    // order through the event loop; the database client is loaded, its handlers are replaced.
    zud::SignalWatcher& watcher = zud::SignalWatcher::Instance();
    watcher.Install();
    QObject::connect(&watcher, &zud::SignalWatcher::Signalled, &form, [&form] { form.EndInOrder(); });
    if (!form.OpenDatabase())
        return 1;
    QApplication::setEffectEnabled(Qt::UI_AnimateTooltip, false);
    form.show();
    if (parser.isSet(smoke)) {
        // After the window is shown and every queued start-up step has run.
        QTimer::singleShot(0, &form, [&] {
            QTimer::singleShot(0, &form, [&] {
                std::printf("main window shown and idle after %lld ms\n",
                            static_cast<long long>(started.elapsed()));
                std::fflush(stdout);
                form.close();
                QCoreApplication::quit();
            });
        });
    }
    return app.exec();
}
