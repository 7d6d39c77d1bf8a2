#pragma once

// The check of a whole patient database, any evening: the engine's own validation of the
// file, then every recording's bytes, its patient and device rows, the keys and the generators.
// It only reads (a read-only transaction; the engine's check does not repair), so it may run
// while other workstations work on a server.

#include "PatientDatabase.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace zud::wf {

struct DatabaseCheckResult {
    // One German line per problem; a recording's lines begin with "Übung COUNTER:".
    QStringList problems;
    // What the engine reports as warnings, not damage: pages that an end without shutdown (a
    // killed program, a power cut) left allocated and unused. Named in the summary.
    QStringList notes;
    int recordings = 0;
    int patients = 0;
    int devices = 0;
    // The engine checked beside other connections (tables and indices, not its own pages).
    bool online = false;
    bool Sound() const { return problems.isEmpty(); }
    // The closing line in German: what was checked, how many problems.
    QString Summary() const;
};

// Checks the database at `loc` as `user` (the server administrator or an account with the
// right to use the service manager). `pump` is asked between steps; false cancels (a
// DataError). Throws db::DbError when the database cannot be reached at all.
DatabaseCheckResult CheckDatabase(const DbLocation& loc, const QString& user, const QString& password,
                                  const std::function<bool()>& pump = {});

} // namespace zud::wf
