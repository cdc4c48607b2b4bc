#include "ui/main/MainIcons.h"

#include <QApplication>
#include <QMimeDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <functional>

// Every drawing is made on a 32 x 32 canvas and scaled to each size the icon offers.
namespace {

using Drawing = std::function<void(QPainter &)>;

const QColor kPaper(0xfb, 0xf3, 0xd5);
const QColor kPaperEdge(0x8c, 0x7a, 0x45);
const QColor kFolder(0xf2, 0xc1, 0x4e);
const QColor kFolderFront(0xf7, 0xd4, 0x7a);
const QColor kFolderEdge(0xa8, 0x78, 0x22);
const QColor kBlue(0x2f, 0x6f, 0xce);
const QColor kGreen(0x2e, 0x96, 0x3a);
const QColor kRed(0xd2, 0x3c, 0x3c);
const QColor kOrange(0xe8, 0x83, 0x1c);
const QColor kGrey(0x6c, 0x72, 0x7b);
const QColor kLightGrey(0xc9, 0xcd, 0xd3);

QIcon drawn(const Drawing &drawing)
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 32.0, size / 32.0);
        drawing(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon themed(const char *name, const Drawing &drawing)
{
    return QIcon::fromTheme(QLatin1String(name), drawn(drawing));
}

QPen edge(const QColor &color, qreal width = 1.5)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void closedEnvelope(QPainter &p, const QRectF &r = QRectF(3, 8, 26, 18))
{
    p.setPen(edge(kPaperEdge));
    p.setBrush(kPaper);
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{QPointF(r.left() + 1, r.top() + 1), QPointF(r.center().x(), r.top() + r.height() * 0.58),
                             QPointF(r.right() - 1, r.top() + 1)});
}

void openEnvelope(QPainter &p)
{
    p.setPen(edge(kPaperEdge));
    p.setBrush(kPaper.darker(112));
    p.drawPolygon(QPolygonF{QPointF(3, 14), QPointF(16, 4), QPointF(29, 14)});
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 8, 16, 12));
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF{QPointF(3, 14), QPointF(16, 22), QPointF(29, 14), QPointF(29, 28), QPointF(3, 28)});
    p.drawLine(QPointF(3, 28), QPointF(13, 20));
    p.drawLine(QPointF(29, 28), QPointF(19, 20));
}

void folder(QPainter &p)
{
    p.setPen(edge(kFolderEdge));
    p.setBrush(kFolder);
    p.drawPolygon(QPolygonF{QPointF(3, 7), QPointF(12, 7), QPointF(14.5, 10), QPointF(29, 10), QPointF(29, 27),
                            QPointF(3, 27)});
    p.setBrush(kFolderFront);
    p.drawRoundedRect(QRectF(3, 13, 26, 14), 1, 1);
}

void disc(QPainter &p, const QPointF &centre, qreal radius, const QColor &color)
{
    p.setPen(edge(Qt::white, 1.5));
    p.setBrush(color);
    p.drawEllipse(centre, radius, radius);
}

void arrow(QPainter &p, const QPointF &tip, qreal direction, const QColor &color)
{
    // direction: +1 points down, -1 points up.
    const qreal d = direction;
    p.setPen(edge(Qt::white, 1.2));
    p.setBrush(color);
    p.drawPolygon(QPolygonF{tip, QPointF(tip.x() - 7, tip.y() - d * 7), QPointF(tip.x() - 3, tip.y() - d * 7),
                            QPointF(tip.x() - 3, tip.y() - d * 14), QPointF(tip.x() + 3, tip.y() - d * 14),
                            QPointF(tip.x() + 3, tip.y() - d * 7), QPointF(tip.x() + 7, tip.y() - d * 7)});
}

void checkMark(QPainter &p)
{
    disc(p, QPointF(23, 22), 8, kGreen);
    p.setPen(edge(Qt::white, 2.5));
    p.drawPolyline(QPolygonF{QPointF(19, 22), QPointF(22, 25.5), QPointF(27, 18.5)});
}

