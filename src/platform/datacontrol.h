#pragma once

#include "platform/datasource.h"

#include <QtWidgets/QWidget>

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QToolButton;

namespace platform {

// The data source control as a window shows it: a bar with four small record
// arrows (first, previous, next, last) and the caption between them. Text
// boxes bound to it show the current record's fields and are emptied when
// there is no current record.
class DataControl : public QWidget
{
    Q_OBJECT
public:
    enum class Arrow { First, Previous, Next, Last };

    explicit DataControl(QWidget *parent = nullptr);

    DataSource &source() { return m_source; }

    void setCaption(const QString &caption);
    QString caption() const;

    // The box shows the field of that name from now on.
    void bind(QLineEdit *box, const QString &field);

    QToolButton *arrow(Arrow which) const { return m_arrows[static_cast<size_t>(which)]; }

Q_SIGNALS:
    // After every change of the current record, once the bound boxes show it.
    void Reposition();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showCurrentRecord();

    struct Binding
    {
        QLineEdit *box;
        QString field;
    };

    DataSource m_source;
    std::array<QToolButton *, 4> m_arrows;
    QLabel *m_caption;
    std::vector<Binding> m_bindings;
};

} // namespace platform
