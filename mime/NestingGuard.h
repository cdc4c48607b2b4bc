// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The MIME library reads address fields (groups, comments) with one stack frame per level, and
// it does so while it builds a message, also one attached inside another. A field nested past
// kMaxNesting levels is renamed in the bytes it is given, so it never parses it; the reader
// shows such a field as its raw text instead.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Levels of address groups, comments or MIME parts that are read as structure; deeper is data.
inline constexpr int kMaxNesting = 100;

// The deepest nesting of groups and comments in an address field's value.
int AddressNesting(QByteArrayView value);

// Where in raw each address field nested deeper than kMaxNesting starts, ascending.
QList<qsizetype> DeepAddressFields(const QByteArray &raw);

// raw with the field starting at each of fieldStarts (ascending) renamed to HiddenFieldName.
QByteArray WithFieldsHidden(const QByteArray &raw, const QList<qsizetype> &fieldStarts);

// Where an offset into WithFieldsHidden(raw, fieldStarts) lies in raw.
qsizetype RawOffset(qsizetype hiddenOffset, const QList<qsizetype> &fieldStarts);

QByteArray HiddenFieldName(const QByteArray &field);
