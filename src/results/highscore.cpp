#include "results/highscore.h"

#include "platform/recordset.h"
#include "platform/resultsdb.h"

using platform::DbStatus;
using platform::RecordSet;

DbStatus fillHighscore(RecordSet &records, platform::RecordListFiller &filler)
{
    DbStatus status = records.FindLast(QStringLiteral("Punkte like '*'"));
    if (!status.isOk())
        return status;
    filler.addFirstRow();
    const int position = records.AbsolutePosition();
    const int further = position >= 10 ? 9 : position;
    return filler.walk(platform::FindDirection::Previous, QStringLiteral("Name like '*'"), platform::StopRule::Count, further);
}

HighscoreList loadHighscore(const QString &path, int busyTimeoutMs)
{
    HighscoreList list;
    auto db = platform::openResultsDatabase(path, platform::ResultsUse::Read, busyTimeoutMs);
    if (!db.isOk()) {
        list.status = db.status();
        return list;
    }
    auto opened = RecordSet::open(db.value(), kHighscoreQuery);
    if (!opened.isOk()) {
        list.status = opened.status();
        return list;
    }
    RecordSet &datliste = opened.value();
    platform::RecordListFiller filler(datliste);
    list.status = fillHighscore(datliste, filler);
    if (list.status.isOk()) {
        list.columns = filler.columns();
        list.bound = filler.boundTexts();
    }
    return list;
}

QString highscoreFailureMessage(const DbStatus &failure)
{
    return QStringLiteral("Die Highscore-Liste kann nicht angezeigt werden.\n\n%1").arg(failure.reason());
}
