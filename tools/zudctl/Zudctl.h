#pragma once

#include <QStringList>
#include <QTextStream>

namespace zud {

// The service command line. `args` are the arguments after the program name. Returns the
// exit status: 0 success, 1 device or handshake failure, 2 wrong usage.
int RunZudctl(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace zud
