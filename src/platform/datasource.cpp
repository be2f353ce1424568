#include "platform/datasource.h"

namespace platform {

DataSource::DataSource(QObject *parent)
    : QObject(parent)
{
}

DataSource::~DataSource() = default;

void DataSource::setRecordset(RecordSet records)
{
    m_records = std::move(records);
    m_open = true;
    m_records.setOnReposition([this] { repositioned(); });
    repositioned();
}

DbStatus DataSource::openRecordset(const DbConnection &connection, const QString &sql)
{
    DbResult<RecordSet> opened = RecordSet::open(connection, sql);
    if (!opened.isOk())
        return opened.status();
    setRecordset(std::move(opened.value()));
    return {};
}

void DataSource::clearRecordset()
{
    m_records = RecordSet();
    m_open = false;
    repositioned();
}

void DataSource::moveFirst()
{
    m_records.MoveFirst();
}

void DataSource::moveLast()
{
    m_records.MoveLast();
}

void DataSource::movePrevious()
{
    const Batch batch(*this);
    if (m_records.MovePrevious().isOk() && m_records.Bof())
        m_records.MoveFirst();
}

void DataSource::moveNext()
{
    const Batch batch(*this);
    if (m_records.MoveNext().isOk() && m_records.Eof())
        m_records.MoveLast();
}

void DataSource::repositioned()
{
    if (m_batches > 0) {
        m_pending = true;
        return;
    }
    Q_EMIT Reposition();
}

DataSource::Batch::Batch(DataSource &source)
    : m_source(source)
{
    ++m_source.m_batches;
}

DataSource::Batch::~Batch()
{
    if (--m_source.m_batches == 0 && m_source.m_pending) {
        m_source.m_pending = false;
        Q_EMIT m_source.Reposition();
    }
}

} // namespace platform
