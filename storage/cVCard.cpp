// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cVCard.h"

#include "storage/AtomicFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <cctype>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cVCard)
};

using K = eContactKey;

// One unfolded content line (RFC 6350 section 3.3): name, parameters and the raw value.
struct cProperty
{
    QByteArray name;        // upper case, group dropped
    QList<QByteArray> types; // lower case, from TYPE= and bare parameters
    QByteArray value;        // UTF-8
};

// A version 2.1 value in quoted-printable, whose "=" at a line end joins the next line.
bool isQuotedPrintable(const QByteArray &line)
{
    const qsizetype colon = line.indexOf(':');
    return colon > 0 && line.left(colon).toUpper().contains("QUOTED-PRINTABLE");
}

// Physical lines joined where a line starts with a blank or tab (section 3.2), and where a
// quoted-printable value ends in a soft line break.
QList<QByteArray> unfoldedLines(const QByteArray &data)
{
    QList<QByteArray> lines;
    bool softBreak = false;
    for (QByteArray line : data.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (softBreak) {
            lines.last().chop(1);
            lines.last() += line;
        } else if (!lines.isEmpty() && (line.startsWith(' ') || line.startsWith('\t')))
            lines.last() += line.mid(1);
        else if (!line.isEmpty())
            lines.append(line);
        softBreak = !lines.isEmpty() && lines.last().endsWith('=') && isQuotedPrintable(lines.last());
    }
    if (!lines.isEmpty() && lines.first().startsWith("\xEF\xBB\xBF"))
        lines.first().remove(0, 3);
    return lines;
}

// A lone CR or another control character cannot be kept in the one-line contacts file.
bool hasControlCharacter(const QByteArray &line)
{
    return std::any_of(line.begin(), line.end(), [](char c) { return (uchar(c) < 0x20 && c != '\t') || c == 0x7f; });
}

// The parameter list split at ";" outside double quotes, up to the ":" that starts the value.
bool splitContentLine(const QByteArray &line, QList<QByteArray> *parts, QByteArray *value)
{
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line.at(i);
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == ';' || c == ':')) {
            parts->append(line.mid(start, i - start));
            start = i + 1;
            if (c == ':') {
                *value = line.mid(i + 1);
                return !parts->first().trimmed().isEmpty();
            }
        }
    }
    return false;
}

void addTypes(const QByteArray &list, QList<QByteArray> *types)
{
    for (const QByteArray &type : list.split(','))
        types->append(type.trimmed().toLower());
}

int hexDigit(char c)
{
    const char upper = char(std::toupper(static_cast<unsigned char>(c)));
    if (upper >= '0' && upper <= '9')
        return upper - '0';
    return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

// "=XX" becomes its octet; an "=" that starts no such pair stays as it is.
QByteArray quotedPrintableDecoded(const QByteArray &value)
{
    QByteArray out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const int high = value.at(i) == '=' && i + 2 < value.size() ? hexDigit(value.at(i + 1)) : -1;
        const int low = high >= 0 ? hexDigit(value.at(i + 2)) : -1;
        if (low >= 0) {
            out += char(high * 16 + low);
            i += 2;
        } else {
            out += value.at(i);
        }
    }
    return out;
}

// Decoded octets may hold line breaks and other control characters: a break is kept as the
// one the values know (LF), anything else becomes a blank.
QByteArray withoutControls(QByteArray text)
{
    text.replace("\r\n", "\n");
    for (char &c : text)
        if ((uchar(c) < 0x20 && c != '\n') || c == 0x7f)
            c = ' ';
    return text;
}

// A version 2.1 value in its own encoding and character set, as UTF-8.
QByteArray decodedValue(const QByteArray &value, bool quotedPrintable, const QByteArray &charset)
{
    QByteArray octets = quotedPrintable ? quotedPrintableDecoded(value) : value;
    if (!charset.isEmpty()) {
        QStringDecoder decoder(charset.constData());
        if (decoder.isValid())
            octets = QString(decoder.decode(octets)).toUtf8();
    }
    return withoutControls(octets);
}

bool parseProperty(const QByteArray &line, cProperty *property)
{
    QList<QByteArray> parts;
    QByteArray value;
    if (!splitContentLine(line, &parts, &value))
        return false;
    QByteArray name = parts.takeFirst().trimmed().toUpper();
    property->name = name.mid(name.lastIndexOf('.') + 1);
    bool quotedPrintable = false;
    QByteArray charset;
    for (const QByteArray &parameter : parts) {
        const qsizetype eq = parameter.indexOf('=');
        QByteArray values = parameter.mid(eq + 1);
        values.replace('"', QByteArray());
        const QByteArray key = parameter.left(eq).trimmed().toUpper();
        if (eq < 0 || key == "TYPE")
            addTypes(values, &property->types);
        else if (key == "ENCODING")
            quotedPrintable = values.trimmed().compare("QUOTED-PRINTABLE", Qt::CaseInsensitive) == 0;
        else if (key == "CHARSET")
            charset = values.trimmed();
    }
    quotedPrintable = quotedPrintable || property->types.contains("quoted-printable");
    property->value = decodedValue(value, quotedPrintable, charset);
    return true;
}

