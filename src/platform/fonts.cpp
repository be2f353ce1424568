#include "platform/fonts.h"

namespace platform {

QString installedFamily(const QString &designFamily)
{
    if (designFamily == u"Arial" || designFamily == u"MS Sans Serif")
        return QStringLiteral("Liberation Sans");
    if (designFamily == u"Times New Roman")
        return QStringLiteral("Liberation Serif");
    if (designFamily == u"Comic Sans MS")
        return QStringLiteral("Comic Neue");
    return designFamily;
}

QFont vbFont(const QString &family, double points, bool bold)
{
    QFont font(installedFamily(family));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace platform
