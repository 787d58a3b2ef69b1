// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include "console.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <utility>

namespace {

// The options that QGuiApplication, QApplication and the X11 platform take
// themselves; known here so that they are not reported as unknown.
const char* const qtOptionsWithValue =
    "platform platformpluginpath platformtheme plugin qwindowgeometry geometry qwindowtitle title "
    "qwindowicon icon session display name visual style stylesheet qmljsdebugger";
const char* const qtFlags = "reverse widgetcount sync nograb dograb";

} // namespace

std::optional<int> answerCommandLine(int argc, char** argv) {
    if (argc <= 1)
        return std::nullopt; // nothing to answer, and no time spent on it
    QCoreApplication parsing(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kvelmor"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KVELMOR_VERSION));

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Упражнение по логика: везна с две блюда и три тежести.\n"
                       "Logic exercise: a two-pan balance and three weights."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Показва тази помощ. / Shows this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Показва версията. / Shows the version."));
    parser.addOption(help);
    parser.addOption(version);
    for (const char* names : {qtOptionsWithValue, qtFlags}) {
        const QString valueName = names == qtOptionsWithValue ? QStringLiteral("value") : QString();
        for (const QString& name : QString::fromLatin1(names).split(u' ')) {
            QCommandLineOption option(name, QString(), valueName);
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    }

    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (parsed && parser.isSet(help)) {
        printForUser(stdout, parser.helpText());
        return 0;
    }
    if (parsed && parser.isSet(version)) {
        printForUser(stdout,
                     QStringLiteral("kvelmor %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }
    QString error;
    if (!parser.unknownOptionNames().isEmpty())
        error = QStringLiteral("непозната опция / unknown option: %1")
                    .arg(parser.unknownOptionNames().join(QStringLiteral(", ")));
    else if (!parsed)
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("неочакван аргумент / unexpected argument: %1")
                    .arg(parser.positionalArguments().constFirst());
    if (error.isEmpty())
        return std::nullopt;
    printForUser(stderr, QStringLiteral("kvelmor: %1\n\n%2").arg(error, parser.helpText()));
    return 2;
}

namespace {

struct HeldMessage {
    QtMsgType type;
    const char* category;
    QString text;
};

QtMessageHandler passedOn = nullptr;
// Qt may report from threads of its own while it connects.
std::mutex heldLock;
QList<HeldMessage> held;

// Qt found no display server to talk to: there is no graphical session.
bool noDisplay(const QList<HeldMessage>& messages) {
    return std::any_of(messages.begin(), messages.end(), [](const HeldMessage& message) {
        return message.text.contains(QLatin1String("could not connect to display")) ||
               message.text.contains(QLatin1String("Failed to create wl_display"));
    });
}

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(heldLock);
    if (type != QtFatalMsg) {
        held.append({type, context.category, text});
        return;
    }
    QString report;
    if (noDisplay(held)) {
        // Qt would go on to advise reinstalling, which would not help.
        report = QStringLiteral("Програмата има нужда от графична среда, а такава няма. / "
                                "The program needs a graphical session, and there is none.");
    } else {
        // Anything else is Qt's own to tell: what it said, then why it stops.
        report = QStringLiteral("Програмата не можа да започне. / The program could not start.");
        for (const HeldMessage& message : held)
            report += u'\n' + message.text;
        report += u'\n' + text;
    }
    reportStartupFailure(QStringLiteral("kvelmor: %1\n").arg(report));
    std::_Exit(1);
}

} // namespace

GraphicalSessionCheck::GraphicalSessionCheck() {
    passedOn = qInstallMessageHandler(holdOrEnd);
}

GraphicalSessionCheck::~GraphicalSessionCheck() {
    qInstallMessageHandler(passedOn);
    QList<HeldMessage> messages;
    {
        const std::lock_guard lock(heldLock);
        messages = std::exchange(held, {});
    }
    for (const HeldMessage& message : messages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category);
        qt_message_output(message.type, context, message.text);
    }
}