// The value split at unescaped ";" (structured values), each part unescaped.
QStringList components(const QByteArray &value)
{
    QStringList parts;
    QString current;
    const QString text = QString::fromUtf8(value);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\' && i + 1 < text.size()) {
            const QChar next = text.at(++i);
            current += (next == u'n' || next == u'N') ? QChar(u'\n') : next;
        } else if (c == u';') {
            parts.append(current);
            current.clear();
        } else {
            current += c;
        }
    }
    parts.append(current);
    return parts;
}

// The contacts file keeps one line per value.
QString oneLine(const QString &text)
{
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.join(u", ");
}

QString joinedNonEmpty(const QStringList &parts, const QString &separator)
{
    QStringList kept;
    for (const QString &part : parts)
        if (!oneLine(part).isEmpty())
            kept.append(oneLine(part));
    return kept.join(separator);
}

QString textValue(const QByteArray &value)
{
    return oneLine(components(value).join(u';'));
}

// What a card gives while it is read; the first value of each kind counts.
class cCardBuilder
{
public:
    void take(const cProperty &p)
    {
        if (p.name == "FN")
            setOnce(fFormattedName, textValue(p.value));
        else if (p.name == "N")
            takeName(components(p.value));
        else if (p.name == "EMAIL")
            takeEmail(textValue(p.value));
        else if (p.name == "URL")
            setOnce(K::HomePage, textValue(p.value));
        else if (p.name == "ORG")
            setOnce(K::Company, joinedNonEmpty(components(p.value), QStringLiteral(", ")));
        else if (p.name == "ADR")
            takeAddress(components(p.value), p.types.contains("work"));
        else if (p.name == "TEL")
            takePhone(textValue(p.value), p.types);
    }

    // False when the card names nobody.
    bool finish(cContactCard *card)
    {
        fCard.name = cContactStore::StorableName(fFormattedName.isEmpty() ? fCard[K::FullName] : fFormattedName);
        *card = fCard;
        return !fCard.name.isEmpty();
    }

private:
    static void setOnce(QString &field, const QString &value)
    {
        if (field.isEmpty())
            field = value;
    }
    void setOnce(K key, const QString &value) { setOnce(fCard[key], value); }

    // Family; Given; Additional; Prefixes; Suffixes
    void takeName(const QStringList &n)
    {
        setOnce(K::FullName, joinedNonEmpty({n.value(3), n.value(1), n.value(2), n.value(0), n.value(4)},
                                            QStringLiteral(" ")));
    }

    void takeEmail(const QString &address)
    {
        if (address.isEmpty())
            return;
        if (fCard[K::EMail].isEmpty())
            fCard[K::EMail] = address;
        else
            setOnce(K::SecEMail, address);
    }

    // PO box; extended; street; locality; region; postal code; country
    void takeAddress(const QStringList &adr, bool work)
    {
        const QString street = joinedNonEmpty({adr.value(0), adr.value(1), adr.value(2), adr.value(3), adr.value(5)},
                                              QStringLiteral(", "));
        if (work) {
            setOnce(K::CompanyAddress, street);
            setOnce(K::CompanyStateCountry, joinedNonEmpty({adr.value(4), adr.value(6)}, QStringLiteral(", ")));
            return;
        }
        setOnce(K::HomeAddress, street);
        setOnce(K::StateProvince, oneLine(adr.value(4)));
        setOnce(K::Country, oneLine(adr.value(6)));
    }

    void takePhone(QString number, const QList<QByteArray> &types)
    {
        if (number.startsWith(QStringLiteral("tel:"), Qt::CaseInsensitive))
            number.remove(0, 4);
        const bool work = types.contains("work");
        const bool fax = types.contains("fax");
        if (work)
            setOnce(fax ? K::CompanyFaxNumber : K::CompanyPhoneNumber, number);
        else
            setOnce(fax ? K::FaxNumber : K::PhoneNumber, number);
    }

    cContactCard fCard;
    QString fFormattedName;
};

bool isCardMark(const QByteArray &line, const char *mark)
{
    const qsizetype colon = line.indexOf(':');
    return colon > 0 && line.left(colon).trimmed().compare(mark, Qt::CaseInsensitive) == 0
        && line.mid(colon + 1).trimmed().compare("VCARD", Qt::CaseInsensitive) == 0;
}

// --- writing ---

QByteArray escaped(const QString &text)
{
    QByteArray out;
    for (const char c : text.toUtf8()) {
        if (c == '\\' || c == ',' || c == ';')
            out += '\\';
        out += c == '\n' ? QByteArrayLiteral("\\n") : QByteArray(1, c);
    }
    return out;
}

