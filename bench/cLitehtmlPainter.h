// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A minimal litehtml document container drawing with QPainter, to measure litehtml against the
// preview (html_compare): fonts, text, list bullets, borders, plain backgrounds and images from
// the message's own cid: parts or data: URLs. Nothing is fetched: remote images and style sheets
// stay unloaded. No selection, links or cursor; the hdc of every draw call is a QPainter*.
#include "ui/main/PreviewResources.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QRect>

#include <litehtml.h>

#include <memory>
#include <vector>

class cLitehtmlPainter : public litehtml::document_container
{
public:
    cLitehtmlPainter(const QFont &defaultFont, int width, cInlinePartLookup inlinePart);
    ~cLitehtmlPainter();

    litehtml::uint_ptr create_font(const char *faceName, int size, int weight, litehtml::font_style italic,
                                   unsigned int decoration, litehtml::font_metrics *fm) override;
    void delete_font(litehtml::uint_ptr hFont) override;
    int text_width(const char *text, litehtml::uint_ptr hFont) override;
    void draw_text(litehtml::uint_ptr hdc, const char *text, litehtml::uint_ptr hFont, litehtml::web_color color,
                   const litehtml::position &pos) override;
    int pt_to_px(int pt) const override;
    int get_default_font_size() const override;
    const char *get_default_font_name() const override;
    void draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker &marker) override;
    void load_image(const char *src, const char *baseurl, bool redraw_on_ready) override;
    void get_image_size(const char *src, const char *baseurl, litehtml::size &sz) override;
    void draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint &bg) override;
    void draw_borders(litehtml::uint_ptr hdc, const litehtml::borders &borders, const litehtml::position &draw_pos,
                      bool root) override;
    void set_caption(const char *) override {}
    void set_base_url(const char *) override {}
    void link(const std::shared_ptr<litehtml::document> &, const litehtml::element::ptr &) override {}
    void on_anchor_click(const char *, const litehtml::element::ptr &) override {}
    void set_cursor(const char *) override {}
    void transform_text(litehtml::tstring &text, litehtml::text_transform tt) override;
    void import_css(litehtml::tstring &, const litehtml::tstring &, litehtml::tstring &) override {}
    void set_clip(const litehtml::position &pos, const litehtml::border_radiuses &, bool, bool) override;
    void del_clip() override;
    void get_client_rect(litehtml::position &client) const override;
    std::shared_ptr<litehtml::element> create_element(const char *, const litehtml::string_map &,
                                                      const std::shared_ptr<litehtml::document> &) override;
    void get_media_features(litehtml::media_features &media) const override;
    void get_language(litehtml::tstring &language, litehtml::tstring &culture) const override;

private:
    // The painter of a draw call, clipped as litehtml last asked.
    QPainter *Prepared(litehtml::uint_ptr hdc) const;
    const QImage *Image(const char *src) const;

    QByteArray fDefaultFamily;
    int fDefaultPixels;
    int fWidth;
    cInlinePartLookup fInlinePart;
    struct cFont
    {
        QFont font;
        QFontMetrics metrics;
    };
    static const cFont &FontOf(litehtml::uint_ptr hFont) { return *reinterpret_cast<const cFont *>(hFont); }

    std::vector<std::unique_ptr<cFont>> fFonts;
    QHash<QByteArray, QImage> fImages;
    std::vector<QRect> fClips;
};
