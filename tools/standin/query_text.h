#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <string>

// The raw query of a request target ("/a?u=%D5%C5&p=1" gives "u=%D5%C5&p=1").
std::string QueryOf(const std::string& target);

// Splits a raw query at "&" and each pair at its first "=", then decodes
// "%XX" and "+" (a blank). Malformed escapes stay as they are. The values are
// bytes: the caller knows their encoding.
QList<QPair<QByteArray, QByteArray>> ParseQuery(const std::string& query);

// The first value of `key`, or an empty array.
QByteArray QueryValue(const QList<QPair<QByteArray, QByteArray>>& pairs, const QByteArray& key);

// Decodes "%XX" escapes; "+" becomes a blank when `plusIsBlank`.
QByteArray PercentDecode(const QByteArray& text, bool plusIsBlank);
