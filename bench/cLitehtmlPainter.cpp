// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/cLitehtmlPainter.h"

#include <QFontInfo>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace {

QColor qtColor(const litehtml::web_color &c)
{
    return QColor(c.red, c.green, c.blue, c.alpha);
}

QRect qtRect(const litehtml::position &p)
{
    return QRect(p.x, p.y, p.width, p.height);
}

QStringList families(const char *faceName)
{
    QStringList names;
    for (QString name : QString::fromUtf8(faceName).split(u',', Qt::SkipEmptyParts)) {
        name = name.trimmed();
        name.remove(u'"').remove(u'\'');
        names.append(name);
    }
    return names;
}

} // namespace

cLitehtmlPainter::cLitehtmlPainter(const QFont &defaultFont, int width, cInlinePartLookup inlinePart)
    : fDefaultFamily(defaultFont.family().toUtf8()),
      fDefaultPixels(QFontInfo(defaultFont).pixelSize()),
      fWidth(width),
      fInlinePart(std::move(inlinePart))
{
}

cLitehtmlPainter::~cLitehtmlPainter() = default;

litehtml::uint_ptr cLitehtmlPainter::create_font(const char *faceName, int size, int weight, litehtml::font_style italic,
                                                 unsigned int decoration, litehtml::font_metrics *fm)
{
    QFont font;
    QStringList names = families(faceName);
    names.append(QString::fromUtf8(fDefaultFamily));
    font.setFamilies(names);
    font.setPixelSize(std::max(1, size));
    font.setWeight(QFont::Weight(std::clamp(weight, 100, 900)));
    font.setItalic(italic == litehtml::fontStyleItalic);
    font.setUnderline(decoration & litehtml::font_decoration_underline);
    font.setStrikeOut(decoration & litehtml::font_decoration_linethrough);
    font.setOverline(decoration & litehtml::font_decoration_overline);
    const QFontMetrics metrics(font);
    if (fm) {
        fm->ascent = metrics.ascent();
        fm->descent = metrics.descent();
        fm->height = metrics.height();
        fm->x_height = metrics.xHeight();
        fm->draw_spaces = italic == litehtml::fontStyleItalic || decoration != 0;
    }
    fFonts.push_back(std::make_unique<cFont>(cFont{font, metrics}));
    return reinterpret_cast<litehtml::uint_ptr>(fFonts.back().get());
}

void cLitehtmlPainter::delete_font(litehtml::uint_ptr hFont)
{
    std::erase_if(fFonts, [hFont](const auto &font) { return reinterpret_cast<litehtml::uint_ptr>(font.get()) == hFont; });
}

int cLitehtmlPainter::text_width(const char *text, litehtml::uint_ptr hFont)
{
    return FontOf(hFont).metrics.horizontalAdvance(QString::fromUtf8(text));
}

void cLitehtmlPainter::draw_text(litehtml::uint_ptr hdc, const char *text, litehtml::uint_ptr hFont,
                                 litehtml::web_color color, const litehtml::position &pos)
{
    QPainter *painter = Prepared(hdc);
    const cFont &font = FontOf(hFont);
    painter->setFont(font.font);
    painter->setPen(qtColor(color));
    painter->drawText(pos.x, pos.y + font.metrics.ascent(), QString::fromUtf8(text));
}

int cLitehtmlPainter::pt_to_px(int pt) const
{
    return pt * 96 / 72;
}

int cLitehtmlPainter::get_default_font_size() const
{
    return fDefaultPixels;
}

const char *cLitehtmlPainter::get_default_font_name() const
{
    return fDefaultFamily.constData();
}

void cLitehtmlPainter::draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker &marker)
{
    if (marker.marker_type == litehtml::list_style_type_none)
        return;
    QPainter *painter = Prepared(hdc);
    const QRect box = qtRect(marker.pos);
    painter->setPen(Qt::NoPen);
    painter->setBrush(qtColor(marker.color));
    if (marker.marker_type == litehtml::list_style_type_square)
        painter->drawRect(box);
    else if (marker.marker_type == litehtml::list_style_type_circle || marker.marker_type == litehtml::list_style_type_disc)
        painter->drawEllipse(box);
    else {
        // Any numbered style is drawn as a decimal number ending at the marker's box.
        painter->setPen(qtColor(marker.color));
        if (marker.font)
            painter->setFont(FontOf(marker.font).font);
        const QString number = QString::number(marker.index) + u'.';
        painter->drawText(QRect(box.right() - 60, box.top() - 20, 60, box.height() + 40),
                          Qt::AlignRight | Qt::AlignVCenter, number);
    }
    painter->setBrush(Qt::NoBrush);
}

