// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bounds the work a message's HTML can cause before an engine sees it: litehtml in the view, and
// the rich-text engine that renders it as text for "Prefer plain text". Element nesting costs
// them time that grows with its square, and each level of tables a layout of all inside it.
//
// BoundedPreviewHtml writes the HTML back with at most kMaxElementNesting open elements and, in
// each outermost table, only as many levels of tables as fit kTableLayoutBudget (at most
// kMaxTableNesting); deeper tables are shown as their text. Tags are written back whole, end tags
// included, and stray "<" escaped, so the engine reads exactly the structure counted here.
// The content of an element hidden by "display:none" or the hidden attribute is left out, as the
// engine would show it. Scripts are dropped; resources are the engine's business
// (PreviewResources.h).
#include <QString>

inline constexpr int kMaxElementNesting = 64;
inline constexpr int kMaxTableNesting = 12;
// In table cells, each weighing 2^(its table depth); about 100 ms of layout on a slow machine.
inline constexpr qint64 kTableLayoutBudget = 8192;

QString BoundedPreviewHtml(const QString &html);
