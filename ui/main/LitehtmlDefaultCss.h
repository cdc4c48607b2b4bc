// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The user agent style sheet litehtml needs before it can lay out anything (the library ships
// none): the usual defaults for HTML elements, after the sample sheet of CSS 2.1. Of the grids
// that a table's border attribute asks for, only border="1", the one mail uses, is drawn. A
// <pre wrap>, in which Thunderbird quotes the mail it answers, wraps its lines as in Firefox.
inline constexpr const char *kLitehtmlDefaultCss = R"(
html, address, blockquote, body, dd, div, dl, dt, fieldset, form, frame, frameset, h1, h2, h3, h4, h5, h6,
noframes, ol, p, ul, center, dir, hr, menu, pre, header, footer, section, article, nav, main, aside, figure
{ display: block }
li { display: list-item }
head, style, script, title, meta, link, base { display: none }
table { display: table; border-collapse: separate; border-spacing: 2px }
tr { display: table-row }
thead { display: table-header-group }
tbody { display: table-row-group }
tfoot { display: table-footer-group }
col { display: table-column }
colgroup { display: table-column-group }
td, th { display: table-cell; vertical-align: inherit; padding: 1px }
caption { display: table-caption; text-align: center }
table[border="1"] { border-style: outset; border-color: gray }
table[border="1"] > tbody > tr > td, table[border="1"] > tbody > tr > th, table[border="1"] > tr > td, table[border="1"] > tr > th
{ border: 1px inset gray }
thead, tbody, tfoot, tr { vertical-align: middle }
th { font-weight: bold; text-align: center }
img { display: inline-block }
body { margin: 8px; display: block }
h1 { font-size: 2em; margin: .67em 0 }
h2 { font-size: 1.5em; margin: .75em 0 }
h3 { font-size: 1.17em; margin: .83em 0 }
h4, p, blockquote, ul, fieldset, form, ol, dl, dir, menu { margin: 1.12em 0 }
h5 { font-size: .83em; margin: 1.5em 0 }
h6 { font-size: .75em; margin: 1.67em 0 }
h1, h2, h3, h4, h5, h6, b, strong { font-weight: bold }
blockquote { margin-left: 40px; margin-right: 40px }
i, cite, em, var, address { font-style: italic }
pre, tt, code, kbd, samp { font-family: monospace }
pre { white-space: pre }
pre[wrap] { white-space: pre-wrap }
big { font-size: 1.17em }
small, sub, sup { font-size: .83em }
sub { vertical-align: sub }
sup { vertical-align: super }
s, strike, del { text-decoration: line-through }
hr { border: 1px inset; margin: 0.5em 0 }
ol, ul, dir, menu, dd { margin-left: 40px }
ol { list-style-type: decimal }
ul { list-style-type: disc }
ol ul, ul ol, ul ul, ol ol { margin-top: 0; margin-bottom: 0 }
u, ins { text-decoration: underline }
a { color: #0000ee; text-decoration: underline }
center { text-align: center }
br { display: block }
)";
