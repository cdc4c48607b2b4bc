// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's three status panels: 0 the sessions' status (with its image), 1 the
// sessions' and the window's own notes, 2 the message count. A note of the window's own (a
// message that could not be marked, a link not opened) is about what was shown, so it goes
// when the shown folder or message changes; what the sessions write stays until they write again.
#include <QString>
#include <array>

class QIcon;
class QLabel;
class QStatusBar;
class cStatusPanel;

class cMainStatusBar
{
public:
    // Fills bar with the panels; statusIcon is drawn before panel 0's text.
    cMainStatusBar(QStatusBar *bar, const QIcon &statusIcon);

    void SetText(int panel, const QString &text);
    QString Text(int panel) const;
    // A note of the window's own in panel 1.
    void ShowNote(const QString &text);
    void ForgetNote();
    // Empties the panel when it still says text (the new-mail count once that mail was seen).
    void ClearIfShowing(int panel, const QString &text);

private:
    cStatusPanel *fSession;
    std::array<QLabel *, 2> fLabels; // panels 1 and 2
    bool fNoteShown = false;
};
