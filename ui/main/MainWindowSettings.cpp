// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/MainWindowSettings.h"

#include "storage/cOptions.h"
#include "ui/main/MainWindowRules.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// The list's own key: the column widths belong with the other message list sizes.
constexpr cTextOption kMsgListColumns{"mainWnd", "MsgListColumns", ""};
constexpr cIntOption kSortColumn{"MainWnd", "SortColumn", -1};
constexpr cBoolOption kSortDescending{"MainWnd", "SortDescending", false};

} // namespace

cMainWndSettings cMainWndSettings::Designed()
{
    cMainWndSettings designed;
    designed.contactPaneHeight = 170;
    designed.msgListHeight = 240;
    designed.leftPaneWidth = 200;
    designed.geometry = QRect(120, 80, 960, 660);
    designed.msgColumnWidths = {300, 190, kAttachmentColumnWidth, 150};
    return designed;
}

cMainWndSettings cMainWndSettings::Read()
{
    const cMainWndSettings d = Designed();
    cMainWndSettings s;
    s.sbVisible = cOptions::read(Opt::MainWnd_SBVisible);
    s.expandedToolbar = cOptions::read(Opt::MainWnd_ExpandedToolbar);
    s.contactPaneVisible = cOptions::read(Opt::MainWnd_ContactPaneVisible);
    s.contactPaneHeight = cOptions::read(Opt::MainWnd_ContactPaneHeight, d.contactPaneHeight);
    s.maximized = cOptions::read(Opt::MainWnd_Maximized);
    s.msgListHeight = cOptions::read(Opt::MainWnd_MsgListHeight, d.msgListHeight);
    s.leftPaneWidth = cOptions::read(Opt::MainWnd_LeftPaneWidth, d.leftPaneWidth);
    s.geometry = QRect(cOptions::read(Opt::MainWnd_Left, d.geometry.left()),
                       cOptions::read(Opt::MainWnd_Top, d.geometry.top()),
                       cOptions::read(Opt::MainWnd_Width, d.geometry.width()),
                       cOptions::read(Opt::MainWnd_Height, d.geometry.height()));
    s.msgColumnWidths = ParseColumnWidths(cOptions::read(kMsgListColumns), d.msgColumnWidths);
    return s;
}

cResult cMainWndSettings::WriteOnClose() const
{
    const std::function<cResult()> writes[] = {
        [&] { return cOptions::write(Opt::MainWnd_MsgListHeight, msgListHeight); },
        [&] { return cOptions::write(Opt::MainWnd_LeftPaneWidth, leftPaneWidth); },
        [&] { return cOptions::write(Opt::MainWnd_ContactPaneVisible, contactPaneVisible); },
        [&] { return cOptions::write(Opt::MainWnd_ContactPaneHeight, contactPaneHeight); },
        [&] { return cOptions::write(Opt::MainWnd_Height, geometry.height()); },
        [&] { return cOptions::write(Opt::MainWnd_Width, geometry.width()); },
        [&] { return cOptions::write(Opt::MainWnd_Left, geometry.left()); },
        [&] { return cOptions::write(Opt::MainWnd_Top, geometry.top()); },
        [&] { return cOptions::write(Opt::MainWnd_Maximized, maximized); },
        [&] { return cOptions::write(kMsgListColumns, ColumnWidthsText(msgColumnWidths)); },
    };
    // The first failure stops the rest: they would fail on the same file.
    for (const auto &write : writes) {
        if (cResult written = write(); !written)
            return written;
    }
    return cResult::Ok();
}

QString ColumnWidthsText(const QList<int> &widths)
{
    QStringList parts;
    for (int width : widths)
        parts.append(QString::number(width));
    return parts.join(u',');
}

QList<int> ParseColumnWidths(const QString &text, const QList<int> &def)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != def.size())
        return def;
    QList<int> widths;
    for (const QString &part : parts) {
        bool ok = false;
        const int width = part.trimmed().toInt(&ok);
        if (!ok || width < 0)
            return def;
        widths.append(width);
    }
    return widths;
}

cMsgListSort cMsgListSort::Read()
{
    const int column = cOptions::read(kSortColumn);
    return {column >= 0 && column < MsgColumn::Count ? column : -1, cOptions::read(kSortDescending)};
}

cResult cMsgListSort::Write() const
{
    if (cResult written = cOptions::write(kSortColumn, column); !written)
        return written;
    return cOptions::write(kSortDescending, descending);
}
