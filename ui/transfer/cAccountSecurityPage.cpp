// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/cAccountSecurityPage.h"

#include "ui/transfer/AccountFieldChecks.h"
#include "ui/transfer/CertificateTrust.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFutureWatcher>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

using namespace Qt::StringLiterals;

namespace {

// Each candidate port gets this long to answer; a host that is down costs a few of them.
constexpr int kProbeTimeoutMs = 10000;

fServerProbe realProbe(eMailServer server)
{
    if (server == eMailServer::Pop3)
        return [](const QString &host, const QString &typedPort, const QList<QByteArray> &trusted) {
            return cServerProbe::ProbePop3(host, cServerProbe::TypedPortFirst(typedPort, cServerProbe::Pop3Candidates()),
                                           trusted, kProbeTimeoutMs);
        };
    return [](const QString &host, const QString &typedPort, const QList<QByteArray> &trusted) {
        return cServerProbe::ProbeSmtp(host, cServerProbe::TypedPortFirst(typedPort, cServerProbe::SmtpCandidates()),
                                       trusted, kProbeTimeoutMs);
    };
}

// Items in the order of their enumeration, each carrying its value.
QComboBox *makeChoice(const char *objectName, const QStringList &names)
{
    auto *choice = new QComboBox;
    choice->setObjectName(QLatin1String(objectName));
    for (int index = 0; index < names.size(); ++index)
        choice->addItem(names[index], index);
    return choice;
}

void choose(QComboBox *choice, int value)
{
    choice->setCurrentIndex(std::max(0, choice->findData(value)));
}

template<typename E>
E chosen(const QComboBox *choice)
{
    return static_cast<E>(choice->currentData().toInt());
}

// Enter in the dialog stays with its OK button, wherever the focus is on this page.
QPushButton *makeSideButton(const QString &text, const char *objectName)
{
    QPushButton *button = MakeButton(text, objectName);
    button->setAutoDefault(false);
    return button;
}

// A few lines tall and scrolled beyond: the lines of a detection can be many and long.
QPlainTextEdit *makeFoundBox(const char *objectName)
{
    constexpr int kShownLines = 5;
    auto *box = new QPlainTextEdit;
    box->setObjectName(QLatin1String(objectName));
    box->setReadOnly(true);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * kShownLines + 2 * box->frameWidth()
                        + int(2 * box->document()->documentMargin()));
    box->hide();
    return box;
}

QCheckBox *makeCheckBox(const QString &text, const char *objectName)
{
    auto *box = new QCheckBox(text);
    box->setObjectName(QLatin1String(objectName));
    return box;
}

} // namespace

cAccountSecurityPage::cAccountSecurityPage(cServerFields pop3, cServerFields smtp, QWidget *parent)
    : QWidget(parent), fPop3{eMailServer::Pop3, pop3, {}, {}, {}, {}, realProbe(eMailServer::Pop3)},
      fSmtp{eMailServer::Smtp, smtp, {}, {}, {}, {}, realProbe(eMailServer::Smtp)}
{
    auto *controls = new QVBoxLayout;
    addPop3Group(controls);
    addSmtpGroup(controls);
    chkAllowPasswordInClear = makeCheckBox(tr("&Allow sending the password without encryption"), "chkAllowPasswordInClear");
    chkPasswordInKeyring = makeCheckBox(tr("&Keep passwords in the desktop keyring"), "chkPasswordInKeyring");
    controls->addWidget(chkAllowPasswordInClear);
    controls->addWidget(chkPasswordInKeyring);

    lblTrusted = new QLabel;
    btnForgetCertificates = makeSideButton(tr("&Forget trusted certificates"), "btnForgetCertificates");
    connect(btnForgetCertificates, &QPushButton::clicked, this, [this] {
        fTrusted.clear();
        showTrusted();
    });
    auto *trust = new QHBoxLayout;
    trust->addWidget(lblTrusted, 1);
    trust->addWidget(btnForgetCertificates);
    controls->addLayout(trust);
    showTrusted();

    controls->addStretch();
    setLayout(controls);
}

