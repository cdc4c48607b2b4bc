// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the preview's HTML bounder and to the count of its remote items. Neither
// may crash or hang, and what the bounder writes back grows by a bounded factor at most (escapes,
// end tags, a row for a lone cell).
#include "ui/main/PreviewHtml.h"
#include "ui/main/RemoteContent.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString html = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (BoundedPreviewHtml(html).size() > 8 * html.size() + 64)
        __builtin_trap();
    (void)RemoteReferences(html);
    return 0;
}
