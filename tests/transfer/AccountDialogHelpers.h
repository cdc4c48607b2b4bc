// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the account-dialog tests share: answering modal windows, reaching fields by name as the
// user would, and reading back the accounts file.
#include "storage/SettingsPaths.h"
#include "storage/cIniFile.h"
#include "transfer/cAccount.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

// Acts on every modal window of type T that comes up while it lives, so that a test never
// waits for a click nobody makes.
template <typename T>
class cModalWatcher
{
public:
    explicit cModalWatcher(std::function<void(T *)> act) : fAct(std::move(act))
    {
        QObject::connect(&fTimer, &QTimer::timeout, [this] { poll(); });
        fTimer.start(10);
    }

private:
    void poll()
    {
        T *window = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!window || fHandled.contains(window))
            return;
        fHandled.append(window);
        fAct(window);
    }

    std::function<void(T *)> fAct;
    QList<QPointer<QObject>> fHandled;
    QTimer fTimer;
};

// Answers every message box with one button and keeps what the boxes said.
struct cBoxAnswerer
{
    explicit cBoxAnswerer(QMessageBox::StandardButton answer)
        : watcher([this, answer](QMessageBox *box) {
              captions.append(box->windowTitle());
              texts.append(box->text());
              icons.append(box->icon());
              buttons.append(box->standardButtons());
              QMetaObject::invokeMethod(box->button(answer), &QAbstractButton::click, Qt::QueuedConnection);
          })
    {
    }

    QStringList captions;
    QStringList texts;
    QList<QMessageBox::Icon> icons;
    QList<QMessageBox::StandardButtons> buttons;
    cModalWatcher<QMessageBox> watcher;
};

template <typename T>
inline T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

inline void setField(QWidget *window, const char *name, const QString &text)
{
    child<QLineEdit>(window, name)->setText(text);
}

inline void click(QWidget *window, const char *name)
{
    child<QPushButton>(window, name)->click();
}

// Chooses an item as the user does, so that whatever follows the user's choice runs.
inline void choose(QWidget *window, const char *name, int index)
{
    auto *choice = child<QComboBox>(window, name);
    choice->setCurrentIndex(index);
    emit choice->activated(index);
}

inline int chosen(QWidget *window, const char *name)
{
    return child<QComboBox>(window, name)->currentIndex();
}


inline cAccount account(const QString &section, const QString &email, const QString &replyAddress = {})
{
    cAccount a;
    a.section = section;
    a.email = email;
    a.replyAddress = replyAddress;
    return a;
}

// The focused fields, from the current one on, pressing Tab between them.
inline QStringList tabbedFields(int presses)
{
    QStringList names{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        names.append(QApplication::focusWidget()->objectName());
    }
    return names;
}

inline QList<QByteArray> keysOf(const QString &section)
{
    QList<QByteArray> keys;
    QFile file(AccountsFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return keys;
    bool inSection = false;
    for (const QByteArray &line : file.readAll().split('\n')) {
        QString name;
        if (cIniSection::parseSectionName(line, &name))
            inSection = name == section;
        else if (inSection && line.contains('='))
            keys.append(line.left(line.indexOf('=')));
    }
    return keys;
}
