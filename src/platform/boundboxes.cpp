#include "platform/boundboxes.h"

#include "platform/datacontrol.h"

#include <QtWidgets/QLineEdit>

namespace platform {

BoundBoxes::BoundBoxes(QWidget *parent)
{
    for (size_t c = 0; c < m_boxes.size(); ++c) {
        m_boxes[c] = new QLineEdit(parent);
        m_boxes[c]->setObjectName(QStringLiteral("txtVar") + QString::fromUtf16(kListColumnFields[c]));
        m_boxes[c]->hide();
    }
}

void BoundBoxes::bindTo(DataControl &datliste) const
{
    for (size_t c = 0; c < m_boxes.size(); ++c)
        datliste.bind(m_boxes[c], QString::fromUtf16(kListColumnFields[c]));
}

void BoundBoxes::setTexts(const RecordColumns &texts) const
{
    for (size_t c = 0; c < m_boxes.size(); ++c)
        m_boxes[c]->setText(texts.text[c]);
}

} // namespace platform
