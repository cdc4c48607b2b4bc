// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Made-up HTML mail in the shapes real mail takes, for the preview's benchmarks and pictures:
// a newsletter of layout tables and inline styles, a shop receipt, a mailing-list digest and the
// plain HTML a desktop mailer writes. Remote images and a tracking pixel are there as in life.
#include <QString>

using namespace Qt::StringLiterals;

inline QString NewsletterArticle(int index)
{
    return uR"(<tr><td style="padding:16px 24px;border-bottom:1px solid #e5e5e5">
<table width="100%" cellpadding="0" cellspacing="0" role="presentation"><tr>
<td width="180" valign="top"><a href="https://click.news.example/c?u=%1"><img src="https://img.news.example/a%1.jpg" width="160" height="100" alt="Story %1" style="display:block;border:0"></a></td>
<td valign="top" style="font-family:Helvetica,Arial,sans-serif;font-size:14px;line-height:20px;color:#333333">
<h2 style="margin:0 0 8px 0;font-size:18px;color:#111111"><a href="https://click.news.example/c?t=%1" style="color:#0a58ca;text-decoration:none">Story number %1: what changed this week</a></h2>
<p style="margin:0 0 8px 0">Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt ut labore et dolore magna aliqua. Ut enim ad minim veniam, quis nostrud exercitation ullamco laboris nisi ut aliquip ex ea commodo consequat. Duis aute irure dolor in reprehenderit in voluptate velit esse cillum dolore eu fugiat nulla pariatur.</p>
<p style="margin:0 0 8px 0">Excepteur sint occaecat cupidatat non proident, sunt in culpa qui officia deserunt mollit anim id est laborum. Sed ut perspiciatis unde omnis iste natus error sit voluptatem accusantium doloremque laudantium.</p>
<table cellpadding="0" cellspacing="0"><tr><td bgcolor="#0a58ca" style="border-radius:4px;padding:8px 16px"><a href="https://click.news.example/c?b=%1" style="color:#ffffff;font-weight:bold;text-decoration:none">Read more</a></td></tr></table>
</td></tr></table></td></tr>
)"_s.arg(index);
}

// About kilobytes * 1024 characters.
inline QString Newsletter(int kilobytes = 200)
{
    QString html = uR"(<!DOCTYPE html><html><head><meta charset="utf-8"><style>
body{margin:0;background:#f2f2f2} .preheader{display:none!important} a{color:#0a58ca}
@media only screen and (max-width:600px){.col{width:100%!important}}</style></head>
<body><div class="preheader" style="display:none;max-height:0;overflow:hidden">This week: forty stories you missed</div>
<table width="100%" bgcolor="#f2f2f2" cellpadding="0" cellspacing="0"><tr><td align="center">
<table width="640" bgcolor="#ffffff" cellpadding="0" cellspacing="0" style="margin:16px auto">
<tr><td bgcolor="#0a58ca" style="padding:20px 24px;color:#ffffff;font:bold 24px Helvetica,Arial,sans-serif">
<img src="https://img.news.example/logo.png" width="32" height="32" alt=""> The Weekly Example</td></tr>
)"_s;
    for (int index = 1; html.size() < kilobytes * 1024 - 2000; ++index)
        html += NewsletterArticle(index);
    html += uR"(<tr><td style="padding:24px;font:12px Helvetica,Arial,sans-serif;color:#888888" align="center">
You get this because you signed up at news.example. <a href="https://click.news.example/unsubscribe">Unsubscribe</a>
<img src="https://t.news.example/open.gif?id=8f3a" width="1" height="1" alt=""></td></tr>
</table></td></tr></table></body></html>)"_s;
    return html;
}

