// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bounds the work a message's HTML can cause before an engine sees it: litehtml in the view, and
// the rich-text engine that renders it as text for "Prefer plain text". Element nesting costs
// them time that grows with its square, and each level of tables a layout of all inside it.
//
// BoundedPreviewHtml writes the HTML back with at most kMaxElementNesting open elements (beyond
// kDeepNesting, kDeepElements in all) and, in each outermost table, only as many levels of
// tables as fit kTableLayoutBudget (at most kMaxTableNesting); deeper tables are shown as their
// text. Tags are written back whole, end tags included, and stray "<" escaped, so the engine
// reads exactly the structure counted here. The content of an element hidden by "display:none"
// or the hidden attribute is left out, as the engine would show it. A list starts at a number
// within kMaxListStart. Scripts are dropped; resources are the engine's business
// (PreviewResources.h).
#include <QString>

inline constexpr int kMaxElementNesting = 64;
// litehtml works out the style of each element from all those around it, so a run of elements
// deep down costs it their number times their depth: 15,000 at 64 levels took 360 ms to read.
// Beyond kDeepNesting levels, which no mail of the corpus reaches, only kDeepElements elements
// are opened in all.
inline constexpr int kDeepNesting = 40;
inline constexpr int kDeepElements = 2000;
inline constexpr int kMaxTableNesting = 12;
inline constexpr int kMaxListStart = 99999;
// litehtml lays out every cell of a table three times (to learn its least and its widest width,
// then at its width), so a cell costs 3^(its table depth) layouts of what it holds; reading the
// cell costs about as much as 16 layouts of a short one (on the two-core build machine, a table
// of 5,000 short cells takes 81 ms to read and lay out, ten tables nested in each other 86 ms).
constexpr qint64 TableLayouts(int depth)
{
    return depth <= 0 ? 1 : 3 * TableLayouts(depth - 1);
}
constexpr qint64 TableCellWeight(int depth)
{
    return TableLayouts(depth) + 16;
}
// In table cells, each of its weight: about 100 ms of layout on a slow machine. Nine tables
// nested in each other fit, ten do not, nor do 3,200 cells; designed mail asks under a third.
inline constexpr qint64 kTableLayoutBudget = TableLayouts(10);

QString BoundedPreviewHtml(const QString &html);
