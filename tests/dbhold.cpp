// Opens the database the way the program does (data folder, machine-wide settings, silent
// administrator login), says "open" on standard output and keeps the database open until its
// standard input ends. The installed-layout test runs it from the installed tree as one account
// while another account tries the same database.

#include "PatientDatabase.h"
#include "Settings.h"
#include "TestEnd.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int rc = 0;
    {
        zud::Settings settings;
        zud::PatientDatabase dm(zud::DbLocation::FromSettings(settings));
        try {
            dm.EnsureInstalled(settings.AdminPassword());
            dm.Login(QString::fromLatin1(zud::kAdminUser), settings.AdminPassword(),
                     settings.AdminPassword());
            std::puts("open");
            std::fflush(stdout);
            int c = 0;
            while ((c = std::getchar()) != EOF) {
            }
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
            rc = 1;
        }
    }
    return zud::test::EndTests(rc);
}
