// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the corpus messages made from e-mail template packages (see SOURCES.md):
//   npm install inky@1.5.0 juice@11 mailgen@2.0.36 foundation-emails@2.5.1 planer@1.2.0
//   node make-generated.js <node_modules folder> <output folder>
// Placeholder images of the templates (placehold.it addresses) become cid: parts of that size
// and colour, as a sender's own images would; every other address stays remote.
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const modules = path.resolve(process.argv[2]);
const out = path.resolve(process.argv[3]);
const need = name => require(path.join(modules, name));
const { Inky } = need('inky');
const juice = need('juice');
const Mailgen = need('mailgen');

const crcTable = Array.from({ length: 256 }, (_, n) => {
    let c = n;
    for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    return c >>> 0;
});
function crc32(buf) {
    let c = 0xffffffff;
    for (const b of buf) c = crcTable[(c ^ b) & 0xff] ^ (c >>> 8);
    return (c ^ 0xffffffff) >>> 0;
}
function chunk(type, data) {
    const head = Buffer.alloc(8);
    head.writeUInt32BE(data.length, 0);
    head.write(type, 4, 'latin1');
    const crc = Buffer.alloc(4);
    crc.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), data])), 0);
    return Buffer.concat([head, data, crc]);
}
function png(width, height, [r, g, b]) {
    const ihdr = Buffer.alloc(13);
    ihdr.writeUInt32BE(width, 0);
    ihdr.writeUInt32BE(height, 4);
    ihdr.set([8, 2, 0, 0, 0], 8);
    const row = Buffer.alloc(1 + width * 3);
    for (let x = 0; x < width; ++x) row.set([r, g, b], 1 + x * 3);
    const raw = Buffer.concat(Array(height).fill(row));
    return Buffer.concat([Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]), chunk('IHDR', ihdr),
                          chunk('IDAT', zlib.deflateSync(raw)), chunk('IEND', Buffer.alloc(0))]);
}
function colour(hex) {
    if (!hex) return [0xcc, 0xcc, 0xcc];
    const h = hex.length === 3 ? hex.replace(/./g, c => c + c) : hex;
    return [0, 2, 4].map(i => parseInt(h.substr(i, 2), 16));
}

