#include "SearchAddress.h"

namespace sorvanta {

namespace {

bool isUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'
        || c == '.' || c == '_' || c == '~';
}

}  // namespace

QString encodeQueryText(const QString& keywords)
{
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    const QByteArray bytes = keywords.toUtf8();
    QByteArray encoded;
    encoded.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        if (c == ' ') {
            encoded += '+';
        } else if (isUnreserved(c)) {
            encoded += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            encoded += '%';
            encoded += kHexDigits[byte >> 4];
            encoded += kHexDigits[byte & 0x0F];
        }
    }
    return QString::fromLatin1(encoded);
}

QString BuildSearchAddress(const QString& addressTemplate, const QString& keywords)
{
    const QStringView placeholder(kPlaceholder);
    const qsizetype at = addressTemplate.indexOf(placeholder);
    if (at < 0)
        return addressTemplate;
    QString address = addressTemplate;
    address.replace(at, placeholder.size(), encodeQueryText(keywords));
    return address;
}

}  // namespace sorvanta
