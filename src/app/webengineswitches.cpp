#include "webengineswitches.h"

#include <QQuickWindow>
#include <QSGRendererInterface>

namespace {

const char *const FLAGS_VARIABLE = "QTWEBENGINE_CHROMIUM_FLAGS";
const QByteArray ONE_RENDERER = QByteArrayLiteral("--renderer-process-limit=1");
const QByteArray NO_ZYGOTE = QByteArrayLiteral("--no-zygote");
const QByteArray NO_SANDBOX = QByteArrayLiteral("--no-sandbox");

// True when a switch of that name (with or without a value) is given.
bool sets(const QByteArrayList &given, const QByteArray &name)
{
    for (const QByteArray &word : given)
        if (word == name || word.startsWith(name + '='))
            return true;
    return false;
}

QByteArray switchName(const QByteArray &word)
{
    const int equals = word.indexOf('=');
    return equals < 0 ? word : word.left(equals);
}

} // namespace

QByteArrayList WebEngineSwitches::added(const QByteArrayList &given, bool sandboxDisabled)
{
    QByteArrayList switches;
    if (!sets(given, switchName(ONE_RENDERER)))
        switches.append(ONE_RENDERER);
    // The engine refuses to start without its zygote while the sandbox is on.
    if (sandboxDisabled && !sets(given, NO_ZYGOTE))
        switches.append(NO_ZYGOTE);
    return switches;
}

QByteArrayList WebEngineSwitches::prepare(const std::vector<char *> &args)
{
    const bool fromVariable = qEnvironmentVariableIsSet(FLAGS_VARIABLE);
    QByteArrayList given;
    if (fromVariable) {
        given = qgetenv(FLAGS_VARIABLE).simplified().split(' ');
    } else {
        for (const char *arg : args)
            if (arg)
                given.append(QByteArray(arg));
    }
    const bool sandboxDisabled =
        sets(given, NO_SANDBOX) || qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX");
    const QByteArrayList switches = added(given, sandboxDisabled);
    if (!fromVariable || switches.isEmpty())
        return switches;
    qputenv(FLAGS_VARIABLE, (qgetenv(FLAGS_VARIABLE).simplified() + ' ' + switches.join(' ')).trimmed());
    return {};
}

void WebEngineSwitches::useSoftwareViewRenderer()
{
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") && qEnvironmentVariableIsEmpty("QMLSCENE_DEVICE"))
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
}

int WebEngineSwitches::apply(std::vector<char *> &args, QByteArrayList &storage)
{
    storage = prepare(args);
    for (QByteArray &added : storage)
        args.push_back(added.data());
    useSoftwareViewRenderer();
    const int count = int(args.size());
    args.push_back(nullptr);
    return count;
}
