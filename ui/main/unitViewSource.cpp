// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/unitViewSource.h"

#include "storage/AtomicFile.h"
#include "storage/DisplayText.h"
#include "ui/wndlist/DialogParts.h"
#include "ui/wndlist/WindowSize.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxNameLength = 120;

} // namespace

QString EmlFileName(const QString &subject)
{
    static const QRegularExpression refused(u"[/\\\\:*?\"<>|\\x00-\\x1f]"_s);
    QString name = QString(subject).replace(refused, u"_"_s).simplified().left(kMaxNameLength);
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    return (name.isEmpty() ? u"message"_s : name) + u".eml"_s;
}

void SaveOriginalAs(QWidget *parent, const QString &subject, const QByteArray &original)
{
    const QString path = QFileDialog::getSaveFileName(parent, TfrmViewSource::tr("Save as .eml"),
                                                      QDir::home().filePath(EmlFileName(subject)),
                                                      TfrmViewSource::tr("E-mail messages (*.eml)"));
    if (path.isEmpty())
        return;
    if (const cResult written = WriteFileAtomically(path, original); !written)
        QMessageBox::warning(parent, TfrmViewSource::tr("Save as .eml"),
                             TfrmViewSource::tr("Cannot save the message as \"%1\": %2")
                                 .arg(path, written.text()));
}

TfrmViewSource::TfrmViewSource(const QString &subject, const QByteArray &original)
    : cForm(tr("Source of \"%1\"").arg(subject)), fSubject(subject), fOriginal(original)
{
    setObjectName(u"frmViewSource"_s);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    txtSource = new QPlainTextEdit(central);
    txtSource->setObjectName(u"txtSource"_s);
    txtSource->setReadOnly(true);
    txtSource->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtSource->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtSource->setPlainText(DisplayText(original));
    layout->addWidget(txtSource);
    QPushButton *save = MakeButton(tr("Save as .&eml..."), "btnSaveAs");
    connect(save, &QPushButton::clicked, this, [this] { SaveOriginalAs(this, fSubject, fOriginal); });
    layout->addWidget(save, 0, Qt::AlignRight);
    setCentralWidget(central);
    ResizeForFont(this, 126, 40);
}
