// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/AccountWidgets.h"

#include "ui/icons/ThemedIcon.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString kCaption = u"Tolvan Ravelin"_s;

void showField(QWidget *field)
{
    for (QWidget *ancestor = field->parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
        auto *pages = qobject_cast<QTabWidget *>(ancestor);
        for (int index = 0; pages && index < pages->count(); ++index)
            if (pages->widget(index)->isAncestorOf(field))
                pages->setCurrentIndex(index);
    }
    field->setFocus();
}

} // namespace

QIcon AccountIcon(bool isDefault)
{
    return BundledIcon(isDefault ? u"ravelin-account-default"_s : u"ravelin-account"_s);
}

void WarnFailure(QWidget *parent, const QString &what, const QString &reason)
{
    QMessageBox::warning(parent, kCaption, what + u"\n\n"_s + reason);
}

bool WarnFirstProblem(QWidget *parent, const QString &what, const QList<cFieldProblem> &problems)
{
    for (const cFieldProblem &entry : problems) {
        if (entry.problem.isEmpty())
            continue;
        WarnFailure(parent, what, entry.problem);
        showField(entry.field);
        return true;
    }
    return false;
}
