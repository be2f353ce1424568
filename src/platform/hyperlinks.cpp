#include "platform/hyperlinks.h"

#include "platform/logging.h"

#include <QtCore/QProcess>
#include <QtCore/QStandardPaths>
#include <QtCore/QTemporaryFile>
#include <QtCore/QUrl>

#include <memory>

namespace platform {

namespace {

// The desktop's opener, run without waiting for it: it may take a while, or
// last as long as the browser it starts, and the windows go on meanwhile.
// Its exit code tells whether it opened the address; what it writes to
// stderr goes to our log. That goes through a file, not a pipe: a browser
// it starts inherits the channel and may write to it long after the opener
// has gone, which a closed pipe would answer with SIGPIPE.
class DesktopHyperlinks final : public HyperlinkService
{
public:
    void navigate(const QUrl &url, std::function<void()> failed) override
    {
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (opener.isEmpty()) {
            qCWarning(lcPlatform).noquote() << "cannot open" << url.toString() << "(no xdg-open on PATH)";
            failed();
            return;
        }
        auto errors = std::make_shared<QTemporaryFile>();
        auto *process = new QProcess;
        process->setProgram(opener);
        process->setArguments({url.toString(QUrl::FullyEncoded)});
        process->setStandardInputFile(QProcess::nullDevice());
        process->setStandardOutputFile(QProcess::nullDevice());
        if (errors->open())
            process->setStandardErrorFile(errors->fileName());
        else
            process->setStandardErrorFile(QProcess::nullDevice());

        const auto report = [url, errors, failed](const QString &reason) {
            errors->seek(0);
            qCWarning(lcPlatform).noquote() << "cannot open" << url.toString() << "(xdg-open: " + reason + "):"
                                            << QString::fromLocal8Bit(errors->read(4096)).trimmed();
            failed();
        };
        QObject::connect(process, &QProcess::finished, process,
                         [process, report](int code, QProcess::ExitStatus status) {
                             if (status != QProcess::NormalExit)
                                 report(QStringLiteral("it crashed"));
                             else if (code != 0)
                                 report(QStringLiteral("exit code %1").arg(code));
                             process->deleteLater();
                         });
        QObject::connect(process, &QProcess::errorOccurred, process, [process, report](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return; // a crash also ends in finished
            report(process->errorString());
            process->deleteLater();
        });
        process->start();
    }
};

HyperlinkService *&installed()
{
    static HyperlinkService *service = nullptr;
    return service;
}

} // namespace

HyperlinkService &HyperlinkService::instance()
{
    static DesktopHyperlinks desktop;
    return installed() ? *installed() : desktop;
}

void HyperlinkService::install(HyperlinkService *service)
{
    installed() = service;
}

} // namespace platform
