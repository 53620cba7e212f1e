#include "actions.h"
#include "scenedump.h"
#include "screenconfig.h"

#include "Unit1.h"
#include "firstframe.h"
#include "startup.h"
#include "startupwarmup.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

constexpr char usage[] = "usage: tamo-inspect [--do ACTION]... [--dump FILE|-] [--shot FILE.png]\n"
                         "ACTION:  click:NAME  click:NAME@X,Y  hover:NAME@X,Y  wait:MS  "
                         "type:NAME:TEXT  shot:FILE.png\n";

struct Options
{
    QList<Inspect::Action> actions;
    QString dump;
    QString shot;
};

int fail(const QString &message, int code = 2)
{
    std::fprintf(stderr, "tamo-inspect: %s\n", qPrintable(message));
    return code;
}

std::variant<Options, QString> parseArguments(const QStringList &args)
{
    Options options;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (i + 1 >= args.size())
            return QStringLiteral("\"%1\" needs a value").arg(arg);
        const QString &value = args.at(++i);
        if (arg == QLatin1String("--do")) {
            auto action = Inspect::parseAction(value);
            if (auto *error = std::get_if<QString>(&action))
                return *error;
            options.actions.append(std::get<Inspect::Action>(action));
        } else if (arg == QLatin1String("--dump")) {
            options.dump = value;
        } else if (arg == QLatin1String("--shot")) {
            options.shot = value;
        } else {
            return QStringLiteral("unknown argument \"%1\"").arg(arg);
        }
    }
    return options;
}

bool saveShot(QWidget *window, const QString &file)
{
    return window->grab().save(file, "PNG");
}

// The point of `widget` in its window, from a point relative to it (its centre by default).
QPoint windowPoint(QWidget *widget, const std::optional<QPoint> &at)
{
    return widget->mapTo(widget->window(), at.value_or(widget->rect().center()));
}

QString run(QWidget *window, const Inspect::Action &action)
{
    using Inspect::Action;
    QWidget *target = nullptr;
    if (action.kind == Action::Click || action.kind == Action::Hover
        || action.kind == Action::Type) {
        QObject *object = Inspect::findNamed(window, action.name);
        target = qobject_cast<QWidget *>(object);
        if (!target)
            return object ? QStringLiteral("\"%1\" is not a control").arg(action.name)
                          : QStringLiteral("no object named \"%1\"").arg(action.name);
    }
    QWindow *handle = window->windowHandle();
    static bool pointerInside = false;
    if (!pointerInside && (action.kind == Action::Click || action.kind == Action::Hover)) {
        // Enter events come from a change of widget under the pointer, so the pointer
        // first lands on the window's own frame.
        pointerInside = true;
        QTest::mouseMove(handle, QPoint(0, 0));
    }
    switch (action.kind) {
    case Action::Click:
        QTest::mouseMove(handle, windowPoint(target, action.at));
        QTest::mouseClick(handle, Qt::LeftButton, {}, windowPoint(target, action.at));
        break;
    case Action::Hover:
        QTest::mouseMove(handle, windowPoint(target, action.at));
        break;
    case Action::Wait:
        QTest::qWait(action.milliseconds);
        break;
    case Action::Type:
        QTest::keyClicks(target, action.text);
        break;
    case Action::Shot:
        if (!saveShot(window, action.text))
            return QStringLiteral("cannot write \"%1\"").arg(action.text);
        break;
    }
    QCoreApplication::processEvents();
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    Inspect::chooseScreen();
    App::StartupWarmUp warmUp;
    App::prepareApplication();
    QApplication application(argc, argv);
    const auto parsed = parseArguments(QCoreApplication::arguments());
    if (const auto *error = std::get_if<QString>(&parsed)) {
        std::fputs(usage, stderr);
        return fail(*error);
    }
    const Options &options = std::get<Options>(parsed);

    TfrmStart frmStart;
    App::FirstFrame firstFrame(&frmStart);
    QEventLoop waiting;
    QObject::connect(&firstFrame, &App::FirstFrame::painted, &waiting, &QEventLoop::quit);
    QTimer::singleShot(10000, &waiting, &QEventLoop::quit);
    frmStart.show();
    if (!firstFrame.isPainted())
        waiting.exec();
    if (!firstFrame.isPainted())
        return fail(QStringLiteral("the window painted no frame within 10 s"), 1);

    for (const Inspect::Action &action : options.actions) {
        if (const QString error = run(&frmStart, action); !error.isEmpty())
            return fail(error, error.startsWith(QLatin1String("cannot")) ? 1 : 2);
    }
    if (!options.shot.isEmpty() && !saveShot(&frmStart, options.shot))
        return fail(QStringLiteral("cannot write \"%1\"").arg(options.shot), 1);
    if (!options.dump.isEmpty()) {
        const QByteArray json = QJsonDocument(Inspect::dumpScene(&frmStart)).toJson();
        if (options.dump == QLatin1String("-")) {
            std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
        } else {
            QFile file(options.dump);
            if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size())
                return fail(QStringLiteral("cannot write \"%1\"").arg(options.dump), 1);
        }
    }
    return 0;
}
