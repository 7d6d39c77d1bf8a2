#include "Zudctl.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Brelk"));
    QCoreApplication::setApplicationName(QStringLiteral("ZUD"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const int rc = zud::RunZudctl(args, out, err);
    out.flush();
    err.flush();
    return rc;
}
