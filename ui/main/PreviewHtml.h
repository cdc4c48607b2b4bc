// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bounds the work a message's HTML can cause before the rich-text engine sees it. That engine
// parses in time that grows with the square of element nesting, and lays a table out again for
// every level of tables around it: 24 nested tables take minutes of the window's time.
//
// BoundedPreviewHtml writes the HTML back with at most kMaxElementNesting open elements and, in
// each outermost table, only as many levels of tables as fit kTableLayoutBudget (at most
// kMaxTableNesting); deeper tables are shown as their text. A table of one cell, which mail uses
// for its layout, is written as a block (with the cell's alignment and plain background colour):
// it looks much the same and costs no level of table layout. Tags are written back whole, end tags
// included, and stray "<" escaped, so the engine reads exactly the structure counted here.
// The content of an element hidden by "display:none" or the hidden attribute is left out, as the
// engine would show it. Scripts are dropped; resources are the document's business
// (PreviewResources.h).
#include <QString>

inline constexpr int kMaxElementNesting = 64;
inline constexpr int kMaxTableNesting = 12;
// In table cells, each weighing 2^(its table depth); about 100 ms of layout on a slow machine.
inline constexpr qint64 kTableLayoutBudget = 8192;

// Block: one-cell tables become blocks, for the rich-text engine; Kept: they stay tables, for an
// engine that lays them out as cheaply as blocks.
enum class eOneCellTables { Block, Kept };

QString BoundedPreviewHtml(const QString &html, eOneCellTables oneCellTables = eOneCellTables::Block);
