// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/contacts/unitContactProperties.h"

#include "ui/contacts/ContactLists.h"
#include "ui/contacts/unitContactsSupport.h"
#include "ui/wndlist/DialogParts.h"
#include "ui/wndlist/WindowSize.h"
#include "ui/wndlist/cWindowSteps.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

using K = eContactKey;

TfrmContactProperties::TfrmContactProperties()
    : cForm(tr("Contact properties"), ContactImage(0))
{
    setObjectName(QStringLiteral("frmContactProperties"));
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    auto *pages = new QTabWidget;
    pages->addTab(buildGeneralPage(), tr("General"));
    pages->addTab(buildHomePage(), tr("Home"));
    pages->addTab(buildWorkPage(), tr("Work"));
    layout->addWidget(pages);

    QPushButton *btnOK = MakeButton(tr("&OK"), "btnOK");
    QPushButton *btnCancel = MakeButton(tr("&Cancel"), "btnCancel");
    btnOK->setDefault(true);
    auto *box = new QDialogButtonBox;
    box->addButton(btnOK, QDialogButtonBox::AcceptRole);
    box->addButton(btnCancel, QDialogButtonBox::RejectRole);
    layout->addWidget(box);
    connect(btnOK, &QPushButton::clicked, this, &TfrmContactProperties::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QWidget::close);
    setCentralWidget(central);
    ResizeForFont(this, 60, 20);
}

QLineEdit *TfrmContactProperties::addField(QFormLayout *form, const QString &label, K key, const char *objectName)
{
    QLineEdit *edit = AddField(form, label, objectName);
    fFields[static_cast<std::size_t>(key)] = edit;
    return edit;
}

// The button is usable only while its field holds text.
QToolButton *TfrmContactProperties::addFieldWithButton(QFormLayout *form, const QString &label, K key,
                                                       const char *objectName, const char *buttonName,
                                                       const QString &hint)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(objectName));
    fFields[static_cast<std::size_t>(key)] = edit;
    auto *button = new QToolButton;
    button->setObjectName(QLatin1String(buttonName));
    button->setToolTip(hint);
    button->setText(hint);
    button->setIcon(ContactsIcon(key == K::HomePage ? "ravelin-web-page" : "mail-message-new"));
    button->setEnabled(false);
    connect(edit, &QLineEdit::textChanged, button, [button](const QString &text) { button->setEnabled(!text.isEmpty()); });
    auto *row = new QHBoxLayout;
    row->addWidget(edit);
    row->addWidget(button);
    form->addRow(label, row);
    return button;
}

QWidget *TfrmContactProperties::buildGeneralPage()
{
    auto *form = new QFormLayout;
    edtDisplayAs = AddField(form, tr("Display as:"), "edtDisplayAs");
    addField(form, tr("Full name:"), K::FullName, "edtFullName");
    connect(addFieldWithButton(form, tr("E-Mail:"), K::EMail, "edtEMail", "tbSendMail_Main", tr("Send mail")),
            &QToolButton::clicked, this, &TfrmContactProperties::tbSendMail_MainClick);
    connect(addFieldWithButton(form, tr("Secondary E-Mail:"), K::SecEMail, "edtSecEMail", "tbSendMail_Secondary",
                               tr("Send mail")),
            &QToolButton::clicked, this, &TfrmContactProperties::tbSendMail_SecondaryClick);
    connect(addFieldWithButton(form, tr("Home Page:"), K::HomePage, "edtHomePage", "tbOpenHomePage",
                               tr("Visit Home Page")),
            &QToolButton::clicked, this, &TfrmContactProperties::tbOpenHomePageClick);
    return MakePage(tr("Personal information page"), QString(), form);
}

QWidget *TfrmContactProperties::buildHomePage()
{
    return buildPage(tr("Home properties page"),
                     tr("Use this page to fill in the contact's home address, home phone number, ..."),
                     {{QT_TR_NOOP("Home address:"), K::HomeAddress, "edtHomeAddress"},
                      {QT_TR_NOOP("State/Provice:"), K::StateProvince, "edtStateProvince"},
                      {QT_TR_NOOP("Country:"), K::Country, "edtCountry"},
                      {QT_TR_NOOP("Phone #:"), K::PhoneNumber, "edtPhoneNumber"},
                      {QT_TR_NOOP("Fax #:"), K::FaxNumber, "edtFaxNumber"}});
}

QWidget *TfrmContactProperties::buildWorkPage()
{
    return buildPage(tr("Work properties page"),
                     tr("Enter here the contact's company, position, buisness web site, ... ."),
                     {{QT_TR_NOOP("Company:"), K::Company, "edtCompany"},
                      {QT_TR_NOOP("Address:"), K::CompanyAddress, "edtCompanyAddress"},
                      {QT_TR_NOOP("State and country:"), K::CompanyStateCountry, "edtCompanyStateCountry"},
                      {QT_TR_NOOP("Phone #:"), K::CompanyPhoneNumber, "edtCompanyPhoneNumber"},
                      {QT_TR_NOOP("Fax #:"), K::CompanyFaxNumber, "edtCompanyFaxNumber"}});
}

QWidget *TfrmContactProperties::buildPage(const QString &heading, const QString &note,
                                          std::initializer_list<cFieldInfo> fields)
{
    auto *form = new QFormLayout;
    for (const cFieldInfo &info : fields)
        addField(form, tr(info.label), info.key, info.objectName);
    return MakePage(heading, note, form);
}

void TfrmContactProperties::Load(const QString &name)
{
    fName = name;
    edtDisplayAs->setText(name);
    const cContactCard card = cContactStore::ReadContact(name);
    for (std::size_t i = 0; i < kContactKeyCount; ++i)
        fFields[i]->setText(card.values[i]);
}

cContactCard TfrmContactProperties::fieldValues() const
{
    cContactCard card;
    card.name = fName;
    for (std::size_t i = 0; i < kContactKeyCount; ++i)
        card.values[i] = fFields[i]->text();
    return card;
}

void TfrmContactProperties::btnOKClick()
{
    if (const cResult written = cContactStore::WriteContact(fName, fieldValues()); !written) {
        QMessageBox::warning(this, tr("Cannot save contact"), written.text());
        return;
    }
    const QString displayAs = edtDisplayAs->text();
    // A change of case alone is not applied; the window stays open when the new name is refused.
    if (fName.toLower() != displayAs.toLower()) {
        if (!RenameContact(this, fName, displayAs))
            return;
        fName = displayAs;
    }
    close();
}

void TfrmContactProperties::openComposer(const QString &to)
{
    RunStep(WindowSteps().NewMessage, cComposerContent{.to = to, .focus = eComposerField::Subject});
}

void TfrmContactProperties::tbSendMail_MainClick()
{
    openComposer(field(K::EMail)->text());
}

void TfrmContactProperties::tbSendMail_SecondaryClick()
{
    openComposer(field(K::SecEMail)->text());
}

void TfrmContactProperties::tbOpenHomePageClick()
{
    VisitContactHomePage(this, fName, field(K::HomePage)->text());
}
