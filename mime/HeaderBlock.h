#pragma once
// Mail whose header block runs straight into the text, without the blank line between them,
// would have its first text lines read as broken header fields and dropped. The blank line is
// put back before the first line that cannot be a header field.
#include <QByteArray>

QByteArray WithHeaderEnd(const QByteArray &raw);
