#pragma once

#include "platform/shell.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QUrl>

// Stands in for the desktop in tests: records every message box and opened
// address, answers message boxes from a queue (OK when it is empty) and
// records a request to end the program instead of ending the test.
class RecordingShell final : public Shell
{
public:
    struct Message {
        QString text;
        int flags = 0;
        QString caption;
    };

    RecordingShell();
    ~RecordingShell() override;

    int messageBox(const QString &text, int flags, const QString &caption) override;
    void openAddress(const QUrl &address) override;
    void endProgram() override;

    // The answer the next message box gives.
    void answerNext(int answer) { m_answers.enqueue(answer); }

    QList<Message> messages;
    QList<QUrl> openedAddresses;
    int endRequests = 0;

private:
    QQueue<int> m_answers;
    Shell *m_previous = nullptr;
};
