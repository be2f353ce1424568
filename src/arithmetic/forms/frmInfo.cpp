#include "arithmetic/forms/frmInfo.h"

frmInfo::frmInfo()
    : TextWindow(staticName(), QStringLiteral("Info"), QStringLiteral(":/arithmetic/info.html"),
                 {{7350, 7230}, {360, 240, 6615, 5775}, {2400, 6240, 2415, 735}})
    , rtfinfo(m_text)
    , cmdOK(m_okay)
{
}
