#include "platform/recordset.h"

#include "platform/recordquery.h"

#include <QtCore/QDate>

#include <sqlite3.h>

#include <memory>

namespace platform {

namespace {

// "yyyy-MM-dd", optionally followed by a time, as "dd.MM.yyyy".
bool germanDate(const char *iso, quint32 length, QString &out)
{
    if (length < 10 || (length > 10 && iso[10] != ' ' && iso[10] != 'T'))
        return false;
    for (int k : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (iso[k] < '0' || iso[k] > '9')
            return false;
    }
    if (iso[4] != '-' || iso[7] != '-')
        return false;
    const char german[10] = {iso[8], iso[9], '.', iso[5], iso[6], '.', iso[0], iso[1], iso[2], iso[3]};
    out = QString::fromLatin1(german, 10);
    return true;
}

} // namespace

// ---- Opening and reading -----------------------------------------------------

RecordSet::RecordSet() = default;
RecordSet::~RecordSet() = default;
RecordSet::RecordSet(RecordSet &&) noexcept = default;
RecordSet &RecordSet::operator=(RecordSet &&) noexcept = default;

DbResult<RecordSet> RecordSet::open(const DbConnection &connection, const QString &sql, Options options)
{
    const auto badQuery = [&sql](const QString &why) {
        return DbStatus(DbStatus::Code::BadQuery,
                        QStringLiteral("Die Abfrage \"%1\" kann nicht ausgeführt werden: %2.").arg(sql, why));
    };
    if (!connection.isOpen())
        return badQuery(QStringLiteral("die Datenbank ist nicht geöffnet"));
    QString why;
    const std::optional<RecordQuery> query = RecordQuery::parse(sql, &why);
    if (!query)
        return badQuery(why);

    auto prepared = connection.prepare(query->selectText().toUtf8());
    if (!prepared.isOk()) {
        // The engine's own words for an unknown table stay in the log.
        if ((prepared.status().engineCode() & 0xff) == SQLITE_ERROR)
            return badQuery(QStringLiteral("die Tabelle \"%1\" gibt es nicht").arg(query->table));
        return prepared.status();
    }
    sqlite3_stmt *raw = prepared.value().get();

    RecordSet records;
    records.m_connection = connection;
    records.m_table = query->table;
    records.m_appendOnly = options == Options::AppendOnly;
    const int columns = sqlite3_column_count(raw);
    for (int c = 1; c < columns; ++c) {
        const QString declared = QString::fromUtf8(sqlite3_column_decltype(raw, c)).toUpper();
        FieldKind kind = FieldKind::Other;
        if (declared.contains(u"DATE"))
            kind = FieldKind::Date;
        else if (declared == u"SMALLINT")
            kind = FieldKind::SmallInt;
        else if (declared.contains(u"INT"))
            kind = FieldKind::Integer;
        else if (declared.contains(u"CHAR") || declared.contains(u"TEXT") || declared.contains(u"CLOB"))
            kind = FieldKind::Text;
        records.m_fields.push_back({QString::fromUtf8(sqlite3_column_name(raw, c)), kind});
    }
    // The engine would take an unknown name in quotes for a text and sort by
    // that constant without a word.
    for (const RecordQuery::Key &key : query->keys) {
        if (records.fieldIndex(key.field) < 0)
            return badQuery(QStringLiteral("das Feld \"%1\" gibt es nicht").arg(key.field));
    }
    if (options == Options::Default) {
        const DbStatus status = records.load(raw);
        if (!status.isOk())
            return status;
    }
    records.m_position = records.m_order.empty() ? -1 : 0;
    return records;
}

DbStatus RecordSet::load(sqlite3_stmt *statement)
{
    const int fields = fieldCount();
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        m_order.push_back(static_cast<quint32>(m_rowids.size()));
        m_rowids.push_back(sqlite3_column_int64(statement, 0));
        for (int f = 0; f < fields; ++f) {
            Cell cell;
            const int column = f + 1;
            switch (sqlite3_column_type(statement, column)) {
            case SQLITE_NULL:
                cell.type = CellType::Null;
                cell.integer = 0;
                break;
            case SQLITE_INTEGER:
                cell.type = CellType::Integer;
                cell.integer = sqlite3_column_int64(statement, column);
                break;
            case SQLITE_FLOAT:
                cell.type = CellType::Real;
                cell.real = sqlite3_column_double(statement, column);
                break;
            default: {
                const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(statement, column));
                const int length = sqlite3_column_bytes(statement, column);
                cell.type = CellType::Text;
                cell.text.offset = static_cast<quint32>(m_bytes.size());
                cell.text.length = static_cast<quint32>(length);
                m_bytes.append(bytes ? bytes : "", static_cast<size_t>(length));
                break;
            }
            }
            m_cells.push_back(cell);
        }
    }
    if (rc != SQLITE_DONE)
        return m_connection.lastFailure(rc);
    return {};
}