void cAccountSecurityPage::addPop3Group(QVBoxLayout *controls)
{
    QFormLayout *form = addServerGroup(controls, fPop3, tr("Incoming mail (POP3)"), tr("POP3 s&ecurity:"),
                                       {tr("None"), tr("STLS"), tr("TLS on connect")}, tr("&Detect"));
    cmbPOP3Login = makeChoice("cmbPOP3Login", {tr("USER and PASS"), tr("APOP"), tr("SASL (AUTH), when offered")});
    form->addRow(tr("POP3 lo&gin:"), cmbPOP3Login);
}

void cAccountSecurityPage::addSmtpGroup(QVBoxLayout *controls)
{
    QFormLayout *form = addServerGroup(controls, fSmtp, tr("Outgoing mail (SMTP)"), tr("SMTP securit&y:"),
                                       {tr("None"), tr("STARTTLS"), tr("TLS on connect")}, tr("De&tect"));
    cmbSMTPLogin = makeChoice("cmbSMTPLogin", {tr("None"), tr("Same as POP3"), tr("Own user name and password")});
    form->addRow(tr("S&MTP login:"), cmbSMTPLogin);
    edtSMTPUserName = AddField(form, tr("SMTP &user name:"), "edtSMTPUserName");
    edtSMTPPassword = AddPasswordField(form, tr("SMTP pass&word:"), "edtSMTPPassword");
    connect(cmbSMTPLogin, &QComboBox::currentIndexChanged, this, &cAccountSecurityPage::enableOwnSmtpLogin);
    enableOwnSmtpLogin();
}

QFormLayout *cAccountSecurityPage::addServerGroup(QVBoxLayout *controls, cServerRow &row, const QString &title,
                                                  const QString &securityLabel, const QStringList &securityNames,
                                                  const QString &detectText)
{
    const bool pop3 = row.server == eMailServer::Pop3;
    row.security = makeChoice(pop3 ? "cmbPOP3Security" : "cmbSMTPSecurity", securityNames);
    row.detectText = detectText;
    row.detect = makeSideButton(detectText, pop3 ? "btnDetectPOP3" : "btnDetectSMTP");
    row.found = makeFoundBox(pop3 ? "memPOP3Detected" : "memSMTPDetected");
    auto *line = new QHBoxLayout;
    line->addWidget(row.security, 1);
    line->addWidget(row.detect);
    // A layout cannot be a buddy, so the label is given its field by hand.
    auto *label = new QLabel(securityLabel);
    label->setBuddy(row.security);

    auto *group = new QGroupBox(title);
    auto *form = new QFormLayout(group);
    form->addRow(label, line);
    form->addRow(row.found);
    controls->addWidget(group);
    // Only the user's own choice moves the port; loading an account keeps its stored port.
    connect(row.security, &QComboBox::activated, this, [this, &row] { securityChosen(row); });
    connect(row.detect, &QPushButton::clicked, this, [this, &row] { detect(row); });
    return form;
}

void cAccountSecurityPage::SetServerProbes(fServerProbe pop3, fServerProbe smtp)
{
    fPop3.probe = std::move(pop3);
    fSmtp.probe = std::move(smtp);
}

void cAccountSecurityPage::Load(const cAccount &account)
{
    choose(fPop3.security, int(account.pop3Security));
    choose(fSmtp.security, int(account.smtpSecurity));
    choose(cmbPOP3Login, int(account.pop3Login));
    choose(cmbSMTPLogin, int(account.smtpLogin));
    edtSMTPUserName->setText(account.smtpUserId);
    fSmtpPassword.Show(edtSMTPPassword, account.smtpPassword);
    chkAllowPasswordInClear->setChecked(account.allowPasswordInClear);
    chkPasswordInKeyring->setChecked(account.passwordInKeyring);
    fTrusted = account.trustedCertificates;
    showTrusted();
}

QList<cFieldProblem> cAccountSecurityPage::Problems() const
{
    return {{edtSMTPUserName, SmtpUserProblem(chosen<eSmtpLogin>(cmbSMTPLogin), edtSMTPUserName->text())}};
}

