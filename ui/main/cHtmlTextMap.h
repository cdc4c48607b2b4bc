// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of a laid-out litehtml document as one string, and where each part of it stands on
// the page: what selection, copy and find work on (litehtml itself has none of them). Words,
// spaces and line breaks are taken in document order from the visible elements; blocks, table
// cells and <br> are separated by "\n", a wrapped line or words standing apart by a space.
// Positions are in document pixels. Made again whenever the document is laid out again.
#include <QFontMetrics>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>
#include <vector>

namespace litehtml {
class element;
}

class cHtmlTextMap
{
public:
    cHtmlTextMap() = default;
    explicit cHtmlTextMap(const std::shared_ptr<litehtml::element> &root);

    const QString &Text() const { return fText; }
    // How many words, spaces and breaks the text is made of.
    qsizetype RunCount() const { return qsizetype(fRuns.size()); }
    // The place in Text() nearest to point: within a word, to the nearer side of a letter.
    qsizetype OffsetAt(QPoint point) const;
    // The boxes the text from..to covers, one per word or part of a word.
    QList<QRect> Rects(qsizetype from, qsizetype to) const;
    // Where a page that would end at y ends instead so that no line of text is cut: the top of
    // the highest line crossing y below top, or y when none does.
    int PageBreak(int top, int y) const;

private:
    struct cRun
    {
        QRect box;
        QString text; // as it stands in fText
        qsizetype offset;
        QFontMetrics metrics;
    };
    void Collect(const std::shared_ptr<litehtml::element> &element);
    void Add(const QRect &box, QString text, const QFontMetrics &metrics);
    int Advance(const cRun &run, qsizetype length) const;

    QString fText;
    std::vector<cRun> fRuns;
    bool fBreakPending = false; // a block ended or began since the last run
};
