#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zud {

// True when the bytes are a recording of the current format: a header whose operating mode has
// a sample layout, and room for the trailer. False with the German reason otherwise. The older
// variant (database rows with a negative mode) is not checked here; it is only decoded when a
// caller asks for it.
bool IstAufzeichnung(const QByteArray& daten, QString* reason = nullptr);

// What is wrong with a stored recording's bytes, one German sentence each; empty when they
// are sound. `dbBetriebsart` is the row's BETRIEBSART (mode + 1; zero and below: the older
// variant). Beyond IstAufzeichnung: the samples end on a whole sample, the trailer counts
// them, and the row's mode is the header's.
QStringList AufzeichnungsFehler(const QByteArray& daten, int dbBetriebsart);

// The long and the short name of an operating mode in the current language; empty for a mode
// outside the table.
QString BetriebsartName(int mode);
QString BetriebsartKurzname(int mode);

// `teil` is the recording `ganz` itself or a crop of it (see the byte version in Recording.h).
bool IstAusschnitt(const QByteArray& teil, const QByteArray& ganz);

} // namespace zud
