#pragma once
// What the signature dialogs share: the list of signatures in store order (an icon and the
// name per entry) and a signature's text as one string for an editor.
#include <QString>

class QListWidget;

// The first entry comes selected.
void FillSignatureList(QListWidget *list);
// Empty when the name or its file is missing.
QString SignatureText(const QString &name);