void cAccountSecurityPage::Store(cAccount &account) const
{
    account.pop3Security = chosen<eVrxSecurity>(fPop3.security);
    account.smtpSecurity = chosen<eVrxSecurity>(fSmtp.security);
    account.pop3Login = chosen<ePop3Login>(cmbPOP3Login);
    account.smtpLogin = chosen<eSmtpLogin>(cmbSMTPLogin);
    account.smtpUserId = edtSMTPUserName->text();
    account.smtpPassword = fSmtpPassword.Typed(edtSMTPPassword);
    account.allowPasswordInClear = chkAllowPasswordInClear->isChecked();
    account.passwordInKeyring = chkPasswordInKeyring->isChecked();
    account.trustedCertificates = fTrusted;
}

void cAccountSecurityPage::securityChosen(cServerRow &row)
{
    row.fields.port->setText(
        PortAfterSecurityChange(row.server, chosen<eVrxSecurity>(row.security), row.fields.port->text()));
}

void cAccountSecurityPage::detect(cServerRow &row)
{
    const QString host = row.fields.host->text().trimmed();
    const QString problem = row.server == eMailServer::Pop3
                                ? tr("POP3 server: please enter the name of the server to detect its settings.")
                                : tr("SMTP server: please enter the name of the server to detect its settings.");
    if (WarnFirstProblem(this, tr("The server settings could not be detected."),
                         {{row.fields.host, host.isEmpty() ? problem : QString()}}))
        return;
    startProbe(row, host, row.fields.port->text());
}

void cAccountSecurityPage::startProbe(cServerRow &row, const QString &host, const QString &typedPort)
{
    row.detect->setEnabled(false);
    row.detect->setText(tr("Detecting..."));
    // The watcher dies with the page, so a probe that ends after the dialog closed reports to
    // nobody; the probe itself holds only copies.
    auto *watcher = new QFutureWatcher<cProbeResult>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, &row, host, typedPort, watcher] {
        watcher->deleteLater();
        probeFinished(row, host, typedPort, watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(row.probe, host, typedPort, fTrusted));
}

void cAccountSecurityPage::probeFinished(cServerRow &row, const QString &host, const QString &typedPort,
                                         const cProbeResult &result)
{
    row.detect->setEnabled(true);
    row.detect->setText(row.detectText);
    QStringList shown = result.lines;
    if (result.found) {
        choose(row.security, int(result.security));
        row.fields.port->setText(QString::number(result.port));
        if (row.server == eMailServer::Smtp)
            choose(cmbSMTPLogin, int(cServerProbe::SmtpLoginFor(result, chosen<eSmtpLogin>(cmbSMTPLogin))));
        shown.prepend(tr("Found: port %1 with security \"%2\".").arg(result.port).arg(row.security->currentText()));
    } else {
        shown.prepend(tr("No way to reach %1 was found; the settings are unchanged.").arg(host));
    }
    row.found->setPlainText(shown.join(u'\n'));
    row.found->show();
    if (offerTrust(result))
        startProbe(row, host, typedPort);
}

bool cAccountSecurityPage::offerTrust(const cProbeResult &result)
{
    // A certificate already trusted that still fails has another fault; asking again would loop.
    if (result.untrusted.IsEmpty() || fTrusted.contains(result.untrusted.fingerprint) || !AskToTrust(this, result.untrusted))
        return false;
    fTrusted.append(result.untrusted.fingerprint);
    showTrusted();
    return true;
}

void cAccountSecurityPage::showTrusted()
{
    lblTrusted->setText(tr("Certificates trusted for this account: %1").arg(fTrusted.size()));
    btnForgetCertificates->setEnabled(!fTrusted.isEmpty());
}

void cAccountSecurityPage::enableOwnSmtpLogin()
{
    const bool own = chosen<eSmtpLogin>(cmbSMTPLogin) == eSmtpLogin::Own;
    edtSMTPUserName->setEnabled(own);
    edtSMTPPassword->setEnabled(own);
}