void pencil(QPainter &p)
{
    p.save();
    p.translate(22, 20);
    p.rotate(45);
    p.setPen(edge(kGrey, 1.2));
    p.setBrush(kOrange);
    p.drawRect(QRectF(-3, -11, 6, 15));
    p.setBrush(kPaper);
    p.drawPolygon(QPolygonF{QPointF(-3, 4), QPointF(3, 4), QPointF(0, 9)});
    p.setBrush(kRed);
    p.drawRect(QRectF(-3, -13, 6, 3));
    p.restore();
}

void trashCan(QPainter &p, bool sparkle)
{
    p.setPen(edge(kGrey));
    p.setBrush(kLightGrey);
    p.drawPolygon(QPolygonF{QPointF(8, 10), QPointF(24, 10), QPointF(22, 29), QPointF(10, 29)});
    p.drawRoundedRect(QRectF(6, 6, 20, 4), 1, 1);
    p.drawRect(QRectF(13, 3, 6, 3));
    for (qreal x : {12.5, 16.0, 19.5})
        p.drawLine(QPointF(x, 13), QPointF(x, 26));
    if (!sparkle)
        return;
    p.setPen(edge(kBlue, 1.8));
    p.drawLine(QPointF(27, 13), QPointF(27, 21));
    p.drawLine(QPointF(23, 17), QPointF(31, 17));
}

void person(QPainter &p, const QPointF &at, qreal scale, const QColor &color)
{
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    p.setPen(edge(color.darker(140), 1.2));
    p.setBrush(color);
    p.drawEllipse(QPointF(0, -6), 4.5, 4.5);
    QPainterPath shoulders;
    shoulders.moveTo(-8, 8);
    shoulders.cubicTo(-8, -1, 8, -1, 8, 8);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    p.restore();
}

void book(QPainter &p)
{
    p.setPen(edge(QColor(0x5a, 0x34, 0x18)));
    p.setBrush(QColor(0x9a, 0x5b, 0x2e));
    p.drawRoundedRect(QRectF(6, 3, 21, 26), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(24, 5, 3, 22));
    p.setPen(edge(QColor(0x5a, 0x34, 0x18), 2));
    p.drawLine(QPointF(9, 4), QPointF(9, 28));
    person(p, QPointF(17, 17), 0.7, kPaper);
}

void windowFrame(QPainter &p, const QRectF &r)
{
    p.setPen(edge(kGrey));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setBrush(kBlue);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), 4));
}

