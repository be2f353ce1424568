#pragma once

#include "platform/dbconnection.h"
#include "platform/dbstatus.h"
#include "platform/recordlist.h"

#include <QtCore/QString>

namespace platform {
class DataSource;
class RecordSet;
} // namespace platform

// The five columns txtAusgabe(0) to (4) of the teacher view. The list logic
// writes them only when it draws a list; a step that draws nothing leaves
// them as they are.
class ListColumnsOutput
{
public:
    virtual ~ListColumnsOutput() = default;
    virtual void setColumns(const platform::RecordColumns &columns) = 0;
};

// The query the teacher view lists: every record, ascending by name.
inline const QString kTeacherQuery = QStringLiteral("Select userdaten.* from userdaten ORDER BY userdaten.Name");

// The teacher view's lists over the data source datliste: the full list,
// pages of 14 rows moved one record per press of Up or Down, the search by
// name and Down in search mode, and the deletions.
class TeacherList
{
public:
    TeacherList(platform::DataSource &datliste, ListColumnsOutput &txtAusgabe,
                int busyTimeoutMs = platform::DbConnection::DefaultBusyTimeoutMs);

    // Opens the query on the database of datliste and lists every record:
    // Suchmodus 0, Versatz 0, LetztePosition the last position listed, the
    // first record current. When the database cannot be read the columns are
    // emptied and the reason returned.
    platform::DbStatus fullList();

    void up();
    // False when Down in search mode found no further match: the window
    // tells the teacher, and the columns keep their text.
    bool down();
    // Lists the records whose names begin with text. False when none does:
    // the columns keep their text.
    bool search(const QString &text);

    // The current record, or every record in one transaction. The list is
    // to be built anew afterwards, whatever the outcome.
    platform::DbStatus deleteCurrent();
    platform::DbStatus deleteAll();

    quint8 Suchmodus() const { return m_suchmodus; }
    const QString &Suchkriterium() const { return m_suchkriterium; }
    qint16 Versatz() const { return m_versatz; }
    qint16 LetztePosition() const { return m_letztePosition; }

private:
    void page();
    bool listing(bool fromFirst);
    template<class Delete>
    platform::DbStatus deleting(Delete deleteRecords);

    platform::DataSource &m_datliste;
    ListColumnsOutput &m_output;
    int m_busyTimeoutMs;
    platform::DbConnection m_db;

    quint8 m_suchmodus = 0;
    QString m_suchkriterium;
    qint16 m_versatz = 0;
    qint16 m_letztePosition = 0;
};

// The search text as a pattern of the like operator: "*", "?", "#" and a
// valid "[...]" keep their meaning. An apostrophe and a "[" that opens no
// valid list would make the criterion malformed, so they stand for
// themselves; the search never fails on what is typed.
QString searchPattern(const QString &text);
// "Name like '<pattern>*'"
QString searchCriterion(const QString &text);

// The caption of datliste: "Datensatz Nr.: " and the 1-based position.
QString recordNumberCaption(int absolutePosition);

QString listFailureMessage(const platform::DbStatus &failure);
QString deleteFailureMessage(const platform::DbStatus &failure);
