#include "platform/metafile.h"

#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <memory>

namespace platform {

namespace {

QString describe(wmf_error_t error)
{
    switch (error) {
    case wmf_E_None:
        return {};
    case wmf_E_InsMem:
        return QStringLiteral("out of memory");
    case wmf_E_BadFile:
    case wmf_E_BadFormat:
        return QStringLiteral("not a placeable metafile or damaged");
    case wmf_E_EOF:
        return QStringLiteral("metafile ends too early");
    case wmf_E_DeviceError:
    case wmf_E_Glitch:
    case wmf_E_Assert:
    case wmf_E_UserExit:
        break;
    }
    return QStringLiteral("metafile could not be played (error %1)").arg(int(error));
}

struct ApiDeleter
{
    void operator()(wmfAPI *api) const { wmf_api_destroy(api); }
};

} // namespace

QByteArray metafileToSvg(const QByteArray &metafile, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return QByteArray();
    };
    if (metafile.isEmpty())
        return fail(QStringLiteral("empty file"));

    wmfAPI_Options options {};
    options.function = wmf_svg_function;
    // The library's own messages would go to stderr beside ours; its error
    // code says enough. Records it does not know are skipped, as a viewer
    // skips them, so that most of a picture still shows.
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI *raw = nullptr;
    wmf_error_t status = wmf_api_create(&raw, flags, &options);
    std::unique_ptr<wmfAPI, ApiDeleter> api(raw);
    if (status != wmf_E_None)
        return fail(describe(status));

    // The library reads but never writes the bytes it is given.
    QByteArray bytes = metafile;
    status = wmf_mem_open(api.get(), reinterpret_cast<unsigned char *>(bytes.data()), bytes.size());
    wmfD_Rect bbox {};
    if (status == wmf_E_None)
        status = wmf_scan(api.get(), 0, &bbox);
    if (status != wmf_E_None)
        return fail(describe(status));
    if (!(bbox.BR.x > bbox.TL.x && bbox.BR.y > bbox.TL.y))
        return fail(QStringLiteral("metafile draws nothing"));

    wmf_svg_t *svg = WMF_SVG_GetData(api.get());
    svg->out = wmf_stream_create(api.get(), nullptr);
    svg->Description = const_cast<char *>("");
    svg->bbox = bbox;
    // Pictures the metafile carries go into the SVG itself, not into files.
    svg->flags |= WMF_SVG_INLINE_IMAGES;
    unsigned int width = 0;
    unsigned int height = 0;
    wmf_display_size(api.get(), &width, &height, 96, 96);
    svg->width = width;
    svg->height = height;

    status = wmf_play(api.get(), 0, &bbox);
    char *text = nullptr;
    unsigned long length = 0;
    wmf_stream_destroy(api.get(), svg->out, &text, &length);
    // The text stays the library's: it goes with the library's other
    // allocations below.
    QByteArray out(text, text ? qsizetype(length) : 0);
    if (status != wmf_E_None)
        return fail(describe(status));
    if (out.isEmpty())
        return fail(QStringLiteral("metafile gave no picture"));

    // The library paints every fill half transparent when the metafile's
    // background mode is transparent; that mode concerns only the gaps of
    // hatches and text, a brush itself is always opaque.
    out.replace("fill-opacity:0.5;", "fill-opacity:1.0;");
    // A metafile's polyline is a line, but SVG fills a polyline unless told
    // not to, and the library does not tell it.
    out.replace("<polyline ", "<polyline fill=\"none\" ");
    return out;
}

} // namespace platform
