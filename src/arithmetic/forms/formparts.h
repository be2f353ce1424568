#pragma once

class QWidget;

// The thin frame of four lines along the edges of a window without title bar,
// which otherwise would not stand out from what lies behind it.
void addEdgeLines(QWidget *client);
