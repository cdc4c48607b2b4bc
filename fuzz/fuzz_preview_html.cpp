// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the preview's HTML bounder, to the count of its remote items and,
// bounded, to litehtml through cHtmlLayout: read, laid out, drawn and its text mapped, as the
// view shows it (PreviewHtmlInput.h). None may crash or hang, and what the bounder writes back
// grows by a bounded factor at most. An input it finds goes to tests/ui/data/fuzz-inputs/,
// which test_fuzz_inputs feeds the same way in every test run.
#include "fuzz/PreviewHtmlInput.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// fontconfig keeps what it read of the fonts for as long as the process runs.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Fonts and painting want a QGuiApplication; no display is needed or used.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "fuzz_preview_html";
    static char *argv[] = {name, nullptr};
    static QGuiApplication *application = new QGuiApplication(argc, argv);
    (void)application;
    // What Qt says of odd fonts and images would fill the log and cost more than the input.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Qt empties its font cache on a timer: without events it would grow with every font size
    // an input names.
    QCoreApplication::processEvents();
    if (FeedPreviewHtml(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size))))
        __builtin_trap();
    return 0;
}
