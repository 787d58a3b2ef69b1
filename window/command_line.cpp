// SPDX-FileCopyrightText: 2026 The Kvelmor developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QList>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// The options that QGuiApplication, QApplication and the X11 platform take
// themselves; known here so that they are not reported as unknown.
const char* const qtOptionsWithValue =
    "platform platformpluginpath platformtheme plugin qwindowgeometry geometry qwindowtitle title "
    "qwindowicon icon session display name visual style stylesheet qmljsdebugger";
const char* const qtFlags = "reverse widgetcount sync nograb dograb";

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

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
        print(stdout, parser.helpText());
        return 0;
    }
    if (parsed && parser.isSet(version)) {
        print(stdout, QStringLiteral("kvelmor %1\n").arg(QCoreApplication::applicationVersion()));
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
    print(stderr, QStringLiteral("kvelmor: %1\n\n%2").arg(error, parser.helpText()));
    return 2;
}

namespace {

struct HeldMessage {
    QtMsgType type;
    const char* category;
    QString text;
};

QtMessageHandler passedOn = nullptr;
QList<HeldMessage> held;

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        held.append({type, context.category, text});
        return;
    }
    // The only fatal error while connecting is that there is nothing to connect to.
    std::fputs("kvelmor: Програмата има нужда от графична среда, а такава няма. / "
               "The program needs a graphical session, and there is none.\n",
               stderr);
    std::_Exit(1);
}

} // namespace

GraphicalSessionCheck::GraphicalSessionCheck() {
    passedOn = qInstallMessageHandler(holdOrEnd);
}

GraphicalSessionCheck::~GraphicalSessionCheck() {
    qInstallMessageHandler(passedOn);
    for (const HeldMessage& message : std::exchange(held, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category);
        qt_message_output(message.type, context, message.text);
    }
}