// Lines longer than 75 octets continue after CR LF and a blank, never inside a UTF-8 sequence.
QByteArray folded(const QByteArray &line)
{
    constexpr qsizetype kLimit = 75;
    QByteArray out;
    qsizetype start = 0;
    qsizetype room = kLimit;
    while (line.size() - start > room) {
        qsizetype cut = start + room;
        while (cut > start + 1 && (static_cast<unsigned char>(line.at(cut)) & 0xC0) == 0x80)
            --cut;
        out += line.mid(start, cut - start) + "\r\n ";
        start = cut;
        room = kLimit - 1;
    }
    return out + line.mid(start) + "\r\n";
}

class cCardWriter
{
public:
    explicit cCardWriter(eVCardVersion version) : fVersion(version) {}

    QByteArray write(const cContactCard &card)
    {
        fOut.clear();
        line("BEGIN:VCARD");
        line(fVersion == eVCardVersion::V4 ? "VERSION:4.0" : "VERSION:3.0");
        line("FN:" + escaped(card.name));
        line("N:" + structuredName(card[K::FullName]));
        const QByteArray emailType = fVersion == eVCardVersion::V3 ? ";TYPE=INTERNET" : "";
        property("EMAIL" + emailType, card[K::EMail]);
        property("EMAIL" + emailType, card[K::SecEMail]);
        property("URL", card[K::HomePage]);
        address("home", card[K::HomeAddress], card[K::StateProvince], card[K::Country]);
        property("TEL;TYPE=home,voice", card[K::PhoneNumber]);
        property("TEL;TYPE=home,fax", card[K::FaxNumber]);
        property("ORG", card[K::Company]);
        address("work", card[K::CompanyAddress], card[K::CompanyStateCountry], {});
        property("TEL;TYPE=work,voice", card[K::CompanyPhoneNumber]);
        property("TEL;TYPE=work,fax", card[K::CompanyFaxNumber]);
        line("END:VCARD");
        return fOut;
    }

private:
    void line(const QByteArray &text) { fOut += folded(text); }

    void property(const QByteArray &head, const QString &value)
    {
        if (!value.isEmpty())
            line(head + ':' + escaped(value));
    }

    void address(const char *type, const QString &street, const QString &region, const QString &country)
    {
        if (!street.isEmpty() || !region.isEmpty() || !country.isEmpty())
            line(QByteArrayLiteral("ADR;TYPE=") + type + ":;;" + escaped(street) + ";;" + escaped(region) + ";;"
                 + escaped(country));
    }

    // The last word is taken for the family name, the rest for the given names.
    static QByteArray structuredName(const QString &fullName)
    {
        const QString name = fullName.trimmed();
        const qsizetype blank = name.lastIndexOf(u' ');
        return escaped(name.mid(blank + 1)) + ';' + escaped(blank < 0 ? QString() : name.left(blank).trimmed()) + ";;;";
    }

    eVCardVersion fVersion;
    QByteArray fOut;
};

} // namespace

cVCardImport ReadVCards(const QByteArray &data)
{
    cVCardImport result;
    bool inCard = false;
    bool broken = false;
    cCardBuilder builder;
    for (const QByteArray &line : unfoldedLines(data)) {
        if (isCardMark(line, "BEGIN")) {
            result.skipped += inCard ? 1 : 0; // its END is missing
            inCard = true;
            broken = false;
            builder = {};
        } else if (isCardMark(line, "END")) {
            cContactCard card;
            if (inCard && !broken && builder.finish(&card))
                result.cards.append(card);
            else
                ++result.skipped;
            inCard = false;
        } else if (inCard) {
            cProperty property;
            if (!hasControlCharacter(line) && parseProperty(line, &property))
                builder.take(property);
            else
                broken = true;
        }
    }
    result.skipped += inCard ? 1 : 0;
    return result;
}

QByteArray WriteVCards(const QList<cContactCard> &cards, eVCardVersion version)
{
    cCardWriter writer(version);
    QByteArray out;
    for (const cContactCard &card : cards)
        out += writer.write(card);
    return out;
}

cResultOf<cVCardImport> ImportVCardFile(const QString &path, const cDuplicateQuestion &ask)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cResult::Failed(eFailure::FileSystem,
                               cTexts::tr("Cannot read the vCard file \"%1\": %2").arg(path, file.errorString()));
    cVCardImport read = ReadVCards(file.readAll());
    const cContactImportPlan plan = PlanContactImport(read.cards, cContactStore::ReadAllContacts(), ask);
    if (cResult stored = cContactStore::ImportContacts(plan.added, plan.replaced); !stored)
        return stored;
    read.duplicatesSkipped = plan.skipped;
    return read;
}

cResultOf<int> ExportVCardFile(const QString &path)
{
    const QList<cContactCard> cards = cContactStore::ReadAllContacts();
    if (cResult written = WriteFileAtomically(path, WriteVCards(cards)); !written)
        return written;
    return static_cast<int>(cards.size());
}
