#include "arithmetic/forms/formparts.h"

#include <QtWidgets/QWidget>

void addEdgeLines(QWidget *client)
{
    const int w = client->width();
    const int h = client->height();
    const QRect edges[] = {{0, 0, w, 1}, {0, h - 1, w, 1}, {0, 0, 1, h}, {w - 1, 0, 1, h}};
    for (const QRect &edge : edges) {
        auto *line = new QWidget(client);
        line->setGeometry(edge);
        QPalette pal = line->palette();
        pal.setColor(QPalette::Window, Qt::black);
        line->setPalette(pal);
        line->setAutoFillBackground(true);
        line->setAttribute(Qt::WA_TransparentForMouseEvents);
        line->raise();
    }
}
