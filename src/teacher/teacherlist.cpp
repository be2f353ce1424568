#include "teacher/teacherlist.h"

#include "platform/datasource.h"
#include "platform/likepattern.h"
#include "platform/recordset.h"
#include "platform/resultsdb.h"

using platform::DataSource;
using platform::DbStatus;
using platform::RecordSet;

namespace {

const QString kEveryName = QStringLiteral("Name like '*'");
const QString kEveryPoints = QStringLiteral("Punkte like '*'");

// The full list's walk ends after the find numbered 10000, a search
// listing's after 10000 further finds.
constexpr int kLastFind = 10000;
// A page: the current record and the 13 after it.
constexpr int kPageFinds = 12;
constexpr int kPageBound = 13;

} // namespace

TeacherList::TeacherList(DataSource &datliste, ListColumnsOutput &txtAusgabe, int busyTimeoutMs)
    : m_datliste(datliste)
    , m_output(txtAusgabe)
    , m_busyTimeoutMs(busyTimeoutMs)
{
}

DbStatus TeacherList::fullList()
{
    const DataSource::Batch batch(m_datliste);
    m_suchmodus = 0;
    m_versatz = 0;
    m_letztePosition = -1;
    const auto fail = [this](const DbStatus &status) {
        m_db = {};
        m_datliste.clearRecordset();
        m_output.setColumns({});
        return status;
    };
    auto db = platform::openResultsDatabase(m_datliste.DatabaseName(), platform::ResultsUse::Read, m_busyTimeoutMs);
    if (!db.isOk())
        return fail(db.status());
    m_db = db.value();
    const DbStatus opened = m_datliste.openRecordset(m_db, kTeacherQuery);
    if (!opened.isOk())
        return fail(opened);

    RecordSet &records = m_datliste.Recordset();
    platform::RecordListFiller filler(records);
    records.FindFirst(kEveryPoints);
    filler.addFirstRow();
    filler.walk(platform::FindDirection::Next, kEveryName, platform::StopRule::NoAdvance, kLastFind);
    m_letztePosition = static_cast<qint16>(records.AbsolutePosition());
    records.FindFirst(kEveryPoints);
    m_output.setColumns(filler.columns());
    return {};
}

void TeacherList::page()
{
    platform::RecordListFiller filler(m_datliste.Recordset());
    filler.addFirstRow();
    filler.walk(platform::FindDirection::Next, kEveryName, platform::StopRule::NoAdvance, kPageFinds);
    m_output.setColumns(filler.columns());
}

void TeacherList::up()
{
    if (!m_datliste.hasRecordset())
        return;
    const DataSource::Batch batch(m_datliste);
    RecordSet &records = m_datliste.Recordset();
    if (m_versatz >= 1)
        --m_versatz;
    records.FindFirst(kEveryName);
    for (int k = 0; k < m_versatz; ++k)
        records.FindNext(kEveryName);
    // Up's page would begin at Versatz; it draws only while Versatz is below
    // the bound, and steps back otherwise.
    if (m_versatz >= m_letztePosition - kPageBound) {
        ++m_versatz;
        return;
    }
    page();
}

bool TeacherList::down()
{
    if (!m_datliste.hasRecordset())
        return true;
    const DataSource::Batch batch(m_datliste);
    RecordSet &records = m_datliste.Recordset();
    ++m_versatz;
    if (m_suchmodus != 0) {
        // Down in search mode: to match number Versatz, then list the matches
        // after it. The bound is the full list's, not the number of matches.
        records.FindFirst(m_suchkriterium);
        for (int k = 0; k < m_versatz; ++k)
            records.FindNext(m_suchkriterium);
        if (m_versatz >= m_letztePosition - kPageBound) {
            --m_versatz;
            return true;
        }
        return listing(/*fromFirst=*/false);
    }
    records.FindFirst(kEveryName);
    for (int k = 0; k < m_versatz + 1; ++k)
        records.FindNext(kEveryName);
    if (m_versatz >= m_letztePosition - kPageBound) {
        --m_versatz;
        return true;
    }
    page();
    return true;
}

