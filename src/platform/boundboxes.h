#pragma once

#include "platform/recordlist.h"

#include <array>

class QLineEdit;
class QWidget;

namespace platform {

class DataControl;

// The hidden text boxes txtVarName, txtVarPunkte, txtVarLevel, txtVarDatum
// and txtVarSpiel of a list window: one per column of the record list filler,
// each showing its field of the current record.
class BoundBoxes
{
public:
    explicit BoundBoxes(QWidget *parent);

    QLineEdit *operator[](ListColumn column) const { return m_boxes[static_cast<size_t>(column)]; }

    // Each box follows its field of the data source's current record.
    void bindTo(DataControl &datliste) const;
    // Each box shows its column's text.
    void setTexts(const RecordColumns &texts) const;

private:
    std::array<QLineEdit *, kListColumns> m_boxes;
};

} // namespace platform
