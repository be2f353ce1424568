#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>

namespace platform {

// Placeable Windows metafiles (".wmf"), the clip art a school may drop into
// the program folder. The metafile is played into SVG in memory, which the
// program's SVG renderer then draws at any size.
//
// Returns the SVG text, or an empty array with the reason in *error when the
// bytes are no metafile the library can play.
QByteArray metafileToSvg(const QByteArray &metafile, QString *error);

} // namespace platform