bool TeacherList::search(const QString &text)
{
    m_suchmodus = 1;
    m_suchkriterium = searchCriterion(text);
    if (!m_datliste.hasRecordset())
        return true;
    const DataSource::Batch batch(m_datliste);
    return listing(/*fromFirst=*/true);
}

bool TeacherList::listing(bool fromFirst)
{
    RecordSet &records = m_datliste.Recordset();
    if (fromFirst)
        records.FindFirst(m_suchkriterium);
    else
        records.FindNext(m_suchkriterium);
    if (records.NoMatch())
        return false;
    platform::RecordListFiller filler(records);
    filler.addFirstRow();
    filler.walk(platform::FindDirection::Next, m_suchkriterium, platform::StopRule::NoMatch, kLastFind);
    m_output.setColumns(filler.columns());
    return true;
}

// Runs deleteRecords on the record set when it stands on a record and the
// file may be written; our own commit is then remembered as sound.
template<class Delete>
DbStatus TeacherList::deleting(Delete deleteRecords)
{
    RecordSet &records = m_datliste.Recordset();
    if (!m_datliste.hasRecordset() || records.Eof())
        return {};
    // Only in the file the list was read from, never a new or another one in
    // its place; and deleting in a damaged file could spread the damage to
    // records that are still whole.
    const DbStatus check = platform::checkBeforeChange(m_db, m_busyTimeoutMs);
    if (!check.isOk())
        return check;
    const DataSource::Batch batch(m_datliste);
    if (const DbStatus deleted = deleteRecords(records); !deleted.isOk())
        return deleted;
    platform::rememberSoundFile(m_datliste.DatabaseName());
    return {};
}

DbStatus TeacherList::deleteCurrent()
{
    return deleting([](RecordSet &records) {
        // Outside a transaction the delete is committed, synced, as it completes.
        if (const DbStatus deleted = records.Delete(); !deleted.isOk())
            return deleted;
        records.MoveNext();
        // After the last record: back to the new last one, if one is left.
        if (records.Eof() && records.recordCount() > 0)
            records.MoveLast();
        return DbStatus();
    });
}

DbStatus TeacherList::deleteAll()
{
    return deleting([this](RecordSet &records) {
        // Row by row as the record set deletes, in one transaction: a failure
        // halfway deletes nothing. The record set in memory may then be ahead
        // of the file, so the list is always built anew afterwards.
        DbStatus status = m_db.exec("BEGIN IMMEDIATE");
        if (!status.isOk())
            return status;
        records.MoveFirst();
        while (status.isOk() && !records.Eof()) {
            status = records.Delete();
            if (status.isOk())
                records.MoveNext();
        }
        if (status.isOk())
            status = m_db.exec("COMMIT");
        if (!status.isOk())
            m_db.exec("ROLLBACK");
        return status;
    });
}

QString searchPattern(const QString &text)
{
    QString pattern;
    pattern.reserve(text.size() + 4);
    const auto append = [&pattern](QStringView part) {
        for (const QChar c : part) {
            pattern += c;
            if (c == u'\'')
                pattern += c;
        }
    };
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == u'[') {
            const qsizetype close = text.indexOf(u']', i + 1);
            if (close >= 0 && platform::LikePattern::parse(QStringView(text).mid(i, close - i + 1))) {
                append(QStringView(text).mid(i, close - i + 1));
                i = close + 1;
                continue;
            }
            pattern += QLatin1String("[[]");
            ++i;
            continue;
        }
        append(QStringView(text).mid(i, 1));
        ++i;
    }
    return pattern;
}

QString searchCriterion(const QString &text)
{
    return QStringLiteral("Name like '") + searchPattern(text) + QStringLiteral("*'");
}

QString recordNumberCaption(int absolutePosition)
{
    return QStringLiteral("Datensatz Nr.: ") + QString::number(absolutePosition + 1);
}

QString listFailureMessage(const DbStatus &failure)
{
    return QStringLiteral("Die Ergebnisse können nicht angezeigt werden.\n\n%1").arg(failure.reason());
}

QString deleteFailureMessage(const DbStatus &failure)
{
    return QStringLiteral("Es wurde nichts gelöscht.\n\n%1").arg(failure.reason());
}
