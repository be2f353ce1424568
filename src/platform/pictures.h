#pragma once

#include <QtGui/QPixmap>

namespace platform {

// Pictures compiled into the program (":/...") or lying in its folder: SVG,
// placeable metafiles (".wmf") and whatever Qt's image readers know. A
// missing or unreadable picture gives an empty pixmap and a warning naming it
// (category quirlix.pictures); it never stops a window from opening.
// An empty size keeps the picture's own size (SVGs: their default size).
QPixmap picture(const QString &path, QSize size = {});
QPixmap pictureFromProgramFolder(const QString &fileName, QSize size = {});

} // namespace platform
