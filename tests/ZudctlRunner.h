#pragma once

#include "Zudctl.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace zud::test {

// zudctl in this process; its output lands in `out` and `err`.
inline int RunCtl(const QStringList& args, QString& out, QString& err) {
    out.clear();
    err.clear();
    QTextStream o(&out);
    QTextStream e(&err);
    const int rc = RunZudctl(args, o, e);
    o.flush();
    e.flush();
    return rc;
}

} // namespace zud::test
