// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/PrintedMessage.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

std::unique_ptr<QTextDocument> PrintedMessage(const QString &headerHtml, QTextDocument &shown)
{
    // A child of the shown document: QTextDocument hands a child's resource requests to it and
    // never goes to the file system for them.
    auto printed = std::make_unique<QTextDocument>(&shown);
    printed->setDefaultFont(shown.defaultFont());
    printed->setDefaultStyleSheet(shown.defaultStyleSheet());
    QTextCursor cursor(printed.get());
    if (!headerHtml.isEmpty()) {
        cursor.insertHtml(headerHtml);
        cursor.insertBlock();
        cursor.insertHtml(QStringLiteral("<hr>"));
        cursor.insertBlock();
    }
    cursor.insertFragment(QTextDocumentFragment(&shown));
    return printed;
}
