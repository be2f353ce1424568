#include "results/saving.h"

#include "platform/recordset.h"
#include "platform/resultsdb.h"
#include "state/modvar.h"

#include <utility>

using platform::DbStatus;
using platform::RecordSet;
using platform::Transaction;

std::vector<ResultRecord> recordsToSave(const PlayState &play, quint8 anzahlSpieler, const QDate &today)
{
    std::vector<ResultRecord> records;
    records.push_back({play.SpielerName.isEmpty() ? QStringLiteral("Spieler1") : play.SpielerName,
                       play.SpielerPunkte, play.SpielName, play.SpielLevel, today});
    if (anzahlSpieler != 1 && !play.SpielerName2.isEmpty())
        records.push_back({play.SpielerName2, play.SpielerPunkte2, play.SpielName, play.SpielLevel, today});
    return records;
}

DbStatus appendRecords(const QString &path, const std::vector<ResultRecord> &records, int busyTimeoutMs)
{
    auto db = platform::openResultsDatabase(path, platform::ResultsUse::Append, busyTimeoutMs);
    if (!db.isOk())
        return db.status();
    // The table is written through, never read, so no row is loaded.
    auto opened = RecordSet::open(db.value(), QStringLiteral("Userdaten"), RecordSet::Options::AppendOnly);
    if (!opened.isOk())
        return opened.status();
    RecordSet &datliste = opened.value();
    // Both players' records or neither: a second record that fails undoes
    // the first, so the message that nothing was saved is true.
    auto transaction = Transaction::begin(db.value());
    if (!transaction.isOk())
        return transaction.status();
    for (const ResultRecord &record : records) {
        DbStatus status = datliste.AddNew();
        const std::pair<const char16_t *, QVariant> fields[] = {
            {u"Name", record.Name},   {u"Punkte", record.Punkte}, {u"Spiel", record.Spiel},
            {u"level", record.Level}, {u"Datum", record.Datum},
        };
        for (const auto &[name, value] : fields) {
            if (status.isOk())
                status = datliste.setField(QStringView(name), value);
        }
        if (status.isOk())
            status = datliste.Update();
        if (!status.isOk())
            return status;
    }
    const DbStatus committed = transaction.value().commit();
    if (committed.isOk())
        platform::rememberSoundFile(path);
    return committed;
}

QString saveFailureMessage(const DbStatus &failure, size_t recordCount)
{
    const QString what = recordCount > 1
        ? QStringLiteral("Die Ergebnisse beider Spieler konnten nicht gespeichert werden.")
        : QStringLiteral("Das Ergebnis konnte nicht gespeichert werden.");
    return QStringLiteral("%1\n\n%2").arg(what, failure.reason());
}
