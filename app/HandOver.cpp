// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HandOver.h"

#include "app/cSingleInstance.h"
#include "storage/SettingsPaths.h"
#include "storage/cIniFile.h"
#include "ui/main/unitMain.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace {

const QString kSection = u"Info"_s;

} // namespace

cResult WriteHandOverFile(const cNewMessageRequest &request)
{
    cIniFile file(TempInfoFilePath());
    if (file.writeString(kSection, "To", request.to) && file.writeString(kSection, "Subject", request.subject))
        return cResult::Ok();
    return cResult::Failed(eFailure::FileSystem, file.errorString());
}

QByteArray HandOverMessage(const cNewMessageRequest &request)
{
    const QJsonObject extra{{u"cc"_s, request.cc}, {u"bcc"_s, request.bcc}, {u"body"_s, request.body}};
    return QJsonDocument(extra).toJson(QJsonDocument::Compact);
}

cNewMessageRequest ReadHandOver(const QByteArray &message)
{
    const cIniFile file(TempInfoFilePath());
    const QJsonObject extra = QJsonDocument::fromJson(message).object();
    cNewMessageRequest request;
    request.to = file.readString(kSection, "To");
    request.subject = file.readString(kSection, "Subject");
    request.cc = extra.value(u"cc"_s).toString();
    request.bcc = extra.value(u"bcc"_s).toString();
    request.body = extra.value(u"body"_s).toString();
    return request;
}

cResult HandOver(const cSingleInstance &instance, const cNewMessageRequest &request)
{
    if (cResult written = WriteHandOverFile(request); !written)
        return written;
    if (request.isBlank())
        return cResult::Ok();
    return instance.Send(HandOverMessage(request));
}

void WireHandOver(cSingleInstance &instance, TfrmMain &frmMain)
{
    QObject::connect(&instance, &cSingleInstance::MessageReceived, &frmMain, [&frmMain](const QByteArray &message) {
        frmMain.setWindowState((frmMain.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        frmMain.show();
        frmMain.raise();
        frmMain.activateWindow();
        frmMain.RequestNewMessageWindow(ReadHandOver(message));
    });
}
