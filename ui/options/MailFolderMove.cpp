// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/options/MailFolderMove.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(MailFolderMove)
};

} // namespace

eMailFolderChange AskMailFolderChange(QWidget *parent, const QString &from, const QString &to)
{
    QMessageBox box(QMessageBox::Question, cTexts::tr("Ravelin - Options"),
                    cTexts::tr("The mail folder changes from %1 to %2.\n\nMove your mail, contacts and signatures to the new "
                       "folder, or use the new folder as it is?")
                        .arg(from, to),
                    QMessageBox::NoButton, parent);
    QPushButton *move = box.addButton(cTexts::tr("&Move my mail there"), QMessageBox::AcceptRole);
    QPushButton *asItIs = box.addButton(cTexts::tr("&Use the new folder as it is"), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(move);
    box.exec();
    if (box.clickedButton() == move)
        return eMailFolderChange::Move;
    return box.clickedButton() == asItIs ? eMailFolderChange::UseAsItIs : eMailFolderChange::Cancel;
}

bool MoveMailWithProgress(QWidget *parent, const cMailTreeMove &move)
{
    QProgressDialog progress(cTexts::tr("Moving your mail to %1...").arg(move.to), cTexts::tr("Cancel"), 0, 0, parent);
    progress.setWindowTitle(cTexts::tr("Ravelin - Options"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    std::atomic<bool> stop = false;
    QObject::connect(&progress, &QProgressDialog::canceled, &progress, [&stop] { stop = true; });
    QFutureWatcher<cResult> watcher;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &progress, &QProgressDialog::accept);
    watcher.setFuture(QtConcurrent::run([&] {
        return MoveMailTree(move, [&](qsizetype done, qsizetype total) {
            QMetaObject::invokeMethod(&progress, [&progress, done, total] {
                progress.setMaximum(int(total));
                progress.setValue(int(done));
            }, Qt::QueuedConnection);
            return !stop;
        });
    }));
    progress.exec();
    // Cancel closes the window at once; the move stops at its next file, which this waits for.
    watcher.waitForFinished();
    const cResult moved = watcher.result();
    if (!moved)
        QMessageBox::warning(parent, cTexts::tr("Ravelin - Options"), moved.text());
    return moved.ok();
}
