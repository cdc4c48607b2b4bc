// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cMainStatusBar.h"

#include "ui/wndlist/cStatusPanel.h"

#include <QLabel>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

constexpr int kCountWidth = 110;

QLabel *namedLabel(const QString &name)
{
    auto *label = new QLabel;
    label->setObjectName(name);
    return label;
}

} // namespace

cMainStatusBar::cMainStatusBar(QStatusBar *bar, const QIcon &statusIcon)
    : fSession(new cStatusPanel(statusIcon)), fLabels{namedLabel(u"sbMain_Panel1"_s), namedLabel(u"sbMain_Panel2"_s)}
{
    bar->setObjectName(u"sbMain"_s);
    fSession->setObjectName(u"sbMain_Panel0"_s);
    fLabels[1]->setMinimumWidth(kCountWidth);
    bar->addWidget(fSession, 3);
    bar->addWidget(fLabels[0], 2);
    bar->addPermanentWidget(fLabels[1]);
}

void cMainStatusBar::SetText(int panel, const QString &text)
{
    if (panel == 0)
        fSession->setText(text);
    else if (panel == 1 || panel == 2)
        fLabels[std::size_t(panel - 1)]->setText(text);
    if (panel == 1)
        fNoteShown = false;
}

QString cMainStatusBar::Text(int panel) const
{
    if (panel == 0)
        return fSession->text();
    return panel == 1 || panel == 2 ? fLabels[std::size_t(panel - 1)]->text() : QString();
}

void cMainStatusBar::ShowNote(const QString &text)
{
    SetText(1, text);
    fNoteShown = true;
}

void cMainStatusBar::ForgetNote()
{
    if (fNoteShown)
        SetText(1, QString());
}

void cMainStatusBar::ClearIfShowing(int panel, const QString &text)
{
    if (!text.isEmpty() && Text(panel) == text)
        SetText(panel, QString());
}