QString RecordSet::fieldName(int field) const
{
    return field >= 0 && field < fieldCount() ? m_fields[static_cast<size_t>(field)].name : QString();
}

int RecordSet::fieldIndex(QStringView name) const
{
    for (size_t f = 0; f < m_fields.size(); ++f) {
        if (name.compare(m_fields[f].name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(f);
    }
    return -1;
}

bool RecordSet::hasCurrent() const
{
    return !m_deleted && m_position >= 0 && m_position < static_cast<qsizetype>(m_order.size());
}

const RecordSet::Cell *RecordSet::currentCell(int field) const
{
    if (!hasCurrent() || field < 0 || field >= fieldCount())
        return nullptr;
    const size_t row = m_order[static_cast<size_t>(m_position)];
    return &m_cells[row * m_fields.size() + static_cast<size_t>(field)];
}

QString RecordSet::cellText(const Cell &cell, FieldKind kind) const
{
    switch (cell.type) {
    case CellType::Null:
        return {};
    case CellType::Integer:
        return QString::number(cell.integer);
    case CellType::Real:
        return QString::number(cell.real);
    case CellType::Text:
        break;
    }
    const char *bytes = m_bytes.data() + cell.text.offset;
    QString text;
    if (kind == FieldKind::Date && germanDate(bytes, cell.text.length, text))
        return text;
    return QString::fromUtf8(bytes, cell.text.length);
}

QString RecordSet::fieldText(int field) const
{
    const Cell *cell = currentCell(field);
    return cell ? cellText(*cell, m_fields[static_cast<size_t>(field)].kind) : QString();
}

QString RecordSet::fieldText(QStringView name) const
{
    return fieldText(fieldIndex(name));
}

bool RecordSet::isNull(int field) const
{
    const Cell *cell = currentCell(field);
    return !cell || cell->type == CellType::Null;
}

// ---- Position ------------------------------------------------------------------

int RecordSet::AbsolutePosition() const
{
    return hasCurrent() ? static_cast<int>(m_position) : -1;
}

bool RecordSet::Bof() const
{
    return m_order.empty() || (!m_deleted && m_position < 0);
}

bool RecordSet::Eof() const
{
    return m_order.empty() || (!m_deleted && m_position >= static_cast<qsizetype>(m_order.size()));
}

void RecordSet::setPosition(qsizetype position)
{
    m_position = position;
    m_deleted = false;
    if (m_onReposition)
        m_onReposition();
}

DbStatus RecordSet::noCurrentRecord() const
{
    return {DbStatus::Code::NoCurrentRecord, QStringLiteral("Es gibt keinen aktuellen Datensatz.")};
}

DbStatus RecordSet::MoveFirst()
{
    if (m_order.empty())
        return noCurrentRecord();
    setPosition(0);
    return {};
}

DbStatus RecordSet::MoveLast()
{
    if (m_order.empty())
        return noCurrentRecord();
    setPosition(static_cast<qsizetype>(m_order.size()) - 1);
    return {};
}

DbStatus RecordSet::MoveNext()
{
    if (m_deleted) {
        setPosition(m_position);
        return {};
    }
    if (Eof())
        return noCurrentRecord();
    setPosition(m_position + 1);
    return {};
}

DbStatus RecordSet::MovePrevious()
{
    if (m_deleted) {
        setPosition(m_position - 1);
        return {};
    }
    if (Bof())
        return noCurrentRecord();
    setPosition(m_position - 1);
    return {};
}

// ---- Finds -----------------------------------------------------------------------

DbStatus RecordSet::criterion(const QString &text, const CachedCriterion *&parsed)
{
    // The lists repeat one criterion thousands of times in a walk.
    if (m_criterion && m_criterion->text == text) {
        parsed = &*m_criterion;
        return {};
    }
    QString why;
    std::optional<LikeCriterion> criterion = LikeCriterion::parse(text, &why);
    int field = -1;
    if (criterion) {
        field = fieldIndex(criterion->field);
        if (field < 0)
            why = QStringLiteral("das Feld \"%1\" gibt es nicht").arg(criterion->field);
    }
    if (field < 0)
        return {DbStatus::Code::BadCriterion,
                QStringLiteral("Das Suchkriterium \"%1\" ist ungültig: %2").arg(text, why)};
    m_criterion = CachedCriterion {text, field, std::move(criterion->pattern)};
    parsed = &*m_criterion;
    return {};
}

bool RecordSet::matches(const CachedCriterion &criterion, qsizetype position) const
{
    const size_t row = m_order[static_cast<size_t>(position)];
    const Cell &cell = m_cells[row * m_fields.size() + static_cast<size_t>(criterion.field)];
    if (cell.type == CellType::Null)
        return false;
    if (criterion.pattern.matchesAnyText())
        return true;
    return criterion.pattern.matches(cellText(cell, m_fields[static_cast<size_t>(criterion.field)].kind));
}

DbStatus RecordSet::find(const QString &text, qsizetype from, int step)
{
    const CachedCriterion *parsed = nullptr;
    const DbStatus status = criterion(text, parsed);
    if (!status.isOk())
        return status;
    const qsizetype count = static_cast<qsizetype>(m_order.size());
    for (qsizetype p = from; p >= 0 && p < count; p += step) {
        if (matches(*parsed, p)) {
            m_noMatch = false;
            setPosition(p);
            return {};
        }
    }
    m_noMatch = true;
    return {};
}

DbStatus RecordSet::FindFirst(const QString &criterion)
{
    return find(criterion, 0, 1);
}

DbStatus RecordSet::FindLast(const QString &criterion)
{
    return find(criterion, static_cast<qsizetype>(m_order.size()) - 1, -1);
}

DbStatus RecordSet::FindNext(const QString &criterion)
{
    // Right after Delete, the record that followed the deleted one is next.
    return find(criterion, m_deleted ? m_position : m_position + 1, 1);
}

DbStatus RecordSet::FindPrevious(const QString &criterion)
{
    return find(criterion, m_position - 1, -1);
}

// ---- Changes ---------------------------------------------------------------------

DbStatus RecordSet::AddNew()
{
    if (!m_connection.isOpen())
        return {DbStatus::Code::Failed, QStringLiteral("Die Datensatzgruppe ist nicht geöffnet.")};
    m_adding = true;
    m_edit.assign(m_fields.size(), std::nullopt);
    return {};
}

void RecordSet::CancelUpdate()
{
    m_adding = false;
    m_edit.clear();
}

DbStatus RecordSet::setField(QStringView name, const QVariant &value)
{
    if (!m_adding)
        return {DbStatus::Code::NoCurrentRecord, QStringLiteral("Es wird gerade kein neuer Datensatz angelegt.")};
    const int field = fieldIndex(name);
    if (field < 0)
        return {DbStatus::Code::BadValue,
                QStringLiteral("Das Feld \"%1\" gibt es in \"%2\" nicht.").arg(name.toString(), m_table)};
    const Field &target = m_fields[static_cast<size_t>(field)];
    auto &slot = m_edit[static_cast<size_t>(field)];
    if (value.isNull()) {
        slot = QVariant();
        return {};
    }
    const auto badValue = [&](const QString &what) {
        return DbStatus(DbStatus::Code::BadValue, QStringLiteral("Der Wert \"%1\" passt nicht in das Feld \"%2\" (%3).")
                                                      .arg(value.toString(), target.name, what));
    };
    switch (target.kind) {
    case FieldKind::Integer:
    case FieldKind::SmallInt: {
        bool ok = false;
        const qlonglong number = value.toLongLong(&ok);
        if (!ok)
            return badValue(QStringLiteral("eine ganze Zahl"));
        if (target.kind == FieldKind::SmallInt && (number < -32768 || number > 32767))
            return badValue(QStringLiteral("eine ganze Zahl von -32768 bis 32767"));
        slot = QVariant(number);
        return {};
    }
    case FieldKind::Date: {
        QDate date;
        if (value.metaType().id() == QMetaType::QDate)
            date = value.toDate();
        else if (value.metaType().id() == QMetaType::QDateTime)
            date = value.toDateTime().date();
        if (!date.isValid())
            return badValue(QStringLiteral("ein Datum"));
        slot = QVariant(date.toString(Qt::ISODate));
        return {};
    }
    case FieldKind::Text:
    case FieldKind::Other:
        if (!value.canConvert<QString>())
            return badValue(QStringLiteral("ein Text"));
        slot = QVariant(value.toString());
        return {};
    }
    return {};
}

DbStatus RecordSet::bindEdit(sqlite3_stmt *statement, int parameter, const QVariant &value) const
{
    int rc;
    if (!value.isValid()) {
        rc = sqlite3_bind_null(statement, parameter);
    } else if (value.metaType().id() == QMetaType::LongLong) {
        rc = sqlite3_bind_int64(statement, parameter, value.toLongLong());
    } else {
        const QByteArray text = value.toString().toUtf8();
        rc = sqlite3_bind_text(statement, parameter, text.constData(), static_cast<int>(text.size()),
                               SQLITE_TRANSIENT);
    }
    return rc == SQLITE_OK ? DbStatus() : m_connection.lastFailure(rc);
}

DbStatus RecordSet::Update()
{
    if (!m_adding)
        return {DbStatus::Code::NoCurrentRecord, QStringLiteral("Es wird gerade kein neuer Datensatz angelegt.")};
    QString names;
    QString values;
    std::vector<int> set;
    for (size_t f = 0; f < m_edit.size(); ++f) {
        if (!m_edit[f])
            continue;
        if (!set.empty()) {
            names += u',';
            values += u',';
        }
        names += quotedName(m_fields[f].name);
        values += u'?';
        set.push_back(static_cast<int>(f));
    }
    const QString sql = set.empty()
        ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quotedName(m_table))
        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(quotedName(m_table), names, values);
    auto insert = m_connection.prepare(sql.toUtf8());
    if (!insert.isOk())
        return insert.status();
    sqlite3_stmt *raw = insert.value().get();
    for (size_t k = 0; k < set.size(); ++k) {
        const DbStatus bound = bindEdit(raw, static_cast<int>(k) + 1, *m_edit[static_cast<size_t>(set[k])]);
        if (!bound.isOk())
            return bound;
    }
    // Outside a transaction the insert commits as it completes, journal
    // synced, so the record is on disk when Update returns; inside one it
    // waits for the transaction's commit.
    const int rc = sqlite3_step(raw);
    if (rc != SQLITE_DONE)
        return m_connection.lastFailure(rc);
    const qint64 rowid = sqlite3_last_insert_rowid(m_connection.handle());
    m_adding = false;
    m_edit.clear();
    if (m_appendOnly)
        return {};

    // Read the stored row back, so the set shows what the table holds.
    auto reread = m_connection.prepare(
        (QStringLiteral("SELECT rowid, * FROM ") + quotedName(m_table) + QStringLiteral(" WHERE rowid = ?")).toUtf8());
    if (!reread.isOk())
        return reread.status();
    sqlite3_bind_int64(reread.value().get(), 1, rowid);
    return load(reread.value().get());
}

DbStatus RecordSet::Delete()
{
    if (!hasCurrent())
        return noCurrentRecord();
    // Another copy of the program may have deleted the record since it was
    // read, and a record saved after that may have taken its row number: only
    // a row that still holds every value read is the record shown (IS, as
    // = never matches Null).
    QString sql = QStringLiteral("DELETE FROM ") + quotedName(m_table) + QStringLiteral(" WHERE rowid = ?");
    for (const Field &field : m_fields)
        sql += QStringLiteral(" AND ") + quotedName(field.name) + QStringLiteral(" IS ?");
    auto statement = m_connection.prepare(sql.toUtf8());
    if (!statement.isOk())
        return statement.status();
    sqlite3_stmt *raw = statement.value().get();
    const size_t row = m_order[static_cast<size_t>(m_position)];
    sqlite3_bind_int64(raw, 1, m_rowids[row]);
    for (size_t f = 0; f < m_fields.size(); ++f) {
        const Cell &cell = m_cells[row * m_fields.size() + f];
        const int parameter = static_cast<int>(f) + 2;
        switch (cell.type) {
        case CellType::Null:
            break; // unbound parameters are Null
        case CellType::Integer:
            sqlite3_bind_int64(raw, parameter, cell.integer);
            break;
        case CellType::Real:
            sqlite3_bind_double(raw, parameter, cell.real);
            break;
        case CellType::Text:
            sqlite3_bind_text(raw, parameter, m_bytes.data() + cell.text.offset, static_cast<int>(cell.text.length),
                              SQLITE_STATIC);
            break;
        }
    }
    const int rc = sqlite3_step(raw);
    if (rc != SQLITE_DONE)
        return m_connection.lastFailure(rc);
    if (sqlite3_changes(m_connection.handle()) == 0)
        return {DbStatus::Code::RecordChanged,
                QStringLiteral("Der Datensatz wurde inzwischen geändert oder gelöscht, etwa von einem zweiten "
                               "laufenden Quirlix.")};
    m_order.erase(m_order.begin() + m_position);
    m_deleted = true;
    if (m_onReposition)
        m_onReposition();
    return {};
}

} // namespace platform
