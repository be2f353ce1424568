#pragma once

#include <benchmark/benchmark.h>

#include <QtCore/QString>
#include <QtCore/QTemporaryDir>

// Results databases for the benchmarks, and the floor every list is measured
// against: the same query read with the SQLite library alone.
namespace benchdata {

// The folder every benchmark's files live in, for the whole run.
QTemporaryDir &folder();

// "Daten<records>.mdb" in folder(), holding `records` results of a class of
// `pupils` pupils with points, games, levels and dates spread as a class's
// would be; made once per size. Empty when it could not be made.
QString resultsDatabaseWith(int records, int pupils = 5000);

// Reads every field of every row of `query` into strings, with the SQLite
// library alone; reports an error to `state` when it read no row.
void readWithSqliteAlone(const QString &path, const char *query, benchmark::State &state);

} // namespace benchdata