// Placeholder addresses in html to cid: parts.
function inlineImages(html) {
    const images = [];
    const replaced = html.replace(/https?:\/\/placehold\.it\/(\d+)(?:x(\d+))?(?:\/([0-9a-fA-F]{3,6}))?[^"')\s]*/g,
        (_, w, h, c) => {
            const id = `image${images.length + 1}@corpus.example`;
            images.push({ id, data: png(+w, +(h || w), colour(c)) });
            return `cid:${id}`;
        });
    return { html: replaced, images };
}

function base64Lines(buf) {
    return buf.toString('base64').replace(/.{1,76}/g, '$&\r\n');
}
function qp(text) {
    return Buffer.from(text, 'utf8').toString('latin1').split(/\r?\n/).map(line => {
        let encoded = line.replace(/[=\x80-\xff]|[ \t]$/g, c => '=' + c.charCodeAt(0).toString(16).toUpperCase().padStart(2, '0'));
        const pieces = [];
        while (encoded.length > 75) {
            let cut = 75;
            const eq = encoded.lastIndexOf('=', cut - 1);
            if (eq > cut - 3) cut = eq;
            pieces.push(encoded.slice(0, cut) + '=');
            encoded = encoded.slice(cut);
        }
        pieces.push(encoded);
        return pieces.join('\r\n');
    }).join('\r\n');
}
function textPart(type, text) {
    return `Content-Type: ${type}; charset=utf-8\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n${qp(text)}\r\n`;
}

function message({ file, from, subject, text, html }) {
    const { html: body, images } = inlineImages(html);
    let htmlPart = textPart('text/html', body);
    if (images.length) {
        const b = `related-${file}`;
        htmlPart = `Content-Type: multipart/related; boundary="${b}"\r\n\r\n--${b}\r\n${htmlPart}`
            + images.map(i => `--${b}\r\nContent-Type: image/png\r\nContent-Transfer-Encoding: base64\r\n`
                + `Content-ID: <${i.id}>\r\nContent-Disposition: inline\r\n\r\n${base64Lines(i.data)}`).join('')
            + `--${b}--\r\n`;
    }
    const b = `alternative-${file}`;
    const eml = `From: ${from}\r\nTo: Reader <reader@example.org>\r\nSubject: ${subject}\r\n`
        + `Date: Mon, 02 Mar 2026 09:30:00 +0000\r\nMessage-ID: <${file}@corpus.example>\r\nMIME-Version: 1.0\r\n`
        + `Content-Type: multipart/alternative; boundary="${b}"\r\n\r\n--${b}\r\n${textPart('text/plain', text)}`
        + `--${b}\r\n${htmlPart}--${b}--\r\n`;
    fs.writeFileSync(path.join(out, file + '.eml'), eml);
}

// An HTML-only message around a mailer's HTML as it was received.
function htmlOnly(file, from, subject, htmlPath) {
    const html = fs.readFileSync(htmlPath, 'utf8');
    const eml = `From: ${from}\r\nTo: Reader <reader@example.org>\r\nSubject: ${subject}\r\n`
        + `Date: Mon, 02 Mar 2026 09:30:00 +0000\r\nMessage-ID: <${file}@corpus.example>\r\nMIME-Version: 1.0\r\n`
        + textPart('text/html', html);
    fs.writeFileSync(path.join(out, file + '.eml'), eml);
}

function foundation(name) {
    const root = path.join(modules, 'foundation-emails');
    const source = fs.readFileSync(path.join(root, 'templates', name + '.html'), 'utf8');
    const page = `<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Strict//EN" "http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd">
<html xmlns="http://www.w3.org/1999/xhtml"><head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8" /><meta name="viewport" content="width=device-width" />
<title>${name}</title><style>${fs.readFileSync(path.join(root, 'dist', 'foundation-emails.css'), 'utf8')}</style></head>
<body><table class="body" data-made-with-foundation><tr><td class="float-center" align="center" valign="top"><center>
${new Inky().releaseTheKraken(source)}
</center></td></tr></table></body></html>`;
    const html = juice(page, { preserveMediaQueries: true, removeStyleTags: false });
    const text = html.replace(/<style[\s\S]*?<\/style>/g, '').replace(/<[^>]+>/g, ' ').replace(/\s+/g, ' ').trim();
    message({ file: `foundation-${name}`, from: 'Foundation <news@foundation.example>', subject: `Template: ${name}`,
              text: text.slice(0, 600), html });
}

const mailgenBodies = {
    receipt: {
        name: 'John Appleseed', intro: 'Your order has been processed successfully.',
        table: { data: [
            { item: 'Node.js', description: 'Event-driven I/O server-side JavaScript environment based on V8.', price: '$10.99' },
            { item: 'Mailgen', description: 'Programmatically create beautiful e-mails using plain old JavaScript.', price: '$1.99' }],
            columns: { customWidth: { item: '20%', price: '15%' }, customAlignment: { price: 'right' } } },
        action: { instructions: 'You can check the status of your order and more in your dashboard:',
                  button: { color: '#3869D4', text: 'Go to Dashboard', link: 'https://mailgen.example/confirm?s=d9729feb' } },
        outro: 'We thank you for your purchase.' },
    welcome: {
        name: 'John Appleseed', intro: 'Welcome to Mailgen! We\'re very excited to have you on board.',
        action: { instructions: 'To get started with Mailgen, please click here:',
                  button: { color: '#22BC66', text: 'Confirm your account', link: 'https://mailgen.example/confirm?s=d9729feb' } },
        outro: 'Need help, or have questions? Just reply to this email, we\'d love to help.' },
    reset: {
        name: 'John Appleseed',
        intro: 'You have received this email because a password reset request for your account was received.',
        action: { instructions: 'Click the button below to reset your password:',
                  button: { color: '#DC4D2F', text: 'Reset your password', link: 'https://mailgen.example/reset?s=b350163a1a010d9729feb74992c1a010' } },
        outro: 'If you did not request a password reset, no further action is required on your part.' },
};

function mailgen(theme, kind) {
    const generator = new Mailgen({ theme, product: { name: 'Mailgen', link: 'https://mailgen.example/' } });
    const email = { body: mailgenBodies[kind] };
    message({ file: `mailgen-${theme}-${kind}`, from: 'Mailgen <hello@mailgen.example>', subject: `Mailgen ${kind}`,
              text: generator.generatePlaintext(email), html: generator.generate(email) });
}

for (const name of ['basic', 'drip', 'hero', 'marketing', 'newsletter', 'newsletter-2', 'order', 'password',
                    'sidebar', 'sidebar-hero', 'welcome'])
    foundation(name);
for (const [theme, kind] of [['default', 'receipt'], ['default', 'reset'], ['neopolitan', 'welcome'],
                             ['salted', 'receipt'], ['cerberus', 'welcome'], ['cerberus', 'reset']])
    mailgen(theme, kind);
for (const name of ['office-365', 'outlook-mixed', 'microsoft-namespaces'])
    htmlOnly(`planer-${name}`, 'Correspondent <someone@mailer.example>', `Outlook HTML: ${name}`,
             path.join(modules, 'planer', 'test', 'examples', 'html', name + '.html'));