void cross(QPainter &p)
{
    p.setPen(QPen(kRed, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(24, 24));
    p.drawLine(QPointF(24, 8), QPointF(8, 24));
}

void replyArrow(QPainter &p)
{
    closedEnvelope(p, QRectF(9, 12, 21, 15));
    QPainterPath path;
    path.moveTo(22, 11);
    path.cubicTo(20, 4, 12, 4, 9, 8);
    p.setPen(QPen(QColor(0x7b, 0x3f, 0xb5), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7b, 0x3f, 0xb5));
    p.drawPolygon(QPolygonF{QPointF(2, 10), QPointF(11, 3), QPointF(12, 13)});
}

void plusBadge(QPainter &p)
{
    disc(p, QPointF(24, 24), 7, kGreen);
    p.setPen(edge(Qt::white, 2.5));
    p.drawLine(QPointF(20.5, 24), QPointF(27.5, 24));
    p.drawLine(QPointF(24, 20.5), QPointF(24, 27.5));
}

void globeBadge(QPainter &p)
{
    disc(p, QPointF(24, 23), 7.5, kBlue);
    p.setPen(edge(Qt::white, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(24, 23), 3.2, 6.5);
    p.drawLine(QPointF(17, 23), QPointF(31, 23));
}

void infoDisc(QPainter &p)
{
    disc(p, QPointF(16, 16), 12, kBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 10), 2.2, 2.2);
    p.drawRoundedRect(QRectF(14, 14, 4, 10), 1.5, 1.5);
}

void paperclip(QPainter &p)
{
    QPainterPath clip;
    clip.moveTo(20, 11);
    clip.lineTo(20, 23);
    clip.cubicTo(20, 29, 11, 29, 11, 23);
    clip.lineTo(11, 8);
    clip.cubicTo(11, 2, 24, 2, 24, 8);
    clip.lineTo(24, 22);
    p.setPen(QPen(kGrey, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(clip);
}

} // namespace

QIcon FolderIcon(int index)
{
    switch (index) {
    case FolderImage::Inbox:
        return drawn([](QPainter &p) { folder(p); arrow(p, QPointF(23, 29), 1, kBlue); });
    case FolderImage::Unsent:
        return drawn([](QPainter &p) { folder(p); arrow(p, QPointF(23, 14), -1, kOrange); });
    case FolderImage::SentItems:
        return drawn([](QPainter &p) { folder(p); checkMark(p); });
    case FolderImage::Unfinished:
        return drawn([](QPainter &p) { folder(p); pencil(p); });
    case FolderImage::Trash:
        return themed("user-trash", [](QPainter &p) { trashCan(p, false); });
    default:
        return themed("folder", folder);
    }
}

QIcon MessageIcon(int index)
{
    switch (index) {
    case MsgImage::Plain:
        return themed("mail-read", openEnvelope);
    case MsgImage::Status:
        return themed("dialog-information", infoDisc);
    case MsgImage::Html:
        return drawn([](QPainter &p) { openEnvelope(p); globeBadge(p); });
    case MsgImage::Unread:
        return themed("mail-unread", [](QPainter &p) { closedEnvelope(p); });
    default:
        return {};
    }
}

QIcon TrayIcon(int index)
{
    if (index == TrayImage::NewMail)
        return drawn([](QPainter &p) { closedEnvelope(p); disc(p, QPointF(25, 9), 6, kRed); });
    return ProgramIcon();
}

QIcon CommandIcon(eCommandImage command)
{
    switch (command) {
    case eCommandImage::NewMessage:
        return themed("mail-message-new", [](QPainter &p) { closedEnvelope(p); plusBadge(p); });
    case eCommandImage::Reply:
        return themed("mail-reply-sender", replyArrow);
    case eCommandImage::Delete:
        return themed("edit-delete", cross);
    case eCommandImage::Receive:
        return themed("mail-receive", [](QPainter &p) {
            closedEnvelope(p, QRectF(3, 12, 26, 17));
            arrow(p, QPointF(23, 17), 1, kBlue);
        });
    case eCommandImage::Accounts:
        return themed("system-users", [](QPainter &p) {
            person(p, QPointF(12, 18), 1.0, kBlue.lighter(130));
            person(p, QPointF(21, 21), 1.0, kGreen.lighter(130));
        });
    case eCommandImage::AddressBook:
        return themed("x-office-address-book", book);
    case eCommandImage::Windows:
        return drawn([](QPainter &p) {
            windowFrame(p, QRectF(3, 4, 18, 15));
            windowFrame(p, QRectF(11, 13, 18, 15));
        });
    case eCommandImage::EmptyTrash:
        return themed("user-trash-full", [](QPainter &p) { trashCan(p, true); });
    }
    return {};
}

QIcon AttachmentIcon()
{
    return themed("mail-attachment", paperclip);
}

QIcon ProgramIcon()
{
    return drawn([](QPainter &p) { closedEnvelope(p); });
}

QIcon FileTypeIcon(const QString &path)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    const QIcon generic = QIcon::fromTheme(type.genericIconName(), QApplication::style()->standardIcon(QStyle::SP_FileIcon));
    return QIcon::fromTheme(type.iconName(), generic);
}
