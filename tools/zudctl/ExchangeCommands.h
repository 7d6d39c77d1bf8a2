#pragma once

#include "ZudctlInternal.h"

namespace zud::ctl {

// zudctl export, import, backup, restore and takeover; -1 when `cmd` is none of them.
int RunExchange(const DbOptions& options, const QString& cmd, const QStringList& rest, QTextStream& out,
                QTextStream& err);
// Removes the files and database copies of exchange runs that were killed; silent.
void RemoveExchangeLeftovers(const DbOptions& options);

} // namespace zud::ctl
