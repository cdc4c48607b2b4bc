// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cLitehtmlContainer.h"

#include "ui/main/RemoteContent.h"

#include <el_body.h>
#include <el_div.h>
#include <el_para.h>
#include <el_table.h>
#include <el_td.h>
#include <el_tr.h>

#include <QFontInfo>
#include <QPainter>
#include <QTransform>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <cstring>

namespace {

// Mail is laid out for a screen of about this height; only media queries ask.
constexpr int kClientHeight = 1000;
// Words whose width a font keeps: a few megabytes for a message of as many different words.
constexpr qsizetype kMostWidthsKept = 50000;

QColor qtColor(const litehtml::web_color &c)
{
    return QColor(c.red, c.green, c.blue, c.alpha);
}

// The outline of box with its corners rounded by radii; empty when none is.
QPainterPath roundedPath(const QRect &box, const litehtml::border_radiuses &radii)
{
    QPainterPath path;
    const QRectF r(box);
    const auto corner = [](int x, int y) { return QSizeF(std::max(0, x), std::max(0, y)); };
    const QSizeF topLeft = corner(radii.top_left_x, radii.top_left_y);
    const QSizeF topRight = corner(radii.top_right_x, radii.top_right_y);
    const QSizeF bottomRight = corner(radii.bottom_right_x, radii.bottom_right_y);
    const QSizeF bottomLeft = corner(radii.bottom_left_x, radii.bottom_left_y);
    if (topLeft.isEmpty() && topRight.isEmpty() && bottomRight.isEmpty() && bottomLeft.isEmpty())
        return path;
    path.moveTo(r.left() + topLeft.width(), r.top());
    path.arcTo(QRectF(r.right() - 2 * topRight.width(), r.top(), 2 * topRight.width(), 2 * topRight.height()), 90, -90);
    path.arcTo(QRectF(r.right() - 2 * bottomRight.width(), r.bottom() - 2 * bottomRight.height(), 2 * bottomRight.width(),
                      2 * bottomRight.height()),
               0, -90);
    path.arcTo(QRectF(r.left(), r.bottom() - 2 * bottomLeft.height(), 2 * bottomLeft.width(), 2 * bottomLeft.height()), 270,
               -90);
    path.arcTo(QRectF(r.left(), r.top(), 2 * topLeft.width(), 2 * topLeft.height()), 180, -90);
    path.closeSubpath();
    return path;
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

// Roman numbers run from 1 to 3999; others are written in decimal, as browsers do.
QString romanNumber(int number)
{
    if (number < 1 || number > 3999)
        return QString::number(number);
    static const std::pair<int, const char16_t *> kDigits[] = {{1000, u"m"}, {900, u"cm"}, {500, u"d"}, {400, u"cd"},
                                                               {100, u"c"},  {90, u"xc"},  {50, u"l"},  {40, u"xl"},
                                                               {10, u"x"},   {9, u"ix"},   {5, u"v"},   {4, u"iv"},
                                                               {1, u"i"}};
    QString roman;
    for (const auto &[value, digits] : kDigits) {
        for (; number >= value; number -= value)
            roman += QString::fromUtf16(digits);
    }
    return roman;
}

// Letters from 1 (a) on; others in decimal.
QString alphaNumber(int number)
{
    if (number < 1)
        return QString::number(number);
    QString letters;
    for (; number > 0; number = (number - 1) / 26)
        letters.prepend(QChar(u'a' + (number - 1) % 26));
    return letters;
}

// Where a repeated background goes: along its row, its column, or over the whole box.
QRect tiledArea(litehtml::background_repeat repeat, const QRect &clip, const QRect &target)
{
    if (repeat == litehtml::background_repeat_repeat_x)
        return QRect(clip.left(), target.top(), clip.width(), target.height());
    if (repeat == litehtml::background_repeat_repeat_y)
        return QRect(target.left(), clip.top(), target.width(), clip.height());
    return clip;
}

void borderSide(QPainter &painter, const litehtml::border &border, const QRect &area)
{
    if (border.width <= 0 || border.style <= litehtml::border_style_hidden || area.isEmpty())
        return;
    if (border.style != litehtml::border_style_dotted && border.style != litehtml::border_style_dashed)
        return painter.fillRect(area, qtColor(border.color));
    // Drawn along the middle of the side, as thick as the side.
    QPen pen(qtColor(border.color), border.width);
    pen.setStyle(border.style == litehtml::border_style_dotted ? Qt::DotLine : Qt::DashLine);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const QPointF centre = QRectF(area).center();
    if (area.width() >= area.height())
        painter.drawLine(QPointF(area.left(), centre.y()), QPointF(area.right() + 1, centre.y()));
    else
        painter.drawLine(QPointF(centre.x(), area.top()), QPointF(centre.x(), area.bottom() + 1));
}

// An element of litehtml's class tBase that skips drawing what it holds when that lies outside
// the draw's clip, by where the container measured it drawn (MeasureDrawing). The content of an
// element is drawn relative to the place litehtml passes, which moves with the document only.
template <class tBase>
class cDrawnInSight final : public tBase
{
public:
    cDrawnInSight(const std::shared_ptr<litehtml::document> &document, cLitehtmlContainer &container)
        : tBase(document), fContainer(container)
    {
    }

    void draw_children(litehtml::uint_ptr hdc, int x, int y, const litehtml::position *clip, litehtml::draw_flag flag,
                       int zindex) override
    {
        if (fContainer.Measuring()) {
            if (fMeasure != fContainer.Measure()) {
                fMeasure = fContainer.Measure();
                fDrawn = QRect();
            }
            fContainer.BeginMeasured();
            tBase::draw_children(hdc, x, y, clip, flag, zindex);
            fDrawn |= fContainer.EndMeasured().translated(-x, -y);
            return;
        }
        if (clip && fMeasure == fContainer.Measure() && fContainer.SkipsOutOfSight()
            && !fDrawn.translated(x, y).intersects(QRect(clip->x, clip->y, clip->width, clip->height)))
            return fContainer.Skip();
        tBase::draw_children(hdc, x, y, clip, flag, zindex);
    }

private:
    cLitehtmlContainer &fContainer;
    QRect fDrawn; // all drawn of what it holds, at the place of the draw that measured it
    int fMeasure = -1;
};

bool hasFixedElement(const litehtml::element::ptr &element)
{
    if (element->get_element_position() == litehtml::element_position_fixed)
        return true;
    for (size_t child = 0; child < element->get_children_count(); ++child) {
        if (hasFixedElement(element->get_child(int(child))))
            return true;
    }
    return false;
}

} // namespace

QString ListNumber(litehtml::list_style_type type, int index)
{
    switch (type) {
    case litehtml::list_style_type_lower_alpha:
    case litehtml::list_style_type_lower_latin: return alphaNumber(index);
    case litehtml::list_style_type_upper_alpha:
    case litehtml::list_style_type_upper_latin: return alphaNumber(index).toUpper();
    case litehtml::list_style_type_lower_roman: return romanNumber(index);
    case litehtml::list_style_type_upper_roman: return romanNumber(index).toUpper();
    default: return QString::number(index);
    }
}

cLitehtmlContainer::cLitehtmlContainer(const QFont &defaultFont, cInlinePartLookup inlinePart,
                                       cRemoteImageLookup remoteImage)
    : fDefaultFamily(defaultFont.family().toUtf8()),
      fDefaultPixels(QFontInfo(defaultFont).pixelSize()),
      fInlinePart(std::move(inlinePart)),
      fRemoteImage(std::move(remoteImage))
{
}

cLitehtmlContainer::~cLitehtmlContainer() = default;

litehtml::uint_ptr cLitehtmlContainer::create_font(const char *faceName, int size, int weight, litehtml::font_style italic,
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
    fFonts.push_back(std::make_unique<cFont>(cFont{font, metrics, {}}));
    return reinterpret_cast<litehtml::uint_ptr>(fFonts.back().get());
}

void cLitehtmlContainer::delete_font(litehtml::uint_ptr hFont)
{
    std::erase_if(fFonts, [hFont](const auto &font) { return reinterpret_cast<litehtml::uint_ptr>(font.get()) == hFont; });
}

int cLitehtmlContainer::text_width(const char *text, litehtml::uint_ptr hFont)
{
    // Words come again and again (each space between them is one), and shaping a word was a
    // third of showing a newsletter.
    cFont &font = FontOf(hFont);
    if (const auto known = font.widths.constFind(QByteArray::fromRawData(text, qstrlen(text)));
        known != font.widths.cend())
        return *known;
    const int width = font.metrics.horizontalAdvance(QString::fromUtf8(text));
    if (font.widths.size() < kMostWidthsKept)
        font.widths.insert(QByteArray(text), width);
    return width;
}

void cLitehtmlContainer::draw_text(litehtml::uint_ptr hdc, const char *text, litehtml::uint_ptr hFont,
                                 litehtml::web_color color, const litehtml::position &pos)
{
    const cFont &font = FontOf(hFont);
    // Letters reach above and below their line and beside their advance.
    const int reach = font.metrics.height();
    if (Measured(qtRect(pos).adjusted(-reach, -reach, reach, reach + font.metrics.height())))
        return;
    QPainter *painter = Prepared(hdc);
    painter->setFont(font.font);
    painter->setPen(qtColor(color));
    painter->drawText(pos.x, pos.y + font.metrics.ascent(), QString::fromUtf8(text));
}

int cLitehtmlContainer::pt_to_px(int pt) const
{
    return pt * 96 / 72;
}

int cLitehtmlContainer::get_default_font_size() const
{
    return fDefaultPixels;
}

const char *cLitehtmlContainer::get_default_font_name() const
{
    return fDefaultFamily.constData();
}

void cLitehtmlContainer::draw_list_marker(litehtml::uint_ptr hdc, const litehtml::list_marker &marker)
{
    if (marker.marker_type == litehtml::list_style_type_none)
        return;
    const QRect box = qtRect(marker.pos);
    if (Measured(box.adjusted(-100, -20, 0, 20)))
        return;
    QPainter *painter = Prepared(hdc);
    painter->setPen(Qt::NoPen);
    painter->setBrush(qtColor(marker.color));
    if (marker.marker_type == litehtml::list_style_type_square)
        painter->drawRect(box);
    else if (marker.marker_type == litehtml::list_style_type_disc)
        painter->drawEllipse(box);
    else if (marker.marker_type == litehtml::list_style_type_circle) {
        painter->setPen(qtColor(marker.color));
        painter->setBrush(Qt::NoBrush);
        painter->drawEllipse(box.adjusted(0, 0, -1, -1));
    } else {
        // A numbered item: its number ends at the marker's box.
        painter->setPen(qtColor(marker.color));
        if (marker.font)
            painter->setFont(FontOf(marker.font).font);
        painter->drawText(QRect(box.right() - 100, box.top() - 20, 100, box.height() + 40),
                          Qt::AlignRight | Qt::AlignVCenter, ListNumber(marker.marker_type, marker.index) + u'.');
    }
    painter->setBrush(Qt::NoBrush);
}

void cLitehtmlContainer::load_image(const char *src, const char *, bool)
{
    const QByteArray key(src);
    if (fImages.contains(key))
        return;
    const QImage image = Loaded(QUrl(QString::fromUtf8(src).trimmed()));
    if (!image.isNull() && image != RefusedImage())
        fImages.insert(key, image);
}

QImage cLitehtmlContainer::Loaded(const QUrl &url) const
{
    if (fRemoteImage && IsFetchableImageUrl(url))
        return fRemoteImage(url);
    return PreviewResource(QTextDocument::ImageResource, url, fInlinePart).value<QImage>();
}

const QImage *cLitehtmlContainer::Image(const char *src) const
{
    const auto found = fImages.constFind(QByteArray(src));
    return found == fImages.cend() ? nullptr : &found.value();
}

void cLitehtmlContainer::get_image_size(const char *src, const char *, litehtml::size &sz)
{
    const QImage *image = Image(src);
    sz.width = image ? image->width() : 0;
    sz.height = image ? image->height() : 0;
}

void cLitehtmlContainer::draw_background(litehtml::uint_ptr hdc, const litehtml::background_paint &bg)
{
    const QRect clip = qtRect(bg.clip_box);
    if (Measured(clip | qtRect(bg.border_box)))
        return;
    QPainter *painter = Prepared(hdc);
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
    if (target.isEmpty())
        return;
    painter->save();
    painter->setClipRect(clip, Qt::IntersectClip);
    if (bg.repeat == litehtml::background_repeat_no_repeat) {
        painter->drawImage(target, *image);
    } else {
        // The image as a brush scaled to its size, not a scaled copy: a message may ask for a
        // tile of any size.
        QBrush tiles(*image);
        tiles.setTransform(QTransform::fromTranslate(target.x(), target.y())
                               .scale(qreal(target.width()) / image->width(), qreal(target.height()) / image->height()));
        painter->fillRect(tiledArea(bg.repeat, clip, target), tiles);
    }
    painter->restore();
}

void cLitehtmlContainer::draw_borders(litehtml::uint_ptr hdc, const litehtml::borders &borders,
                                      const litehtml::position &draw_pos, bool)
{
    const QRect box = qtRect(draw_pos);
    const int top = borders.top.width, bottom = borders.bottom.width;
    const int left = borders.left.width, right = borders.right.width;
    const QRect topSide(box.left(), box.top(), box.width(), top);
    const QRect bottomSide(box.left(), box.bottom() + 1 - bottom, box.width(), bottom);
    const QRect leftSide(box.left(), box.top(), left, box.height());
    const QRect rightSide(box.right() + 1 - right, box.top(), right, box.height());
    if (Measured(box | topSide | bottomSide | leftSide | rightSide))
        return;
    QPainter *painter = Prepared(hdc);
    borderSide(*painter, borders.top, topSide);
    borderSide(*painter, borders.bottom, bottomSide);
    borderSide(*painter, borders.left, leftSide);
    borderSide(*painter, borders.right, rightSide);
}

void cLitehtmlContainer::transform_text(litehtml::tstring &text, litehtml::text_transform tt)
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

void cLitehtmlContainer::set_clip(const litehtml::position &pos, const litehtml::border_radiuses &radii, bool, bool)
{
    fClips.push_back({qtRect(pos), roundedPath(qtRect(pos), radii)});
}

void cLitehtmlContainer::del_clip()
{
    if (!fClips.empty())
        fClips.pop_back();
}

QPainter *cLitehtmlContainer::Prepared(litehtml::uint_ptr hdc) const
{
    auto *painter = reinterpret_cast<QPainter *>(hdc);
    QRect clip = fClips.empty() ? fPageClip : fClips.back().rect;
    if (!fClips.empty() && !fPageClip.isEmpty())
        clip &= fPageClip;
    if (clip.isNull())
        painter->setClipping(false);
    else
        painter->setClipRect(clip);
    if (!fClips.empty() && !fClips.back().rounded.isEmpty())
        painter->setClipPath(fClips.back().rounded, Qt::IntersectClip);
    return painter;
}

void cLitehtmlContainer::ForgetDrawing()
{
    ++fMeasure;
    fSkipsOutOfSight = false;
}

void cLitehtmlContainer::MeasureDrawing(litehtml::document &document)
{
    ++fMeasure;
    fSkipsOutOfSight = document.root() && !hasFixedElement(document.root());
    fSkipped = 0;
    fMeasuring = true;
    fMeasured.clear();
    BeginMeasured();
    // Without a clip litehtml draws everything.
    document.draw(0, 0, 0, nullptr);
    fMeasured.clear();
    fMeasuring = false;
}

QRect cLitehtmlContainer::EndMeasured()
{
    if (fMeasured.empty())
        return {};
    const QRect drawn = fMeasured.back();
    fMeasured.pop_back();
    if (!fMeasured.empty())
        fMeasured.back() |= drawn;
    return drawn;
}

bool cLitehtmlContainer::Measured(const QRect &area)
{
    if (!fMeasuring)
        return false;
    if (!fMeasured.empty() && !area.isEmpty())
        fMeasured.back() |= area;
    return true;
}

void cLitehtmlContainer::get_client_rect(litehtml::position &client) const
{
    client = litehtml::position(0, 0, fWidth, kClientHeight);
}

std::shared_ptr<litehtml::element> cLitehtmlContainer::create_element(const char *tag, const litehtml::string_map &,
                                                                    const std::shared_ptr<litehtml::document> &document)
{
    // As litehtml 0.6 makes them (document::create_element), drawn only in sight; the tags it
    // has other classes for it makes itself.
    const auto is = [tag](const char *name) { return std::strcmp(tag, name) == 0; };
    if (is("div"))
        return std::make_shared<cDrawnInSight<litehtml::el_div>>(document, *this);
    if (is("p"))
        return std::make_shared<cDrawnInSight<litehtml::el_para>>(document, *this);
    if (is("table"))
        return std::make_shared<cDrawnInSight<litehtml::el_table>>(document, *this);
    if (is("td") || is("th"))
        return std::make_shared<cDrawnInSight<litehtml::el_td>>(document, *this);
    if (is("tr"))
        return std::make_shared<cDrawnInSight<litehtml::el_tr>>(document, *this);
    if (is("body"))
        return std::make_shared<cDrawnInSight<litehtml::el_body>>(document, *this);
    for (const char *own : {"br", "img", "link", "title", "a", "style", "base", "script", "font", "li"}) {
        if (is(own))
            return nullptr;
    }
    return std::make_shared<cDrawnInSight<litehtml::html_tag>>(document, *this);
}

void cLitehtmlContainer::get_media_features(litehtml::media_features &media) const
{
    media.type = litehtml::media_type_screen;
    media.width = media.device_width = fWidth;
    media.height = media.device_height = kClientHeight;
    media.color = 8;
    media.monochrome = 0;
    media.color_index = 256;
    media.resolution = 96;
}

void cLitehtmlContainer::get_language(litehtml::tstring &language, litehtml::tstring &culture) const
{
    language = "en";
    culture.clear();
}
