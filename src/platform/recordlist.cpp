#include "platform/recordlist.h"

#include "platform/recordset.h"

namespace platform {


namespace {

// A row is one line in every column. A field with a line break in it (a name
// pasted before the name boxes filtered, or written by another program)
// would push the rest of its column down, beside other records' values.
QString oneLine(QString text)
{
    for (QChar &c : text) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            c = u' ';
    }
    return text;
}

} // namespace

RecordListFiller::RecordListFiller(RecordSet &records)
    : m_records(records)
{
    for (size_t c = 0; c < m_fields.size(); ++c)
        m_fields[c] = records.fieldIndex(QStringView(kListColumnFields[c]));
}

RecordColumns RecordListFiller::boundTexts() const
{
    RecordColumns bound;
    for (size_t c = 0; c < m_fields.size(); ++c)
        bound.text[c] = m_records.fieldText(m_fields[c]);
    return bound;
}

void RecordListFiller::addFirstRow()
{
    for (size_t c = 0; c < m_fields.size(); ++c)
        m_columns.text[c] = oneLine(m_records.fieldText(m_fields[c]));
}

void RecordListFiller::addNextRow()
{
    for (size_t c = 0; c < m_fields.size(); ++c) {
        QString &column = m_columns.text[c];
        column += QLatin1String("\r\n");
        column += oneLine(m_records.fieldText(m_fields[c]));
    }
}

DbStatus RecordListFiller::walk(FindDirection direction, const QString &criterion, StopRule rule, int limit)
{
    const auto find = [&]() {
        return direction == FindDirection::Next ? m_records.FindNext(criterion) : m_records.FindPrevious(criterion);
    };
    switch (rule) {
    case StopRule::Count:
    // A counted walk also stops at a find that matches nothing: going on
    // would add the record it stands on a second time.
    case StopRule::NoMatch:
        for (int row = 1; row <= limit; ++row) {
            const DbStatus status = find();
            if (!status.isOk())
                return status;
            if (m_records.NoMatch())
                break;
            addNextRow();
        }
        break;
    case StopRule::NoAdvance:
        for (int k = 0; k <= limit; ++k) {
            const DbStatus status = find();
            if (!status.isOk())
                return status;
            if (k >= m_records.AbsolutePosition())
                break;
            addNextRow();
        }
        break;
    }
    return {};
}

} // namespace platform
