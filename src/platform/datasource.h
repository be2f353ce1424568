#pragma once

#include "platform/recordset.h"

#include <QtCore/QObject>
#include <QtCore/QString>

namespace platform {

// What the data source control holds behind its bar: the path of its
// database, its current record set, which the program may replace by one
// opened from SQL text, the moves of its record arrows, and the Reposition
// event after every change of the current record. The bar itself is
// DataControl; the list logic works on this part alone.
class DataSource : public QObject
{
    Q_OBJECT
public:
    explicit DataSource(QObject *parent = nullptr);
    ~DataSource() override;

    void setDatabaseName(const QString &path) { m_databaseName = path; }
    const QString &DatabaseName() const { return m_databaseName; }

    // The current record set. Before one is set, and after clearRecordset(),
    // it is an empty set that is not open: there is no current record and
    // every find fails.
    RecordSet &Recordset() { return m_records; }
    const RecordSet &Recordset() const { return m_records; }
    bool hasRecordset() const { return m_open; }
    // Makes records the current record set; Reposition follows.
    void setRecordset(RecordSet records);
    // Opens the query on the connection and makes it the current record set.
    // On failure the current record set stays as it was.
    DbStatus openRecordset(const DbConnection &connection, const QString &sql);
    void clearRecordset();

    // The record arrows: first, previous, next, last. At either end they stay
    // on the first or the last record.
    void moveFirst();
    void movePrevious();
    void moveNext();
    void moveLast();

    // Holds Reposition back while a list walks over many records: nothing can
    // see the records it passes, so one Reposition follows at the end, when
    // the current record changed at all.
    class Batch
    {
    public:
        explicit Batch(DataSource &source);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        DataSource &m_source;
    };

Q_SIGNALS:
    void Reposition();

private:
    void repositioned();

    QString m_databaseName;
    RecordSet m_records;
    bool m_open = false;
    int m_batches = 0;
    bool m_pending = false;
};

} // namespace platform
