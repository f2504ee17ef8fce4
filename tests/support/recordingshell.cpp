#include "tests/support/recordingshell.h"

RecordingShell::RecordingShell()
    : m_previous(setShell(this))
{
}

RecordingShell::~RecordingShell()
{
    setShell(m_previous);
}

int RecordingShell::messageBox(const QString &text, int flags, const QString &caption)
{
    messages.append({text, flags, caption});
    return m_answers.isEmpty() ? Ok : m_answers.dequeue();
}

void RecordingShell::openAddress(const QUrl &address)
{
    openedAddresses.append(address);
}

void RecordingShell::endProgram()
{
    ++endRequests;
}
