// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What litehtml asks of the program to lay out and draw a message's HTML, answered with QPainter:
// fonts, text, list markers, borders, backgrounds and images. Images come by the preview's rules
// only: cid: and data: through PreviewResource, web images through the remote lookup when the
// reader allowed them (none is given otherwise), and nothing else. Style sheets a message links
// or imports are never loaded. The hdc of every draw call is a QPainter*.
//
// Made before the document it serves and destroyed after it; its width is the one the document
// is laid out at.
//
// litehtml visits every element of the document for every draw, in sight or not. The blocks,
// tables, cells and the other elements litehtml has no class of its own for are made by this
// container as elements that know where all they hold is drawn (MeasureDrawing) and skip
// drawing it when that is outside the draw's clip.
#include "ui/main/PreviewResources.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainterPath>
#include <QRect>

#include <litehtml.h>

#include <memory>
#include <vector>

// The number of a list item as its list style writes it (decimal where no other is known).
QString ListNumber(litehtml::list_style_type type, int index);

class cLitehtmlContainer final : public litehtml::document_container
{
public:
    cLitehtmlContainer(const QFont &defaultFont, cInlinePartLookup inlinePart, cRemoteImageLookup remoteImage = {});
    ~cLitehtmlContainer();

    // The width media queries and the client area see; the document is rendered at it.
    void SetWidth(int width) { fWidth = width; }
    // Nothing is drawn outside area (empty: no bound), as on a printed page.
    void SetPageClip(const QRect &area) { fPageClip = area; }
    // The metrics of a font this container made, for measuring text the document holds.
    static const QFontMetrics &MetricsOf(litehtml::uint_ptr hFont) { return FontOf(hFont).metrics; }
    // The image loaded for an address the document names; null when none was.
    const QImage *Image(const char *src) const;
    // Draws the document laid out without painting, to learn where the content of each of its
    // elements made here is drawn; ForgetDrawing when it is laid out again. Until measured,
    // everything is drawn.
    void MeasureDrawing(litehtml::document &document);
    void ForgetDrawing();

    // For the elements made here: whether the document is drawn to measure it, which measure is
    // the last, and whether what is out of sight may be skipped (not with fixed elements,
    // which are drawn where the window is, not the document).
    bool Measuring() const { return fMeasuring; }
    int Measure() const { return fMeasure; }
    bool SkipsOutOfSight() const { return fSkipsOutOfSight; }
    // How many elements' content was skipped as out of sight since the last measure.
    qsizetype Skipped() const { return fSkipped; }
    void Skip() { ++fSkipped; }
    // The bounds of what is drawn from Begin to End, which may nest.
    void BeginMeasured() { fMeasured.push_back(QRect()); }
    QRect EndMeasured();

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
    // Links are the view's business: it finds them under the mouse itself.
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
    struct cFont
    {
        QFont font;
        QFontMetrics metrics;
        // Widths of the words measured, the same every time they come; only a cache.
        QHash<QByteArray, int> widths;
    };
    static cFont &FontOf(litehtml::uint_ptr hFont) { return *reinterpret_cast<cFont *>(hFont); }

    // The painter of a draw call, clipped as litehtml last asked.
    QPainter *Prepared(litehtml::uint_ptr hdc) const;
    // While measuring: counts area as drawn and says so.
    bool Measured(const QRect &area);
    QImage Loaded(const QUrl &url) const;

    QByteArray fDefaultFamily;
    int fDefaultPixels;
    int fWidth = 800;
    cInlinePartLookup fInlinePart;
    cRemoteImageLookup fRemoteImage;
    std::vector<std::unique_ptr<cFont>> fFonts;
    QHash<QByteArray, QImage> fImages;
    // What litehtml asked to clip to, innermost last: a rectangle, its corners rounded when
    // rounded is not empty.
    struct cClip
    {
        QRect rect;
        QPainterPath rounded;
    };
    std::vector<cClip> fClips;
    QRect fPageClip;
    bool fMeasuring = false;
    int fMeasure = 0;
    bool fSkipsOutOfSight = false;
    qsizetype fSkipped = 0;
    std::vector<QRect> fMeasured;
};
