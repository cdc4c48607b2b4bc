// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contact properties window: the fourteen values of one contact on three pages. It
// remembers the name it was opened for, and OK writes every field into that contact, then
// renames it when "Display as" changed beyond case. Its "Send mail" buttons open composers
// that belong to it and close with it.
#include "storage/cContactStore.h"
#include "ui/wndlist/cForm.h"
#include "ui/wndlist/cMenuItem.h" // cForm keeps a QPointer to it

#include <array>
#include <initializer_list>

class QLineEdit;
class QToolButton;

class TfrmContactProperties : public cForm
{
    Q_OBJECT
public:
    TfrmContactProperties();

    void Load(const QString &name);
    const QString &ContactName() const { return fName; }

    void btnOKClick();
    void tbSendMail_MainClick();
    void tbSendMail_SecondaryClick();
    void tbOpenHomePageClick();

private:
    QWidget *buildGeneralPage();
    QWidget *buildHomePage();
    QWidget *buildWorkPage();
    struct cFieldInfo
    {
        const char *label; // translated in this window's context
        eContactKey key;
        const char *objectName;
    };
    QWidget *buildPage(const QString &heading, const QString &note, std::initializer_list<cFieldInfo> fields);
    QLineEdit *addField(class QFormLayout *form, const QString &label, eContactKey key, const char *objectName);
    QToolButton *addFieldWithButton(QFormLayout *form, const QString &label, eContactKey key, const char *objectName,
                                    const char *buttonName, const QString &hint);
    void openComposer(const QString &to);
    cContactCard fieldValues() const;
    QLineEdit *field(eContactKey key) const { return fFields[static_cast<std::size_t>(key)]; }

    QString fName;
    QLineEdit *edtDisplayAs;
    std::array<QLineEdit *, kContactKeyCount> fFields{};
};
