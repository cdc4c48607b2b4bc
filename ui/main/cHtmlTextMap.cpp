// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cHtmlTextMap.h"

#include "ui/main/cLitehtmlContainer.h"

#include <el_text.h>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

QRect qtRect(const litehtml::position &p)
{
    return QRect(p.x, p.y, p.width, p.height);
}

bool isBlock(litehtml::style_display display)
{
    return display != litehtml::display_inline && display != litehtml::display_inline_block
           && display != litehtml::display_inline_table && display != litehtml::display_inline_text;
}

bool endsLine(const QString &text)
{
    return text.isEmpty() || text.endsWith(u'\n');
}

// How far point is from box: first across lines, then along the line.
std::pair<int, int> distance(const QRect &box, QPoint point)
{
    const int dy = point.y() < box.top() ? box.top() - point.y() : std::max(0, point.y() - box.bottom());
    const int dx = point.x() < box.left() ? box.left() - point.x() : std::max(0, point.x() - box.right());
    return {dy, dx};
}

} // namespace

cHtmlTextMap::cHtmlTextMap(const std::shared_ptr<litehtml::element> &root)
{
    if (root)
        Collect(root);
}

void cHtmlTextMap::Collect(const std::shared_ptr<litehtml::element> &element)
{
    if (!element->is_visible())
        return;
    if (auto *text = dynamic_cast<litehtml::el_text *>(element.get())) {
        litehtml::tstring words;
        text->get_text(words);
        const QRect box = qtRect(element->get_placement());
        const QFontMetrics &metrics = cLitehtmlContainer::MetricsOf(element->get_font());
        if (element->is_white_space())
            Add(box, element->is_break() ? u"\n"_s : u" "_s, metrics);
        else
            Add(box, QString::fromUtf8(words.data(), qsizetype(words.size())), metrics);
        return;
    }
    const bool block = isBlock(element->get_display());
    fBreakPending = fBreakPending || block || element->is_break();
    for (size_t child = 0; child < element->get_children_count(); ++child)
        Collect(element->get_child(int(child)));
    fBreakPending = fBreakPending || block;
}

void cHtmlTextMap::Add(const QRect &box, QString text, const QFontMetrics &metrics)
{
    if (!fRuns.empty() && !endsLine(fText)) {
        const QRect &last = fRuns.back().box;
        if (fBreakPending)
            fText += u'\n';
        else if (!fText.endsWith(u' ') && text != u" "_s && (box.top() > last.bottom() || box.left() > last.right() + 1))
            fText += u' ';
    }
    fBreakPending = false;
    // Spaces the reader cannot tell apart are one; none starts a line.
    if (text == u" "_s && (endsLine(fText) || fText.endsWith(u' ')))
        text.clear();
    else if (text == u"\n"_s && endsLine(fText))
        text.clear();
    fRuns.push_back({box, text, fText.size(), metrics});
    fText += text;
}

int cHtmlTextMap::Advance(const cRun &run, qsizetype length) const
{
    if (length >= run.text.size())
        return run.box.width();
    return run.metrics.horizontalAdvance(run.text.left(length));
}

qsizetype cHtmlTextMap::OffsetAt(QPoint point) const
{
    const cRun *nearest = nullptr;
    std::pair<int, int> best{std::numeric_limits<int>::max(), 0};
    for (const cRun &run : fRuns) {
        if (run.text.isEmpty())
            continue;
        if (const auto d = distance(run.box, point); d < best) {
            best = d;
            nearest = &run;
        }
    }
    if (!nearest)
        return 0;
    // The first letter whose middle is at x or beyond; the middles grow along the word, and a
    // word may be a megabyte long.
    const int x = point.x() - nearest->box.left();
    qsizetype low = 0, high = nearest->text.size();
    while (low < high) {
        const qsizetype letter = low + (high - low) / 2;
        if ((Advance(*nearest, letter) + Advance(*nearest, letter + 1)) / 2 < x)
            low = letter + 1;
        else
            high = letter;
    }
    return nearest->offset + low;
}

QList<QRect> cHtmlTextMap::Rects(qsizetype from, qsizetype to) const
{
    QList<QRect> rects;
    if (from >= to)
        return rects;
    // The runs stand in the order of the text: the first one that ends after from on, and only
    // those that start before to (every paint asks, of a text of a million words).
    auto run = std::partition_point(fRuns.begin(), fRuns.end(),
                                    [from](const cRun &r) { return r.offset + r.text.size() <= from; });
    for (; run != fRuns.end() && run->offset < to; ++run) {
        const qsizetype start = std::max(from, run->offset) - run->offset;
        const qsizetype end = std::min(to, run->offset + run->text.size()) - run->offset;
        if (start >= end)
            continue;
        const int left = start == 0 ? 0 : Advance(*run, start);
        rects.append(QRect(run->box.left() + left, run->box.top(), Advance(*run, end) - left, run->box.height()));
    }
    return rects;
}

int cHtmlTextMap::PageBreak(int top, int y) const
{
    int page = y;
    for (const cRun &run : fRuns) {
        if (run.box.top() > top && run.box.top() < page && run.box.bottom() >= y)
            page = run.box.top();
    }
    return page;
}