void cLitehtmlPainter::load_image(const char *src, const char *, bool)
{
    const QByteArray key(src);
    if (fImages.contains(key))
        return;
    // The preview's own rules: cid: and data: within their caps; anything else is not loaded.
    const QImage image =
        PreviewResource(QTextDocument::ImageResource, QUrl(QString::fromUtf8(src).trimmed()), fInlinePart).value<QImage>();
    if (!image.isNull() && image != RefusedImage())
        fImages.insert(key, image);
}

const QImage *cLitehtmlPainter::Image(const char *src) const
{
    const auto found = fImages.constFind(QByteArray(src));
    return found == fImages.cend() ? nullptr : &found.value();
}

void cLitehtmlPainter::get_image_size(const char *src, const char *, litehtml::size &sz)
{
    const QImage *image = Image(src);
    sz.width = image ? image->width() : 0;
    sz.height = image ? image->height() : 0;
}

void cLitehtmlPainter::draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint &bg)
{
    QPainter *painter = Prepared(hdc);
    const QRect clip = qtRect(bg.clip_box);
    if (bg.color.alpha) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(qtColor(bg.color));
        const int radius = bg.border_radius.top_left_x;
        if (radius > 0)
            painter->drawRoundedRect(clip, radius, radius);
        else
            painter->drawRect(clip);
        painter->setBrush(Qt::NoBrush);
    }
    const QImage *image = bg.image.empty() ? nullptr : Image(bg.image.c_str());
    if (!image || image->isNull())
        return;
    // An <img> is drawn as the background of its own box, at its laid-out size.
    const QRect target(bg.position_x, bg.position_y, bg.image_size.width, bg.image_size.height);
    painter->save();
    painter->setClipRect(clip, Qt::IntersectClip);
    if (bg.repeat == litehtml::background_repeat_no_repeat)
        painter->drawImage(target, *image);
    else
        painter->drawTiledPixmap(clip, QPixmap::fromImage(image->scaled(target.size())), target.topLeft() - clip.topLeft());
    painter->restore();
}

void cLitehtmlPainter::draw_borders(litehtml::uint_ptr hdc, const litehtml::borders &borders,
                                    const litehtml::position &draw_pos, bool)
{
    QPainter *painter = Prepared(hdc);
    const QRect box = qtRect(draw_pos);
    const auto side = [painter](const litehtml::border &border, const QRect &area) {
        if (border.width > 0 && border.style > litehtml::border_style_hidden)
            painter->fillRect(area, qtColor(border.color));
    };
    side(borders.top, QRect(box.left(), box.top(), box.width(), borders.top.width));
    side(borders.bottom, QRect(box.left(), box.bottom() + 1 - borders.bottom.width, box.width(), borders.bottom.width));
    side(borders.left, QRect(box.left(), box.top(), borders.left.width, box.height()));
    side(borders.right, QRect(box.right() + 1 - borders.right.width, box.top(), borders.right.width, box.height()));
}

void cLitehtmlPainter::transform_text(litehtml::tstring &text, litehtml::text_transform tt)
{
    QString changed = QString::fromStdString(text);
    if (tt == litehtml::text_transform_uppercase)
        changed = changed.toUpper();
    else if (tt == litehtml::text_transform_lowercase)
        changed = changed.toLower();
    else if (tt == litehtml::text_transform_capitalize && !changed.isEmpty())
        changed[0] = changed[0].toUpper();
    text = changed.toStdString();
}

void cLitehtmlPainter::set_clip(const litehtml::position &pos, const litehtml::border_radiuses &, bool, bool)
{
    fClips.push_back(qtRect(pos));
}

void cLitehtmlPainter::del_clip()
{
    if (!fClips.empty())
        fClips.pop_back();
}

QPainter *cLitehtmlPainter::Prepared(litehtml::uint_ptr hdc) const
{
    auto *painter = reinterpret_cast<QPainter *>(hdc);
    if (fClips.empty())
        painter->setClipping(false);
    else
        painter->setClipRect(fClips.back());
    return painter;
}

void cLitehtmlPainter::get_client_rect(litehtml::position &client) const
{
    client = litehtml::position(0, 0, fWidth, 1000);
}

std::shared_ptr<litehtml::element> cLitehtmlPainter::create_element(const char *, const litehtml::string_map &,
                                                                    const std::shared_ptr<litehtml::document> &)
{
    return nullptr;
}

void cLitehtmlPainter::get_media_features(litehtml::media_features &media) const
{
    media.type = litehtml::media_type_screen;
    media.width = media.device_width = fWidth;
    media.height = media.device_height = 1000;
    media.color = 8;
    media.monochrome = 0;
    media.color_index = 256;
    media.resolution = 96;
}

void cLitehtmlPainter::get_language(litehtml::tstring &language, litehtml::tstring &culture) const
{
    language = "en";
    culture.clear();
}