inline QString Receipt()
{
    QString rows;
    const char *items[][3] = {{"USB-C cable, 2 m", "1", "9.99"}, {"Laptop stand", "1", "34.50"},
                              {"Notebook A5, dotted", "3", "11.85"}, {"Shipping", "", "4.90"}};
    for (const auto &item : items)
        rows += u"<tr><td style=\"padding:6px;border-bottom:1px solid #ddd\">%1</td><td align=\"center\" "
                "style=\"padding:6px;border-bottom:1px solid #ddd\">%2</td><td align=\"right\" "
                "style=\"padding:6px;border-bottom:1px solid #ddd\">&euro; %3</td></tr>"_s
                    .arg(QString::fromUtf8(item[0]), QString::fromUtf8(item[1]), QString::fromUtf8(item[2]));
    return uR"(<html><body style="font-family:Arial,sans-serif;font-size:14px;color:#222">
<table width="600" cellpadding="0" cellspacing="0" align="center"><tr><td style="padding:16px 0">
<img src="https://shop.example/logo.png" width="120" height="40" alt="Shop Example"></td></tr>
<tr><td><h1 style="font-size:20px">Thank you for your order!</h1>
<p>Order <b>#100-4821</b> of 9 December 2026. We will let you know when it ships.</p>
<table width="100%" cellpadding="0" cellspacing="0" style="border-collapse:collapse">
<tr style="background:#f5f5f5"><th align="left" style="padding:6px">Item</th><th style="padding:6px">Qty</th><th align="right" style="padding:6px">Price</th></tr>
%1<tr><td colspan="2" align="right" style="padding:6px"><b>Total</b></td><td align="right" style="padding:6px"><b>&euro; 61.24</b></td></tr></table>
<p style="margin-top:24px"><a href="https://shop.example/orders/100-4821" style="background:#e67e22;color:#fff;padding:10px 18px;text-decoration:none;border-radius:4px">View your order</a></p>
<p style="color:#888;font-size:12px">Shop Example GmbH, Example Street 1, 12345 Example City</p>
</td></tr></table></body></html>)"_s.arg(rows);
}

inline QString Digest()
{
    QString html = u"<html><body><p><b>dev-list Digest, Vol 42, Issue 7</b></p><p>Today's Topics:</p><ol>"_s;
    for (int topic = 1; topic <= 5; ++topic)
        html += u"<li>Re: build fails on arm64 (part %1) (Someone %1)</li>"_s.arg(topic);
    html += u"</ol><hr>"_s;
    for (int message = 1; message <= 5; ++message)
        html += uR"(<p>Message: %1<br>Date: Tue, 8 Dec 2026 1%1:00:00 +0100<br>From: Someone %1 &lt;someone%1@lists.example&gt;<br>
Subject: Re: build fails on arm64</p><blockquote style="border-left:2px solid #ccc;margin:0;padding-left:8px">
On Monday, someone wrote:<br>&gt; The linker says the symbol is undefined.</blockquote>
<p>Did you try a clean build? <a href="https://lists.example/archive/%1">https://lists.example/archive/%1</a></p>
<pre>$ cmake --build build --clean-first</pre><hr>)"_s.arg(message);
    return html + u"<p>_______________________________________________<br>dev-list mailing list</p></body></html>"_s;
}

inline QString DesktopMailerHtml()
{
    return uR"(<html><head><meta http-equiv="content-type" content="text/html; charset=UTF-8"></head>
<body><div dir="ltr">Hi Bob,<div><br></div><div>the minutes of Tuesday's meeting are below. Two points:</div>
<div><ul><li>the <b>budget</b> is <i>approved</i></li><li>next meeting: <u>15 December</u></li></ul></div>
<div>See <a href="https://docs.example/minutes">the shared folder</a>.</div><div><br></div>
<div class="gmail_quote"><div dir="ltr" class="gmail_attr">On Tue, 8 Dec 2026 at 10:02, Ann wrote:<br></div>
<blockquote class="gmail_quote" style="margin:0px 0px 0px 0.8ex;border-left:1px solid rgb(204,204,204);padding-left:1ex">
Can you send the minutes?</blockquote></div>-- <br><div dir="ltr" class="gmail_signature">Carol</div></div></body></html>)"_s;
}
