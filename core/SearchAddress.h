#pragma once

#include <QString>

namespace sorvanta {

// The word in an address template that the keywords replace (case-sensitive).
inline constexpr char16_t kPlaceholder[] = u"TEST";

// Encodes keywords as a web form encodes a field: blank -> "+", unreserved
// ASCII (A-Z a-z 0-9 - . _ ~) kept, every other UTF-8 byte as %XX.
QString encodeQueryText(const QString& keywords);

// The template with the encoded keywords in place of its first "TEST".
// A template without "TEST" comes back unchanged.
QString BuildSearchAddress(const QString& addressTemplate, const QString& keywords);

}  // namespace sorvanta
