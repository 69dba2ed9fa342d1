// SPDX-License-Identifier: MIT
#include "display_check.h"

#include <QByteArrayView>

#include <cstdio>
#include <cstdlib>

namespace
{

const char kNoDisplay[] = "Резистор: нет дисплея, на котором можно показать окно";
// A reason longer than this is the platform's advice rather than its reason, and is left out.
constexpr qsizetype kShortReason = 80;

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage>* held = nullptr;

void pass(QtMsgType type, const char* category, const QString& text)
{
    if (previousHandler) {
        const QMessageLogContext context(nullptr, 0, nullptr, category);
        previousHandler(type, context, text);
    } else {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
}

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        QStringList platformMessages;
        for (const HeldMessage& message : *held)
            if (message.category.startsWith("qt.qpa"))
                platformMessages << message.text;
        std::fprintf(stderr, "%s\n",
                     DisplayCheck::noDisplayLine(platformMessages).toLocal8Bit().constData());
        std::fflush(stderr);
        // Not abort(): the missing display is the user's situation, not the program's fault.
        std::_Exit(DisplayCheck::kExitCode);
    }
    held->append({type, QByteArray(context.category), text});
}

} // namespace

DisplayCheck::DisplayCheck()
{
    held = new QList<HeldMessage>;
    previousHandler = qInstallMessageHandler(holdOrEnd);
}

DisplayCheck::~DisplayCheck()
{
    passed();
}

void DisplayCheck::passed()
{
    if (!held)
        return;
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : *held)
        pass(message.type, message.category.constData(), message.text);
    delete held;
    held = nullptr;
}

QString DisplayCheck::noDisplayLine(const QStringList& platformMessages)
{
    // The first of the platform's messages names the cause ("could not connect to display :5");
    // later ones only say that the platform plugin could not start.
    QString line = QString::fromUtf8(kNoDisplay);
    if (!platformMessages.isEmpty()) {
        const QString reason = platformMessages.first().simplified();
        if (!reason.isEmpty() && reason.size() <= kShortReason)
            line += QStringLiteral(" (%1)").arg(reason);
    }
    return line + QLatin1Char('.');
}
