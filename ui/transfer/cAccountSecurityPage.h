// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the "Security" page both account dialogs share: per server the kind of security, the login
// and a Detect button; the SMTP login's own user and password; whether a password may go out
// unencrypted and whether passwords live in the desktop keyring; and the certificates the user
// chose to trust for this account.
//
// The dialog makes its server name and port fields first and hands them in; the page keeps the
// port in step with the security and fills both when Detect finds a way in. Detect runs the
// probe off the UI thread; the dialog may close while it runs.
//
// Call order: construct, optionally SetServerProbes (tests), Load(account) for an existing
// account, then Problems() and Store(account) on OK.
#include "transfer/cAccount.h"
#include "transfer/cServerProbe.h"
#include "ui/transfer/AccountPorts.h"
#include "ui/transfer/AccountWidgets.h"
#include "ui/transfer/cShownPassword.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

// Finds how the server named host can be reached, trying the typed port first and trusting
// the given certificates; blocking.
using fServerProbe =
    std::function<cProbeResult(const QString &host, const QString &typedPort, const QList<QByteArray> &trusted)>;

// The fields of one server on the dialog's other pages.
struct cServerFields
{
    QLineEdit *host;
    QLineEdit *port;
};

class cAccountSecurityPage : public QWidget
{
    Q_OBJECT
public:
    cAccountSecurityPage(cServerFields pop3, cServerFields smtp, QWidget *parent = nullptr);

    void SetServerProbes(fServerProbe pop3, fServerProbe smtp);
    void Load(const cAccount &account);
    QList<cFieldProblem> Problems() const;
    // Writes the security and login settings into account, leaving its other fields alone.
    void Store(cAccount &account) const;

private:
    // The controls and probe of one server.
    struct cServerRow
    {
        eMailServer server;
        cServerFields fields;
        QComboBox *security = nullptr;
        QPushButton *detect = nullptr;
        QPlainTextEdit *found = nullptr;
        QString detectText;
        fServerProbe probe;
    };

    void addPop3Group(QVBoxLayout *controls);
    void addSmtpGroup(QVBoxLayout *controls);
    // A group with the server's security, Detect and what Detect found; the caller adds the login.
    QFormLayout *addServerGroup(QVBoxLayout *controls, cServerRow &row, const QString &title,
                                const QString &securityLabel, const QStringList &securityNames,
                                const QString &detectText);
    void securityChosen(cServerRow &row);
    void detect(cServerRow &row);
    void startProbe(cServerRow &row, const QString &host, const QString &typedPort);
    void probeFinished(cServerRow &row, const QString &host, const QString &typedPort, const cProbeResult &result);
    // Asks whether to trust the certificate that alone stood in the way; true when now trusted.
    bool offerTrust(const cProbeResult &result);
    void showTrusted();
    void enableOwnSmtpLogin();

    cServerRow fPop3;
    cServerRow fSmtp;
    QList<QByteArray> fTrusted;
    cShownPassword fSmtpPassword;

    QComboBox *cmbPOP3Login;
    QComboBox *cmbSMTPLogin;
    QLineEdit *edtSMTPUserName;
    QLineEdit *edtSMTPPassword;
    QCheckBox *chkAllowPasswordInClear;
    QCheckBox *chkPasswordInKeyring;
    QLabel *lblTrusted;
    QPushButton *btnForgetCertificates;
};
